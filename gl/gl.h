#pragma once
// gl.h -- the OpenGL 1.1 and GLU headers for the portable core, with the 1.2+ constants

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
