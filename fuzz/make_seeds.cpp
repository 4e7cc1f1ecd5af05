// make_seeds.cpp -- make_fuzz_seeds: every fuzz target's seed inputs
// make_fuzz_seeds: writes every fuzz target's seed inputs, made by our own
// writers (the archive packer, the test fixtures' image and mesh writers,
// the content generators) and from the default scene's text files, into
// DIR/TARGET/.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "content/image.h"
#include "content/image_files.h"
#include "content/mesh_builder.h"
#include "content/music.h"
#include "data/rar_writer.h"
#include "fuzz/input_members.h"
#include "tests/audio/ogg_tone.h"
#include "tests/data/data_fixtures.h"

namespace fs = std::filesystem;

namespace {

using Seeds = std::map<std::string, Bytes>;  // file name -> bytes

Bytes textBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes contentFile(const std::string& name) {
  std::ifstream file(fs::path(ORBIVANE_CONTENT_SOURCE_DIR) / name, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// A small picture with some structure: a colour ramp with a darker disc.
Image picture(int width, int height) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const float u = float(x) / float(width), v = float(y) / float(height);
      const float disc = std::hypot(u - 0.5f, v - 0.5f) < 0.3f ? 0.5f : 1.0f;
      image.at(x, y) = Colour{u * disc, v * disc, (1 - u) * disc, v};
    }
  }
  return image;
}

Seeds tgaSeeds() {
  TgaHeader mapped = tgaHeader(1, 4, 2, 8);
  mapped.colourMapType = 1;
  mapped.mapLength = 3;
  mapped.mapEntrySize = 24;
  TgaHeader mappedRle = mapped;
  mappedRle.imageType = 9;
  TgaHeader withId = tgaHeader(2, 2, 2, 24);
  withId.idLength = 5;
  TgaHeader skippedMap = tgaHeader(2, 2, 1, 24);
  skippedMap.colourMapType = 1;
  skippedMap.mapLength = 2;
  skippedMap.mapEntrySize = 15;
  const Bytes map = {0, 0, 255, 0, 255, 0, 255, 0, 0};
  auto withMap = [&](const Bytes& pixels) {
    Bytes body = map;
    body.insert(body.end(), pixels.begin(), pixels.end());
    return body;
  };
  return {
      {"picture32.tga", encodeTga(picture(16, 8))},
      {"true24.tga", tgaFile(tgaHeader(2, 3, 2, 24), filled(3, 2, {10, 20, 30}))},
      {"true16.tga", tgaFile(tgaHeader(2, 2, 2, 16), {0xFF, 0x7F, 0x1F, 0x00, 0xE0, 0x03, 0, 0x7C})},
      {"grey8.tga", tgaFile(tgaHeader(3, 4, 2, 8), {0, 40, 80, 120, 160, 200, 240, 255})},
      {"rle32.tga", tgaFile(tgaHeader(10, 5, 2, 32), {0x83, 1, 2, 3, 4, 0x01, 5, 6, 7, 8, 9, 10, 11, 12,
                                                      0x84, 13, 14, 15, 16})},
      {"rle24.tga", tgaFile(tgaHeader(10, 4, 1, 24), {0x81, 1, 2, 3, 0x01, 4, 5, 6, 7, 8, 9})},
      {"rle16.tga", tgaFile(tgaHeader(10, 3, 1, 16), {0x82, 0xFF, 0x7F})},
      {"rle8.tga", tgaFile(tgaHeader(11, 6, 1, 8), {0x02, 9, 8, 7, 0x82, 6})},
      {"mapped.tga", tgaFile(mapped, withMap({0, 1, 2, 0, 2, 1, 0, 1}))},
      {"mapped-rle.tga", tgaFile(mappedRle, withMap({0x83, 1, 0x03, 0, 1, 2, 0}))},
      {"image-id.tga", tgaFile(withId, filled(2, 2, {1, 2, 3}))},
      {"skipped-map.tga", tgaFile(skippedMap, {1, 2, 3, 4, 9, 8, 7, 6, 5, 4})},
  };
}

Bytes greyPixels(int width, int height) {
  Bytes pixels(std::size_t(width) * std::size_t(height));
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint8_t(i * 7);
  return pixels;
}

Seeds jpegSeeds() {
  return {
      {"colour.jpg", encodeJpeg(picture(24, 16), 90)},
      {"grey.jpg", jpegFile(8, 8, 1, greyPixels(8, 8))},
      {"cmyk.jpg", jpegFile(8, 8, 4, filled(8, 8, {200, 100, 50, 180}))},
      {"progressive.jpg", jpegFile(16, 16, 3, filled(16, 16, {30, 140, 220}), 80, true)},
  };
}

Seeds meshSeeds() {
  return {
      {"box.dat", encodeMesh(makeBox(Vec3(1, 2, 0.5f)))},
      {"sphere.dat", encodeMesh(makeSphere(6, 4, false))},
      {"bands.dat", meshFile(sphereMesh(3))},
  };
}

// The default scene's pictures, each as a tiny image of its kind.
Seeds textureListSeeds() {
  const Bytes list = contentFile("texture.txt");
  std::vector<RarMember> scene = {{"texture.txt", list}};
  std::string name;
  for (unsigned char c : list) {
    if (c != '\n') {
      name += char(c);
      continue;
    }
    const bool tga = name.size() > 4 && name.compare(name.size() - 4, 4, ".tga") == 0;
    if (name != "END_TEXT")
      scene.push_back({"textures\\" + name, tga ? encodeTga(picture(4, 4)) : encodeJpeg(picture(8, 8), 75)});
    name.clear();
  }
  const std::vector<RarMember> kinds = {
      {"texture.txt", textBytes("grey.jpg\ncmyk.JPG\nrle.tga\ntrue24.TGA\nmissing.jpg\nnone.png\nEND_TEXT\n")},
      {"textures\\grey.jpg", jpegFile(8, 4, 1, greyPixels(8, 4))},
      {"textures\\cmyk.JPG", jpegFile(4, 4, 4, filled(4, 4, {0, 255, 255, 255}))},
      {"textures\\rle.tga", tgaFile(tgaHeader(10, 3, 3, 32), {0x88, 1, 2, 3, 4})},
      {"textures\\true24.TGA", tgaFile(tgaHeader(2, 2, 1, 24), {1, 2, 3, 4, 5, 6})},
  };
  return {{"default-scene", joinInputMembers(scene)}, {"kinds", joinInputMembers(kinds)}};
}

// The meshes the default scene's geometry lines name, as small boxes.
std::vector<RarMember> geometryMembers() {
  const Bytes box = encodeMesh(makeBox(Vec3(1, 1, 1)));
  return {{"meshes\\rock.dat", box}, {"meshes\\station.dat", box}, {"meshes\\sphere.dat", box}};
}

std::vector<RarMember> withGeometry(std::vector<RarMember> members) {
  for (RarMember& mesh : geometryMembers()) members.push_back(mesh);
  return members;
}

Seeds objectFileSeeds() {
  const std::string kinds =
      "sphere\nbegin moon\nmoon\nflash\nrnd\ntexture textures\\rock.jpg\nparent moon\nend\n"
      "billboard\nbegin\nsys\nparent moon V(0 1 0)\nflash 0 0.5 0.5)\nend\n"
      "flame\nbegin\nsize 10\ncolorfrom V(1 0 0)\nend\n"
      "ps\nbegin\ncirc\ndens 8\ntime 0.5\nend\nps\nbegin\nline\ndens 4\nend\n"
      "geometry meshes\\rock.dat\nmesh\nbegin rock\nmaterial\n\tmetal\n\tchrome\n"
      "\tmap1 textures\\halo.tga\n\tmap2 x\nend\nENDWORLD\n";
  return {
      {"system", joinInputMembers(withGeometry({{"objects.txt", contentFile("system.txt")}}))},
      {"sky", joinInputMembers({{"objects.txt", contentFile("sky.txt")}})},
      {"sunflare", joinInputMembers({{"objects.txt", contentFile("sunflare.txt")}})},
      {"kinds", joinInputMembers(withGeometry({{"objects.txt", textBytes(kinds)}}))},
  };
}

std::vector<RarMember> sceneTextMembers() {
  return {{"env.txt", contentFile("env.txt")},
          {"sky.txt", contentFile("sky.txt")},
          {"sunflare.txt", contentFile("sunflare.txt")},
          {"system.txt", contentFile("system.txt")}};
}

Seeds environmentSeeds() {
  return {{"default-scene", joinInputMembers({{"env.txt", contentFile("env.txt")},
                                              {"sky.txt", contentFile("sky.txt")},
                                              {"sunflare.txt", contentFile("sunflare.txt")}})}};
}

Seeds worldsSeeds() {
  std::vector<RarMember> scene = {{"worlds.txt", contentFile("worlds.txt")}};
  for (RarMember& member : withGeometry(sceneTextMembers())) scene.push_back(member);
  const std::vector<RarMember> two = {
      {"worlds.txt", textBytes("world first\nobjects a.txt\nend\nworld world\nenv space\n"
                               "objects a.txt\nobjects a.txt\nsystem\nscenedir here\nend\nWORLD_END\n")},
      {"env.txt", textBytes("env space\nfirstpass a.txt\npostpass a.txt\nend\nENV_END\n")},
      {"a.txt", textBytes("sphere\nbegin a\nradius 2\nend\nflare\nbegin\nparent a V(1 0 0)\nend\nENDWORLD\n")},
  };
  return {{"default-scene", joinInputMembers(scene)}, {"two-worlds", joinInputMembers(two)}};
}

Seeds archiveSeeds() {
  const Bytes box = encodeMesh(makeBox(Vec3(1, 1, 1)));
  return {
      {"texts.sdd", buildRarArchive({{"texture.txt", contentFile("texture.txt")},
                                     {"worlds.txt", contentFile("worlds.txt")}})},
      {"binary.sdd", buildRarArchive({{"MESHES\\Sphere.dat", box},
                                      {"textures/rock.jpg", encodeJpeg(picture(8, 8), 75)},
                                      {"music.ogg", encodeTone(8000, 1, 800, 0.5f)}})},
      {"empty-member.sdd", buildRarArchive({{"texture.txt", {}}})},
  };
}

Seeds musicSeeds() {
  return {
      {"stereo.ogg", encodeTone(44100, 2, 4410, 0.5f)},
      {"mono.ogg", encodeTone(22050, 1, 1000, 0.8f)},
      {"music.ogg", encodeVorbis(composeMusic(1), 44100)},
  };
}

bool writeSeeds(const fs::path& dir, const Seeds& seeds) {
  fs::create_directories(dir);
  for (const auto& [name, bytes] : seeds) {
    std::ofstream file(dir / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
      std::fprintf(stderr, "make_fuzz_seeds: cannot write %s\n", (dir / name).c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
    return 2;
  }
  const fs::path top = argv[1];
  const std::map<std::string, Seeds> targets = {
      {"tga", tgaSeeds()},
      {"jpeg", jpegSeeds()},
      {"mesh", meshSeeds()},
      {"texture_list", textureListSeeds()},
      {"environment", environmentSeeds()},
      {"worlds", worldsSeeds()},
      {"object_file", objectFileSeeds()},
      {"archive", archiveSeeds()},
      {"music", musicSeeds()},
  };
  for (const auto& [target, seeds] : targets)
    if (!writeSeeds(top / target, seeds)) return 1;
  return 0;
}
