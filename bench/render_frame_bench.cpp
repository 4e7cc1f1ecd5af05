// render_frame_bench.cpp -- the cost of one frame of a small solar system at two picture sizes
// One saver frame (update, draw, finish) of a small solar system: a sky
// shell, a sun with its glow, four textured planets, one with an
// atmosphere, and a moon, at two picture sizes on a headless context.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "bench/bench_context.h"
#include "gl/gl.h"
#include "host/settings.h"
#include "render/frame.h"
#include "render/session.h"
#include "scene/scene_object.h"
#include "tests/data/data_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

Bytes gradientJpeg(unsigned char r, unsigned char g, unsigned char b) {
  const int size = 256;
  Bytes pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const int shade = 128 + ((x / 16 + y / 16) % 2) * 127;
      pixels.insert(pixels.end(), {std::uint8_t(r * shade / 255), std::uint8_t(g * shade / 255),
                                   std::uint8_t(b * shade / 255)});
    }
  return jpegFile(size, size, 3, pixels);
}

Bytes glowJpeg() {
  const int size = 128;
  Bytes pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const float dx = float(x) / size - 0.5f, dy = float(y) / size - 0.5f;
      const float k = std::fmax(0.0f, 1.0f - 2.0f * std::sqrt(dx * dx + dy * dy));
      pixels.insert(pixels.end(), {std::uint8_t(255 * k), std::uint8_t(150 * k), std::uint8_t(50 * k)});
    }
  return jpegFile(size, size, 3, pixels);
}

std::string planet(const char* name, const char* texture, float distance, float radius) {
  return "sphere\nbegin " + std::string(name) + "\nradius " + std::to_string(radius) +
         "\nperiod 30\ntexture textures\\" + texture + "\nrotation V(0 1 0) 0 10\nposition V(" +
         std::to_string(distance) + " 0 0)\nend\n";
}

std::vector<RarMember> solarSystem() {
  const std::string objects =
      "sphere\nbegin sun\nradius 9000\nlight\ntexture textures\\sun.jpg\nend\n"
      "billboard\nbegin\nposition V(0 0 0)\nsize 20000\ntexture textures\\glow.jpg\nend\n" +
      planet("rock", "rock.jpg", 22000, 1500) + planet("blue", "blue.jpg", 30000, 3000) +
      "sphere\nbegin air\nradius 3300\natmo\nparent blue\nsys\nend\n" +
      planet("ice", "ice.jpg", 42000, 2500) + planet("gas", "gas.jpg", 52000, 5000) +
      "sphere\nbegin moon\nradius 600\nmoon\nparent gas\nsys\ntexture textures\\rock.jpg\n"
      "position V(8000 0 0)\nend\nENDWORLD\n";
  return {{"meshes\\sphere.dat", meshFile(sphereMesh(32))},
          {"meshes\\env.dat", meshFile(sphereMesh(16))},
          {"textures\\load.jpg", gradientJpeg(40, 40, 90)},
          {"textures\\sign.jpg", gradientJpeg(90, 40, 40)},
          {"textures\\sky.jpg", gradientJpeg(20, 20, 40)},
          {"textures\\sun.jpg", gradientJpeg(255, 200, 80)},
          {"textures\\glow.jpg", glowJpeg()},
          {"textures\\rock.jpg", gradientJpeg(150, 120, 100)},
          {"textures\\blue.jpg", gradientJpeg(60, 110, 220)},
          {"textures\\ice.jpg", gradientJpeg(200, 220, 240)},
          {"textures\\gas.jpg", gradientJpeg(220, 170, 110)},
          textMember("texture.txt",
                     "sky.jpg\nsun.jpg\nglow.jpg\nrock.jpg\nblue.jpg\nice.jpg\ngas.jpg\nEND_TEXT\n"),
          textMember("env.txt", "env space\nfirstpass sky.txt\nend\nENV_END\n"),
          textMember("sky.txt",
                     "sphere\nbegin sky\nenv\nradius 1000\ntexture textures\\sky.jpg\nend\nENDWORLD\n"),
          textMember("worlds.txt", "world world\nenv space\nobjects system.txt\nsystem\nend\nWORLD_END\n"),
          textMember("system.txt", objects)};
}

// The scene loads once, on a context of the largest size; smaller pictures
// use the lower-left part of it.
void loadSolarSystem() {
  static const bool ready = [] {
    makeBenchContextCurrent();
    ArchiveFixture archive(solarSystem());
    reshapeScene(1024, 768);
    const std::uint32_t seed = 11;
    startScene(&seed);
    return currentWorld != nullptr;
  }();
  if (!ready) std::fprintf(stderr, "the solar system did not load\n");
}

void BM_RenderFrame(benchmark::State& state) {
  loadSolarSystem();
  reshapeScene(std::uint32_t(state.range(0)), std::uint32_t(state.range(1)));
  settings.ShowFPS = true;
  settings.ShowClock = true;
  for (auto _ : state) {
    makeFrame(1.0 / 60.0);
    glFinish();
  }
  state.counters["objects"] = double(worldObjectList.size() + firstPassList.size());
}
BENCHMARK(BM_RenderFrame)->Args({1024, 768})->Args({640, 480})->Unit(benchmark::kMillisecond);

}  // namespace
