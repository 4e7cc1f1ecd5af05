// point_occlusion.cpp -- whether a window point lies in front of all drawn so far: occlusion query or depth read
#include "gl/point_occlusion.h"

#include <initializer_list>

#include "gl/gl.h"
#include "gl/gl_driver.h"

bool useOcclusionQueries = true;

namespace {

// One point at the pixel's centre and the given depth, tested against the
// depth buffer (equal counts as in front) and written nowhere.
void drawProbe(int x, int y, double depth, const int* viewport) {
  glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_TRANSFORM_BIT);
  for (GLenum cap : {GL_ALPHA_TEST, GL_BLEND, GL_LIGHTING, GL_TEXTURE_2D, GL_FOG, GL_STENCIL_TEST,
                     GL_SCISSOR_TEST, GL_POINT_SMOOTH})
    glDisable(cap);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glDepthMask(GL_FALSE);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glBegin(GL_POINTS);
  glVertex3d((x - viewport[0] + 0.5) / viewport[2] * 2 - 1,
             (y - viewport[1] + 0.5) / viewport[3] * 2 - 1, depth * 2 - 1);
  glEnd();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopAttrib();
}

}  // namespace

bool PointOcclusion::visible(double x, double y, double depth, const int* viewport) {
  const bool inside = x >= viewport[0] && x < viewport[0] + viewport[2] && y >= viewport[1] &&
                      y < viewport[1] + viewport[3];
  if (!inside || depth > 1) {
    stale_ = pending_;
    answer_ = false;
    return false;
  }
  if (useOcclusionQueries && glDriver.queries.available())
    return byQuery(int(x), int(y), depth < 0 ? 0 : depth, viewport);  // nearer than near: in front
  float stored = 0;
  glReadPixels(int(x), int(y), 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &stored);
  return stored >= depth;
}

bool PointOcclusion::byQuery(int x, int y, double depth, const int* viewport) {
  const OcclusionQueryFunctions& q = glDriver.queries;
  if (pending_) {
    GLuint ready = 0;
    q.result(query_, GL_QUERY_RESULT_AVAILABLE, &ready);
    if (ready) {
      GLuint samples = 0;
      q.result(query_, GL_QUERY_RESULT, &samples);
      if (!stale_) answer_ = samples > 0;
      pending_ = stale_ = false;
    }
  }
  if (!pending_) {
    if (query_ == 0) q.gen(1, &query_);
    q.begin(GL_SAMPLES_PASSED, query_);
    drawProbe(x, y, depth, viewport);
    q.end(GL_SAMPLES_PASSED);
    pending_ = true;
  }
  return answer_;
}
