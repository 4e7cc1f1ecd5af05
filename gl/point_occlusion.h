#pragma once
// point_occlusion.h -- whether a window point lies in front of all drawn so far: occlusion query or depth read

#include <cstdint>

// Off, every test reads the depth buffer, also where the driver has
// occlusion queries; for comparisons.
extern bool useOcclusionQueries;

// The visibility of one point, tested once a frame. Where the driver has
// occlusion queries (gl/gl_driver.h), the point is drawn inside a query and
// the answer is that of the last query whose result the driver has ready,
// normally the previous frame's: nothing waits for the GPU. Elsewhere the
// depth buffer is read at the point's pixel, which waits for everything
// drawn before it.
class PointOcclusion {
 public:
  // True when nothing drawn so far lies in front of depth `depth` (0 near
  // to 1 far) at pixel (x, y). A pixel outside the viewport (x, y, width,
  // height) and a depth beyond 1 count as covered at once.
  bool visible(double x, double y, double depth, const int* viewport);

 private:
  bool byQuery(int x, int y, double depth, const int* viewport);

  std::uint32_t query_ = 0;  // lives as long as the context, like textures
  bool pending_ = false;     // a query is out, its result not yet taken
  bool stale_ = false;       // the point was decided without it since
  bool answer_ = false;
};
