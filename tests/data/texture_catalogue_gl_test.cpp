#include "data/texture_catalogue.h"

#include <string>

#include "data/jpeg_decoder.h"
#include "data/tga_decoder.h"
#include "scene/scene_object.h"
#include "tests/data/data_fixtures.h"
#include "tests/data/host_log.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using TextureCatalogueGl = GlTest;

Bytes solidJpeg(int width, int height) { return jpegFile(width, height, 3, filled(width, height, {200, 40, 90})); }

Bytes solidTga(unsigned type, unsigned depth, const Bytes& body, unsigned width = 1,
               unsigned height = 1) {
  TgaHeader h;
  h.imageType = type;
  h.depth = depth;
  h.width = width;
  h.height = height;
  return tgaFile(h, body);
}

// Level 0 of the bound texture as red, green, blue, alpha bytes.
Bytes textureLevel0(GLuint texture) {
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint width = 0, height = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  Bytes pixels(std::size_t(width) * std::size_t(height) * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

GLuint loaded(const char* fileName) {
  TextureEntry entry;
  loadTexture(entry, fileName);
  return entry.glTexture;
}

struct Textured : SceneObject {
  void draw(CameraDirector&) override {}
  void update(double) override {}
};

}  // namespace

TEST_F(TextureCatalogueGl, ListOrderDuplicatesExtensionsAndLoadingSteps) {
  const Bytes jpeg = solidJpeg(2, 2), tga = solidTga(2, 24, {1, 2, 3});
  ArchiveFixture archive({
      textMember("texture.txt",
                 "a.jpg\r\nb.JPG\nc.Jpg\nd.jpeg\n  e.tga\nf.TGA extra words\na.jpg\n\n"
                 "missing.jpg\nx.bmp\nEND_TEXT\nafter.jpg\n"),
      {"textures\\a.jpg", jpeg}, {"textures\\b.JPG", jpeg}, {"textures\\c.Jpg", jpeg},
      {"textures\\d.jpeg", jpeg}, {"textures\\e.tga", tga}, {"textures\\f.TGA", tga},
      {"textures\\x.bmp", jpeg}, {"textures\\after.jpg", jpeg}});
  HostLog log;
  TextureCatalogue catalogue;
  loadTextureCatalogue(catalogue, "texture.txt", true);

  const char* paths[] = {"textures\\a.jpg", "textures\\b.JPG", "textures\\c.Jpg",
                         "textures\\d.jpeg", "textures\\e.tga", "textures\\f.TGA",
                         "textures\\a.jpg", "textures\\missing.jpg", "textures\\x.bmp"};
  const bool made[] = {true, true, false, false, true, true, true, false, false};
  ASSERT_EQ(catalogue.size(), 9u);
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    EXPECT_STREQ(catalogue[i]->path, paths[i]);
    EXPECT_EQ(catalogue[i]->glTexture != 0, made[i]) << paths[i];
    EXPECT_EQ(bool(glIsTexture(catalogue[i]->glTexture)), made[i]) << paths[i];
  }
  EXPECT_NE(catalogue[0]->glTexture, catalogue[6]->glTexture);
  EXPECT_EQ(findTexture(catalogue, "textures\\a.jpg"), catalogue[0]);
  EXPECT_EQ(findTexture(catalogue, "textures\\A.jpg"), nullptr);
  EXPECT_EQ(log.loadingSteps, 9);
  ASSERT_EQ(log.messages.size(), 1u);
  EXPECT_EQ(log.messages[0].text, "ARCH:Can't load JPG file: textures\\missing.jpg");

  TextureCatalogue quiet;
  loadTextureCatalogue(quiet, "texture.txt", false);
  EXPECT_EQ(quiet.size(), 9u);
  EXPECT_EQ(log.loadingSteps, 9);
}

TEST_F(TextureCatalogueGl, ListWithoutTerminatorEndsWithTheData) {
  ArchiveFixture archive({textMember("texture.txt", "a.jpg\nb.jpg"),
                          {"textures\\a.jpg", solidJpeg(1, 1)}, {"textures\\b.jpg", solidJpeg(1, 1)}});
  TextureCatalogue catalogue;
  loadTextureCatalogue(catalogue, "texture.txt", false);
  ASSERT_EQ(catalogue.size(), 2u);
  EXPECT_NE(catalogue[1]->glTexture, 0u);

  TextureCatalogue none;
  loadTextureCatalogue(none, "absent.txt", false);
  EXPECT_TRUE(none.empty());
}

TEST_F(TextureCatalogueGl, TexturesHaveFullMipmapChainsAndTrilinearFiltering) {
  ArchiveFixture archive({{"textures\\m.jpg", solidJpeg(8, 4)},
                          {"textures\\m.tga", solidTga(2, 32, Bytes(8 * 4 * 4, 9), 8, 4)}});
  for (const char* name : {"m.jpg", "m.tga"}) {
    const GLuint texture = loaded(name);
    ASSERT_NE(texture, 0u) << name;
    glBindTexture(GL_TEXTURE_2D, texture);
    const GLint sizes[][2] = {{8, 4}, {4, 2}, {2, 1}, {1, 1}};
    for (GLint level = 0; level < 4; ++level) {
      GLint w = 0, h = 0;
      glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
      glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
      EXPECT_EQ(w, sizes[level][0]) << name << " level " << level;
      EXPECT_EQ(h, sizes[level][1]) << name << " level " << level;
    }
    GLint minFilter = 0, magFilter = 0, alignment = 0, wrap = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(magFilter, GL_LINEAR);
    EXPECT_EQ(wrap, GL_REPEAT);
    EXPECT_EQ(alignment, 1);
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureCatalogueGl, EveryTgaKindUploadsInItsTrueColours) {
  TgaHeader mapped;
  mapped.imageType = 1;
  mapped.colourMapType = 1;
  mapped.mapLength = 1;
  mapped.mapEntrySize = 24;
  mapped.depth = 8;
  ArchiveFixture archive({
      {"textures\\raw32.tga", solidTga(2, 32, {10, 20, 30, 40})},
      {"textures\\rle32.tga", solidTga(10, 32, {0x80, 10, 20, 30, 40})},
      {"textures\\raw24.tga", solidTga(2, 24, {10, 20, 30})},
      {"textures\\rle24.tga", solidTga(10, 24, {0x80, 10, 20, 30})},
      {"textures\\raw16.tga", solidTga(2, 16, {0x1F, 0x00})},  // blue only
      {"textures\\grey.tga", solidTga(3, 8, {77})},
      {"textures\\rlegrey.tga", solidTga(11, 8, {0x80, 77})},
      {"textures\\map.tga", tgaFile(mapped, {10, 20, 30, 0})},
  });
  struct Case {
    const char* name;
    Bytes rgba;
  } cases[] = {
      {"raw32.tga", {30, 20, 10, 40}},
      {"rle32.tga", {10, 20, 30, 40}},  // stored order, uploaded as it is
      {"raw24.tga", {30, 20, 10, 255}},
      {"rle24.tga", {30, 20, 10, 255}},
      {"raw16.tga", {0, 0, 0xF8, 255}},
      {"grey.tga", {77, 77, 77, 255}},
      {"rlegrey.tga", {77, 77, 77, 255}},
      {"map.tga", {30, 20, 10, 255}},
  };
  for (const Case& c : cases) {
    const GLuint texture = loaded(c.name);
    ASSERT_NE(texture, 0u) << c.name;
    EXPECT_EQ(textureLevel0(texture), c.rgba) << c.name;
  }
}

TEST_F(TextureCatalogueGl, OddSizesUploadEveryRowUnpadded) {
  // 3 x 2, blue-green-red rows of 9 bytes: the bottom row red, the top green.
  // Both rows must survive the scaling to a power-of-two width.
  Bytes rows = filled(3, 1, {0, 0, 255});
  const Bytes green = filled(3, 1, {0, 255, 0});
  rows.insert(rows.end(), green.begin(), green.end());
  ArchiveFixture archive({{"textures\\odd.tga", solidTga(2, 24, rows, 3, 2)}});
  const GLuint texture = loaded("odd.tga");
  ASSERT_NE(texture, 0u);
  const Bytes level = textureLevel0(texture);
  GLint width = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  ASSERT_EQ(level.size(), std::size_t(width) * 2 * 4);
  for (GLint x = 0; x < width; ++x) {
    EXPECT_EQ(level[std::size_t(x) * 4], 255) << x;
    EXPECT_EQ(level[std::size_t(x) * 4 + 1], 0) << x;
    EXPECT_EQ(level[std::size_t(width + x) * 4], 0) << x;
    EXPECT_EQ(level[std::size_t(width + x) * 4 + 1], 255) << x;
  }
}

TEST_F(TextureCatalogueGl, GreyAndCmykJpegsUploadInTheirTrueColours) {
  ArchiveFixture archive({
      {"textures\\grey.jpg", jpegFile(4, 4, 1, Bytes(16, 150), 100)},
      // Inverted CMYK as image editors write it: full cyan ink = 0.
      {"textures\\cmyk.jpg", jpegFile(4, 4, 4, filled(4, 4, {0, 255, 255, 255}), 100)},
  });
  const Bytes grey = textureLevel0(loaded("grey.jpg"));
  ASSERT_EQ(grey.size(), 64u);
  EXPECT_NEAR(grey[0], 150, 3);
  EXPECT_NEAR(grey[1], 150, 3);
  EXPECT_NEAR(grey[2], 150, 3);
  EXPECT_EQ(grey[3], 255);
  const Bytes cyan = textureLevel0(loaded("cmyk.jpg"));
  ASSERT_EQ(cyan.size(), 64u);
  EXPECT_NEAR(cyan[0], 0, 6);
  EXPECT_NEAR(cyan[1], 255, 6);
  EXPECT_NEAR(cyan[2], 255, 6);
}

TEST_F(TextureCatalogueGl, FailedDecodesMakeNoTexture) {
  Bytes garbage(300, 0x5A);
  const Bytes good = solidJpeg(32, 32);
  ArchiveFixture archive({
      {"textures\\garbage.jpg", garbage},
      {"textures\\cut.jpg", Bytes(good.begin(), good.begin() + 30)},
      {"textures\\empty.tga", solidTga(2, 24, {}, 0, 0)},
      {"textures\\short.tga", solidTga(2, 24, {1, 2}, 2, 2)},
      {"textures\\depth.tga", solidTga(2, 15, {1, 2})},
  });
  HostLog log;
  GLuint before = 0;
  glGenTextures(1, &before);
  for (const char* name : {"garbage.jpg", "cut.jpg", "empty.tga", "short.tga", "depth.tga"})
    EXPECT_EQ(loaded(name), 0u) << name;
  GLuint after = 0;
  glGenTextures(1, &after);
  EXPECT_EQ(after, before + 1) << "a failed load left a texture name behind";
  ASSERT_EQ(log.messages.size(), 1u);
  EXPECT_EQ(log.messages[0].text, "Unsupported image depth.");
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureCatalogueGl, AssignTextureTakesTheEntryAndDecidesAlphaByLowerCaseTga) {
  ArchiveFixture archive({textMember("texture.txt", "s.tga\nS.TGA\nc.jpg\nEND_TEXT\n"),
                          {"textures\\s.tga", solidTga(2, 24, {1, 2, 3})},
                          {"textures\\S.TGA", solidTga(2, 24, {1, 2, 3})},
                          {"textures\\c.jpg", solidJpeg(1, 1)}});
  loadTextureCatalogue(textureCatalogue, "texture.txt", false);
  ASSERT_EQ(textureCatalogue.size(), 3u);

  Textured object;
  object.assignTexture("textures\\s.tga");
  EXPECT_TRUE(object.alphaTexture);
  EXPECT_EQ(object.texture, textureCatalogue[0]->glTexture);
  object.assignTexture("textures\\S.TGA");
  EXPECT_FALSE(object.alphaTexture);
  EXPECT_EQ(object.texture, textureCatalogue[1]->glTexture);
  object.assignTexture("textures\\nowhere.tga");
  EXPECT_TRUE(object.alphaTexture);
  EXPECT_EQ(object.texture, textureCatalogue[1]->glTexture);
  object.assignTexture("textures\\c.jpg");
  EXPECT_FALSE(object.alphaTexture);
  EXPECT_EQ(object.texture, textureCatalogue[2]->glTexture);
  textureCatalogue.deleteAll();
}

TEST_F(TextureCatalogueGl, LongFileNamesAreCutToThePathField) {
  TextureEntry entry;
  loadTexture(entry, "a_file_name_of_thirty_letters.bmp");
  EXPECT_EQ(std::string(entry.path), std::string("textures\\a_file_name_of_thirty_letters.bmp").substr(0, 31));
  EXPECT_EQ(entry.glTexture, 0u);
}
