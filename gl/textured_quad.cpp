// textured_quad.cpp -- a textured quad drawn as the cells of its texture's grid that can add light
#include "gl/textured_quad.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "gl/gl.h"
#include "gl/gl_driver.h"
#include "gl/gl_state.h"
#include "gl/texture_coverage.h"

bool skipDarkCells = true;

namespace {

void vertex(float s, float t, const Vec3& p) {
  glTexCoord2f(s, t);
  glVertex3f(p.x, p.y, p.z);
}

void drawWhole(const Vec3& c00, const Vec3& c10, const Vec3& c01, const Vec3& c11,
               QuadPrimitive primitive) {
  if (primitive == QuadPrimitive::kQuads) {
    glBegin(GL_QUADS);
    vertex(0, 0, c00);
    vertex(0, 1, c01);
    vertex(1, 1, c11);
    vertex(1, 0, c10);
  } else {
    glBegin(GL_QUAD_STRIP);
    vertex(0, 0, c00);
    vertex(1, 0, c10);
    vertex(0, 1, c01);
    vertex(1, 1, c11);
  }
  glEnd();
}

// After clamping, a colour component below or at 0 is 0; NaN may be anything.
bool mayBeNonZero(float component) { return !(component <= 0.0f); }

// The channels a cell must hold one of, besides alpha, for its texels to
// change a pixel under the state the record holds; -1 when no cell may be
// skipped. With the texture modulating the current colour, blending
// (source alpha, one) adds colour x alpha: nothing where alpha, or every
// colour channel the current colour keeps, is zero. Blending (source alpha,
// one minus source alpha) keeps the pixel where alpha is zero. Lighting, a
// texture matrix, other texture functions and depth writes bring effects of
// their own. (The blend equation is never changed from addition here, and
// the renderer never turns on fog, stencil, texture generation or smoothed
// or unfilled polygons.)
int neededChannels() {
  const GlState& g = glState;
  if (g.lighting || !g.texturing || !g.blending || (g.depthTest && g.depthWrites)) return -1;
  if (g.textureEnvMode != GL_MODULATE || !g.textureMatrixIdentity) return -1;
  if (g.blendSource != GL_SRC_ALPHA || !g.colourKnown) return -1;
  const float* colour = g.colour;
  if (g.blendDestination == GL_ONE_MINUS_SRC_ALPHA) return mayBeNonZero(colour[3]) ? kCellAlpha : 0;
  if (g.blendDestination != GL_ONE) return -1;
  if (!mayBeNonZero(colour[3])) return 0;
  return (mayBeNonZero(colour[0]) ? kCellRed : 0) | (mayBeNonZero(colour[1]) ? kCellGreen : 0) |
         (mayBeNonZero(colour[2]) ? kCellBlue : 0);
}

// A point in clip coordinates, x and y scaled to the viewport's pixels.
struct Clip {
  double x, y, w;
};

Clip toClip(const Vec3& p, const Mat4& modelview, const Mat4& projection, const ViewRect& view) {
  double eye[4], clip[4];
  for (int r = 0; r < 4; ++r)
    eye[r] = double(modelview[r]) * p.x + double(modelview[4 + r]) * p.y +
             double(modelview[8 + r]) * p.z + double(modelview[12 + r]);
  for (int r = 0; r < 4; ++r)
    clip[r] = double(projection[r]) * eye[0] + double(projection[4 + r]) * eye[1] +
              double(projection[8 + r]) * eye[2] + double(projection[12 + r]) * eye[3];
  return {clip[0] * view.width / 2, clip[1] * view.height / 2, clip[3]};
}

// What the draw of a quad reaches: the deepest mipmap level it can sample
// and the longest on-screen length, in pixels, of its sides along s and t.
struct Reach {
  int level;
  double sideS, sideT;
};

// The level of detail is log2 of rho, the texels a pixel step covers, which
// OpenGL lets an implementation approximate up to m_u + m_v (m_u the larger
// of |dU/dx| and |dU/dy|, U = s x width; m_v the same for V = t x height).
// Let the clip coordinates (viewport-scaled x, y and w) be X(s, t) = X0 +
// s A + t B, P = (X.x, X.y) and kappa = det[A B X0] over (x, y, w). The
// window Jacobian is J = [A.xy - p A.w, B.xy - p B.w] / w with p = P / w,
// det(w J) = kappa / w, and so J^-1 = (w / kappa) adj(K) with K = [A.xy w -
// P A.w, B.xy w - P B.w]. K's entries are affine in s and t and w > 0
// there, so every |dU/dx| ... is at most (max w / |kappa|) times the
// largest of its entry at the four corners. Trilinear filtering reads levels
// floor(lod) and the next; a sixteenth of a level covers rounding.
Reach reach(const TextureCoverage& coverage, const Vec3& c00, const Vec3& c10, const Vec3& c01,
            const Vec3& c11, const Mat4& modelview) {
  const Reach unbounded{coverage.levels - 1, 1e30, 1e30};
  const Mat4& projection = glState.projection;
  const ViewRect& view = glState.view;
  const Clip corners[4] = {toClip(c00, modelview, projection, view),
                           toClip(c10, modelview, projection, view),
                           toClip(c01, modelview, projection, view),
                           toClip(c11, modelview, projection, view)};
  double widest = 0;
  for (const Clip& c : corners) {
    if (!(c.w > 0)) return unbounded;  // reaches behind the eye
    widest = std::max(widest, c.w);
  }
  const Clip& x0 = corners[0];
  const Clip a{corners[1].x - x0.x, corners[1].y - x0.y, corners[1].w - x0.w};
  const Clip b{corners[2].x - x0.x, corners[2].y - x0.y, corners[2].w - x0.w};
  const double kappa = a.x * (b.y * x0.w - x0.y * b.w) - b.x * (a.y * x0.w - x0.y * a.w) +
                       x0.x * (a.y * b.w - b.y * a.w);
  if (!(std::fabs(kappa) > 0)) return unbounded;  // seen edge on

  double alongU = 0, alongV = 0;  // largest |adj(K)| entry of each row
  for (const Clip& c : corners) {
    const double k11 = a.x * c.w - c.x * a.w, k21 = a.y * c.w - c.y * a.w;
    const double k12 = b.x * c.w - c.x * b.w, k22 = b.y * c.w - c.y * b.w;
    alongU = std::max({alongU, std::fabs(k22), std::fabs(k12)});
    alongV = std::max({alongV, std::fabs(k21), std::fabs(k11)});
  }
  const double rho = widest / std::fabs(kappa) * (alongU * coverage.width + alongV * coverage.height);
  if (!std::isfinite(rho)) return unbounded;
  const double lod = std::log2(rho) + 1.0 / 16;
  const int level = lod > 0 ? int(std::min(double(coverage.levels - 1), std::floor(lod) + 1)) : 0;

  auto distance = [](const Clip& p, const Clip& q) {
    return std::hypot(p.x / p.w - q.x / q.w, p.y / p.w - q.y / q.w);
  };
  return {level, std::max(distance(corners[0], corners[1]), distance(corners[2], corners[3])),
          std::max(distance(corners[0], corners[2]), distance(corners[1], corners[3]))};
}

// Cells along a side: the grid's, halved while a cell would be shorter than
// this on screen. Every edge of a primitive costs some pixels' work (a
// software rasteriser shades whole 4 x 4 blocks along it), so cells much
// smaller than this cost more than the pixels they leave out.
constexpr double kLeastCellPixels = 12;

int cellsAlong(int gridCells, double sidePixels) {
  int cells = gridCells;
  while (cells % 2 == 0 && sidePixels / cells < kLeastCellPixels) cells /= 2;
  return cells;
}

Vec3 lerp(const Vec3& a, const Vec3& b, float t) { return a * (1 - t) + b * t; }

// Draws each row's runs of lit cells as triangles. Where a run meets the
// row below or above, its edge has a vertex wherever a run of either row
// begins or ends, so both sides cut the shared line at the same points: no
// vertex lies inside another primitive's edge, and no pixel is drawn twice
// or lost. Every vertex is a lattice point from the same expression, so
// shared ones are equal to the bit. Triangles keep the whole quad's winding.
void drawLitRuns(const std::vector<bool>& lit, int columns, int rows, const Vec3& c00,
                 const Vec3& c10, const Vec3& c01, const Vec3& c11, QuadPrimitive primitive) {
  auto isLit = [&](int column, int row) {
    return column >= 0 && column < columns && row >= 0 && row < rows &&
           lit[std::size_t(row) * columns + column];
  };
  // A run of row `row` begins or ends at lattice column k.
  auto cut = [&](int k, int row) { return isLit(k - 1, row) != isLit(k, row); };
  auto corner = [&](int k, int line) {
    const float s = float(k) / float(columns), t = float(line) / float(rows);
    vertex(s, t, lerp(lerp(c00, c10, s), lerp(c01, c11, s), t));
  };
  // (k0, l0), (k1, l1), (k2, l2) turn counter-clockwise in texture space.
  auto triangle = [&](int k0, int l0, int k1, int l1, int k2, int l2) {
    corner(k0, l0);
    if (primitive == QuadPrimitive::kQuadStrip) {
      corner(k1, l1);
      corner(k2, l2);
    } else {
      corner(k2, l2);
      corner(k1, l1);
    }
  };

  std::vector<int> bottom, top;
  glBegin(GL_TRIANGLES);
  for (int row = 0; row < rows; ++row) {
    for (int begin = 0; begin < columns;) {
      if (!isLit(begin, row)) {
        ++begin;
        continue;
      }
      int end = begin;
      while (isLit(end, row)) ++end;
      bottom.clear();
      top.clear();
      for (int k = begin; k <= end; ++k) {
        const bool ends = k == begin || k == end;
        if (ends || cut(k, row - 1)) bottom.push_back(k);
        if (ends || cut(k, row + 1)) top.push_back(k);
      }
      // Walk both edges left to right, each triangle a base on one edge
      // and its apex on the other.
      std::size_t i = 0, j = 0;
      while (i + 1 < bottom.size() || j + 1 < top.size()) {
        if (j + 1 == top.size() || (i + 1 < bottom.size() && bottom[i + 1] <= top[j + 1])) {
          triangle(bottom[i], row, bottom[i + 1], row, top[j], row + 1);
          ++i;
        } else {
          triangle(bottom[i], row, top[j + 1], row + 1, top[j], row + 1);
          ++j;
        }
      }
      begin = end;
    }
  }
  glEnd();
}

}  // namespace

void drawTexturedQuad(const Vec3& c00, const Vec3& c10, const Vec3& c01, const Vec3& c11,
                      QuadPrimitive primitive, const Mat4& modelview) {
  const int needed = skipDarkCells && glDriver.cellsPay ? neededChannels() : -1;
  const TextureCoverage* coverage = needed >= 0 ? findTextureCoverage(glState.boundTexture) : nullptr;
  const Reach r = coverage ? reach(*coverage, c00, c10, c01, c11, modelview) : Reach{};
  if (!coverage || coverage->full[std::size_t(r.level)]) {
    drawWhole(c00, c10, c01, c11, primitive);
    return;
  }

  // The grid's cells, merged in blocks where they would be small on screen.
  const int columns = cellsAlong(coverage->columns, r.sideS);
  const int rows = cellsAlong(coverage->rows, r.sideT);
  const int blockColumns = coverage->columns / columns, blockRows = coverage->rows / rows;
  std::vector<bool> lit(std::size_t(columns) * std::size_t(rows));
  int litCells = 0;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      std::uint8_t channels = 0;
      for (int y = row * blockRows; y < (row + 1) * blockRows; ++y)
        for (int x = column * blockColumns; x < (column + 1) * blockColumns; ++x)
          channels |= coverage->channels(r.level, x, y);
      const bool shows = (channels & kCellAlpha) && (channels & needed);
      lit[std::size_t(row) * columns + column] = shows;
      litCells += shows;
    }
  }
  // Cells pay for their edges only where they leave out much of the quad.
  if (litCells * 2 > columns * rows)
    drawWhole(c00, c10, c01, c11, primitive);
  else if (litCells > 0)
    drawLitRuns(lit, columns, rows, c00, c10, c01, c11, primitive);
}
