#pragma once

// OpenGL 1.1 with GLU (and the 1.2+ constants) for the portable core, without
// pulling in windows.h. Platform code that needs windows.h includes it first.
#if defined(_WIN32) && !defined(APIENTRY)
#define APIENTRY __stdcall
#define WINGDIAPI __declspec(dllimport)
#define CALLBACK __stdcall
#endif

#include <GL/gl.h>
#include <GL/glu.h>
#if defined(_WIN32)
#include <GL/glext.h>
#endif
