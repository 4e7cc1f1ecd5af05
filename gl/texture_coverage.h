#pragma once
// texture_coverage.h -- where a mipmapped texture can add light: a coarse grid of cells per level

#include <cstdint>
#include <vector>

// The channels a cell's filtered texels can hold non-zero, one bit each.
enum CellChannels : std::uint8_t {
  kCellRed = 1,
  kCellGreen = 2,
  kCellBlue = 4,
  kCellAlpha = 8,
};

// One mipmap level's texels, first row at t = 0, as uploaded: `components`
// bytes each, red, green, blue, alpha (4), red, green, blue (3), luminance
// and alpha (2) or luminance (1); no alpha is 1, luminance fills every colour.
struct TextureLevel {
  int width = 0;
  int height = 0;
  const unsigned char* texels = nullptr;
  int components = 4;
};

// A grid of at most kMaxCells x kMaxCells cells over texture coordinates
// 0..1. For each level L and cell, the channels that linear filtering of
// levels 0..L can return non-zero anywhere inside the cell (repeat wrap):
// a draw that samples no level beyond L sees zero in every channel the
// cell lacks.
struct TextureCoverage {
  static constexpr int kMaxCells = 64;
  int width = 0;  // level 0, texels
  int height = 0;
  int columns = 0;  // cells along s
  int rows = 0;     // cells along t
  int levels = 0;
  std::vector<std::uint8_t> cells;  // levels x rows x columns
  std::vector<bool> full;           // per level: every cell holds every channel

  std::uint8_t channels(int reachLevel, int column, int row) const {
    return cells[(std::size_t(reachLevel) * std::size_t(rows) + std::size_t(row)) *
                     std::size_t(columns) +
                 std::size_t(column)];
  }
};

// The grid of a chain of levels, each half the one before (level 0 first).
TextureCoverage coverageOfLevels(const std::vector<TextureLevel>& levels);

// Keeps the grid of a texture's levels under its name, replacing what the
// name held before.
void recordTextureCoverage(std::uint32_t texture, const std::vector<TextureLevel>& levels);

// The grid kept for a texture name, or null when there is none.
const TextureCoverage* findTextureCoverage(std::uint32_t texture);

// Forgets every grid; the scene's end, when its textures are no longer drawn.
void forgetTextureCoverage();
