#pragma once
// textured_quad.h -- a textured quad drawn only where its texture can add light

#include "math/mat4.h"
#include "math/vec3.h"

// Off, every quad is drawn whole, as one primitive; for comparisons. Cells
// are drawn only where they pay (gl/gl_driver.h), whatever this says.
extern bool skipDarkCells;

// How the whole quad is sent, and so its winding: GL_QUADS through
// (0,0) (0,1) (1,1) (1,0), or a GL_QUAD_STRIP through (0,0) (1,0) (0,1) (1,1).
enum class QuadPrimitive { kQuads, kQuadStrip };

// Draws the parallelogram with texture coordinates (0,0) at c00, (1,0) at
// c10, (0,1) at c01 and (1,1) at c11, with the bound texture and the
// current colour, matrices and state; `modelview` is the model-view matrix
// the caller has set (the record, gl/gl_state.h, holds the rest). Under additive or alpha blending
// without depth writes, a texture made by uploadMipmappedTexture is drawn
// as the cells of its grid that can change a pixel at the mipmap levels
// this draw can reach: nothing when there are none, the whole quad when
// they are more than half of it; anything else is drawn whole.
void drawTexturedQuad(const Vec3& c00, const Vec3& c10, const Vec3& c01, const Vec3& c11,
                      QuadPrimitive primitive, const Mat4& modelview);
