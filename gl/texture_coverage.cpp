// texture_coverage.cpp -- the grid of cells where each texture made here can add light
#include "gl/texture_coverage.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

// How far, in texels, a coordinate inside a cell may stray past the cell's
// edge once interpolated and rounded by the rasteriser.
constexpr double kSlack = 0.125;

std::unordered_map<std::uint32_t, TextureCoverage> coverages;

// Footprints reach at most one texel past either end of a side.
int wrapped(int i, int size) { return i < 0 ? i + size : (i >= size ? i - size : i); }

// The texels linear filtering reads for coordinates inside cell `cell` of
// `cells` along a side `size` texels long: at texel coordinate x it blends
// texels floor(x - 0.5) and the next. Unwrapped; all of them when the span
// reaches round the side.
void footprint(int cell, int cells, int size, int& first, int& last) {
  const double begin = double(cell) * size / cells, end = double(cell + 1) * size / cells;
  first = int(std::floor(begin - 0.5 - kSlack));
  last = int(std::floor(end - 0.5 + kSlack)) + 1;
  if (last - first + 1 >= size) {
    first = 0;
    last = size - 1;
  }
}

// Luminance (1 byte, 2 with alpha) fills every colour; no alpha is 1.
std::uint8_t channelsOf(const unsigned char* texel, int components) {
  const bool colour = components >= 3;
  const bool red = texel[0], green = colour ? texel[1] : red, blue = colour ? texel[2] : red;
  const bool alpha = components == 4 ? texel[3] : components == 2 ? texel[1] : true;
  return std::uint8_t((red ? kCellRed : 0) | (green ? kCellGreen : 0) | (blue ? kCellBlue : 0) |
                      (alpha ? kCellAlpha : 0));
}

// One level's cells: first each texel row's channels over each column's
// footprint, then those over each row's footprint.
std::vector<std::uint8_t> levelCells(const TextureLevel& level, int columns, int rows) {
  const int w = level.width, h = level.height;
  std::vector<std::uint8_t> texels(std::size_t(w) * std::size_t(h));
  for (std::size_t i = 0; i < texels.size(); ++i)
    texels[i] = channelsOf(level.texels + std::size_t(level.components) * i, level.components);

  std::vector<std::uint8_t> across(std::size_t(h) * std::size_t(columns));
  for (int c = 0; c < columns; ++c) {
    int first, last;
    footprint(c, columns, w, first, last);
    for (int y = 0; y < h; ++y) {
      std::uint8_t bits = 0;
      for (int x = first; x <= last; ++x) bits |= texels[std::size_t(y) * w + wrapped(x, w)];
      across[std::size_t(y) * columns + c] = bits;
    }
  }
  std::vector<std::uint8_t> cells(std::size_t(rows) * std::size_t(columns));
  for (int r = 0; r < rows; ++r) {
    int first, last;
    footprint(r, rows, h, first, last);
    for (int c = 0; c < columns; ++c) {
      std::uint8_t bits = 0;
      for (int y = first; y <= last; ++y) bits |= across[std::size_t(wrapped(y, h)) * columns + c];
      cells[std::size_t(r) * columns + c] = bits;
    }
  }
  return cells;
}

}  // namespace

TextureCoverage coverageOfLevels(const std::vector<TextureLevel>& levels) {
  TextureCoverage coverage;
  for (const TextureLevel& level : levels)
    if (level.width <= 0 || level.height <= 0 || !level.texels || level.components < 1 ||
        level.components > 4)
      return coverage;
  if (levels.empty()) return coverage;
  coverage.width = levels[0].width;
  coverage.height = levels[0].height;
  coverage.columns = std::min(TextureCoverage::kMaxCells, coverage.width);
  coverage.rows = std::min(TextureCoverage::kMaxCells, coverage.height);
  coverage.levels = int(levels.size());
  const std::size_t perLevel = std::size_t(coverage.columns) * std::size_t(coverage.rows);
  coverage.cells.assign(perLevel * levels.size(), 0);
  coverage.full.assign(levels.size(), false);
  const std::uint8_t every = kCellRed | kCellGreen | kCellBlue | kCellAlpha;
  for (std::size_t l = 0; l < levels.size(); ++l) {
    const std::vector<std::uint8_t> cells = levelCells(levels[l], coverage.columns, coverage.rows);
    bool full = true;
    for (std::size_t i = 0; i < perLevel; ++i) {
      std::uint8_t& cell = coverage.cells[l * perLevel + i];
      cell = std::uint8_t(cells[i] | (l ? coverage.cells[(l - 1) * perLevel + i] : 0));
      full = full && cell == every;
    }
    coverage.full[l] = full;
  }
  return coverage;
}

void recordTextureCoverage(std::uint32_t texture, const std::vector<TextureLevel>& levels) {
  coverages.erase(texture);
  TextureCoverage coverage = coverageOfLevels(levels);
  if (coverage.levels > 0) coverages[texture] = std::move(coverage);
}

const TextureCoverage* findTextureCoverage(std::uint32_t texture) {
  const auto found = coverages.find(texture);
  return found == coverages.end() ? nullptr : &found->second;
}

void forgetTextureCoverage() { coverages.clear(); }
