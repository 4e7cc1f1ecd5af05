// data_bench.cpp -- loading costs: member extraction, JPEG decode and upload, mesh display lists
// Loading costs of the data side: member extraction, JPEG decode with
// mipmapped upload, and mesh display lists, on a headless context.
#include <benchmark/benchmark.h>

#include "bench/bench_context.h"
#include "data/data_file.h"
#include "data/jpeg_decoder.h"
#include "data/mesh_lists.h"
#include "gl/gl.h"
#include "tests/data/data_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

Bytes noise(std::size_t size) {
  Bytes out(size);
  std::uint32_t state = 12345;
  for (unsigned char& b : out) b = std::uint8_t((state = state * 1103515245u + 12345u) >> 24);
  return out;
}

void BM_ExtractMember(benchmark::State& state) {
  const auto size = std::size_t(state.range(0));
  ArchiveFixture archive({{"textures\\before.bin", noise(size)}, {"textures\\member.bin", noise(size)}});
  for (auto _ : state) {
    DataFile file;
    if (!file.open("TEXTURES/MEMBER.BIN")) state.SkipWithError("member not found");
    benchmark::DoNotOptimize(file.data);
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}
BENCHMARK(BM_ExtractMember)->Arg(64 << 10)->Arg(1 << 20)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

void BM_JpegDecodeAndMipmapUpload(benchmark::State& state) {
  makeBenchContextCurrent();
  constexpr int kWidth = 1024, kHeight = 512;
  Bytes pixels(std::size_t(kWidth) * kHeight * 3);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      unsigned char* p = &pixels[(std::size_t(y) * kWidth + std::size_t(x)) * 3];
      p[0] = std::uint8_t(x / 4), p[1] = std::uint8_t(y / 2), p[2] = std::uint8_t((x ^ y) & 0xff);
    }
  ArchiveFixture archive({{"textures\\surface.jpg", jpegFile(kWidth, kHeight, 3, pixels, 90)}});
  for (auto _ : state) {
    GLuint texture = loadJpegTexture("textures\\surface.jpg");
    if (texture == 0) state.SkipWithError("texture not made");
    glFinish();
    glDeleteTextures(1, &texture);
  }
}
BENCHMARK(BM_JpegDecodeAndMipmapUpload)->Unit(benchmark::kMillisecond);

void BM_MeshList(benchmark::State& state) {
  makeBenchContextCurrent();
  const bool noised = state.range(0) != 0;
  const MeshData sphere = sphereMesh(32);  // 1984 faces
  ArchiveFixture archive({{"meshes\\sphere.dat", meshFile(sphere)}});
  for (auto _ : state) {
    DisplayListHolder holder;
    loadMeshList(holder, "meshes\\sphere.dat", noised);
    if (holder.displayList == 0) state.SkipWithError("no display list");
    glDeleteLists(holder.displayList, 1);
  }
  state.SetLabel(noised ? "noised" : "plain");
}
BENCHMARK(BM_MeshList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
