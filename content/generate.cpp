// generate.cpp -- every generated member of the default scene, written into a folder
#include "content/generate.h"

#include <filesystem>

#include "content/image_files.h"
#include "content/mesh_builder.h"
#include "content/music.h"
#include "content/textures.h"

namespace {
constexpr int kMusicSeconds = 96;
constexpr int kExampleMusicSeconds = 8;

bool writeMember(const std::string& dir, const std::string& member,
                 const std::vector<unsigned char>& bytes, std::vector<std::string>& written,
                 std::string& error) {
  std::string relative = member;
  for (char& c : relative)
    if (c == '\\') c = '/';
  const std::filesystem::path path = std::filesystem::path(dir) / relative;
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  if (!writeFile(path.string(), bytes)) {
    error = "cannot write " + path.string();
    return false;
  }
  written.push_back(member);
  return true;
}

bool writePictures(const std::string& dir, const std::vector<Picture>& pictures,
                   std::vector<std::string>& written, std::string& error) {
  for (const Picture& picture : pictures) {
    const bool tga = picture.member.size() > 4 &&
                     picture.member.compare(picture.member.size() - 4, 4, ".tga") == 0;
    const std::vector<unsigned char> bytes = tga ? encodeTga(picture.image) : encodeJpeg(picture.image, 90);
    if (!writeMember(dir, picture.member, bytes, written, error)) return false;
  }
  return true;
}

bool writeMusic(const std::string& dir, int seconds, std::vector<std::string>& written,
                std::string& error) {
  const std::vector<unsigned char> music = encodeVorbis(composeMusic(seconds), 44100);
  if (music.empty()) {
    error = "the music could not be encoded";
    return false;
  }
  return writeMember(dir, "music.ogg", music, written, error);
}
}  // namespace

std::vector<std::string> generateContent(const std::string& dir, std::string& error) {
  std::vector<std::string> written;
  if (!writePictures(dir, makePictures(), written, error)) return {};
  const struct {
    const char* member;
    Mesh mesh;
  } meshes[] = {{"meshes\\sphere.dat", makeSphere(24, 12, false)},
                {"meshes\\env.dat", makeSphere(32, 16, true)},
                {"meshes\\station.dat", makeStation()},
                {"meshes\\rock.dat", makeRock(5)},
                {"meshes\\ball.dat", makeSphere(12, 8, false)}};
  for (const auto& m : meshes)
    if (!writeMember(dir, m.member, encodeMesh(m.mesh), written, error)) return {};
  if (!writeMusic(dir, kMusicSeconds, written, error)) return {};
  return written;
}

std::vector<std::string> generateExample(const std::string& dir, std::string& error) {
  std::vector<std::string> written;
  if (!writePictures(dir, makeExamplePictures(), written, error) ||
      !writeMember(dir, "meshes\\sphere.dat", encodeMesh(makeSphere(24, 12, false)), written, error) ||
      !writeMember(dir, "meshes\\env.dat", encodeMesh(makeSphere(32, 16, true)), written, error) ||
      !writeMusic(dir, kExampleMusicSeconds, written, error))
    return {};
  return written;
}
