// make_test_scene.cpp -- the end-to-end tests' small scene, packed into data.sdd
// Writes data.sdd with a small scene into the folder given (default: the
// current one): loading images, a glyph texture, two worlds of which the
// one named "world" holds a large glowing billboard at the origin, where the
// camera always looks, and a short music loop.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/rar_writer.h"
#include "tests/audio/ogg_tone.h"
#include "tests/data/data_fixtures.h"

namespace {

// A size x size RGB JPEG; colour(x, y, rgb) fills each pixel.
template <typename Colour>
Bytes jpegImage(int size, Colour colour) {
  Bytes pixels(std::size_t(size) * size * 3);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) colour(x, y, &pixels[(std::size_t(y) * size + x) * 3]);
  return jpegFile(size, size, 3, pixels, 90);
}

Bytes solid(int size, unsigned char r, unsigned char g, unsigned char b) {
  return jpegImage(size, [&](int, int, unsigned char* p) {
    p[0] = r;
    p[1] = g;
    p[2] = b;
  });
}

Bytes glow(int size) {
  return jpegImage(size, [&](int x, int y, unsigned char* p) {
    const float dx = (x + 0.5f) / size - 0.5f, dy = (y + 0.5f) / size - 0.5f;
    const float k = std::fmax(0.0f, 1.0f - 2.0f * std::sqrt(dx * dx + dy * dy));
    p[0] = (unsigned char)(255 * k);
    p[1] = (unsigned char)(160 * k);
    p[2] = (unsigned char)(60 * k);
  });
}

RarMember text(const std::string& name, const std::string& body) {
  return {name, Bytes(body.begin(), body.end())};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  const std::vector<RarMember> members = {
      // The loading images where the texture loader looks for them, and at
      // the top level as well.
      {"textures\\load.jpg", solid(64, 40, 40, 90)},
      {"textures\\sign.jpg", solid(64, 90, 40, 40)},
      {"load.jpg", solid(64, 40, 40, 90)},
      {"sign.jpg", solid(64, 90, 40, 40)},
      text("texture.txt", "c.jpg\nglow.jpg\nEND_TEXT\n"),
      {"textures\\c.jpg", solid(128, 200, 200, 200)},
      {"textures\\glow.jpg", glow(128)},
      text("env.txt", "env space\nend\nENV_END\n"),
      text("worlds.txt",
           "world first\nenv space\nend\n"
           "world world\nenv space\nobjects sun.txt\nsystem\nend\nWORLD_END\n"),
      text("sun.txt",
           "billboard\nbegin\nposition V(0 0 0)\nsize 30000\ntexture textures\\glow.jpg\nend\n"
           "ENDWORLD\n"),
      {"music.ogg", encodeTone(44100, 2, 44100, 0.3f)},
  };
  const std::string path = folder + "/data.sdd";
  if (!writeRarArchive(path, members)) {
    std::fprintf(stderr, "make_test_scene: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}
