#include <gtest/gtest.h>

#include "content/image_files.h"
#include "content/textures.h"
#include "data/jpeg_decoder.h"
#include "data/tga_decoder.h"
#include "tests/support/temp_dir.h"

namespace {

// Red on top, blue below, with alpha falling from left to right.
Image topRedBottomBlue(int w, int h) {
  Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.at(x, y) = y < h / 2 ? Colour{1, 0, 0, 1 - float(x) / float(w - 1)} : Colour{0, 0, 1, 1};
  return image;
}

TEST(ImageFiles, TgaStoresTheBottomRowFirstWithAlpha) {
  ArchiveFixture archive({{"textures\\t.tga", encodeTga(topRedBottomBlue(8, 4))}});
  TgaImage tga;
  ASSERT_TRUE(decodeTga("textures\\t.tga", tga, 8));
  ASSERT_EQ(tga.width, 8);
  ASSERT_EQ(tga.height, 4);
  ASSERT_EQ(tga.pixelDepth, 32);
  // Decoded pixels are red, green, blue, alpha; the first row is the bottom.
  const unsigned char* bottomLeft = &tga.pixels[0];
  EXPECT_EQ(bottomLeft[2], 255);
  EXPECT_EQ(bottomLeft[0], 0);
  const unsigned char* topRight = &tga.pixels[(3 * 8 + 7) * 4];
  EXPECT_EQ(topRight[0], 255);
  EXPECT_EQ(topRight[2], 0);
  EXPECT_EQ(topRight[3], 0);
  EXPECT_EQ(tga.pixels[3 * 8 * 4 + 3], 255);  // top left: opaque
}

TEST(ImageFiles, JpegDecodesUprightInTrueColours) {
  const std::vector<unsigned char> jpeg = encodeJpeg(topRedBottomBlue(32, 32), 90);
  DecodedImage image;
  ASSERT_TRUE(decodeJpegMemory(jpeg.data(), jpeg.size(), image, 32));
  ASSERT_EQ(image.width, 32u);
  ASSERT_EQ(image.components, 3);
  // Rows come bottom-up: row 0 is the blue bottom, the last row the red top.
  const unsigned char* bottom = &image.pixels[4 * image.stride + 16 * 3];
  const unsigned char* top = &image.pixels[28 * image.stride + 16 * 3];
  EXPECT_GT(bottom[2], 220);
  EXPECT_LT(bottom[0], 35);
  EXPECT_GT(top[0], 220);
  EXPECT_LT(top[2], 35);
}

// The clock's glyph grid: 13 glyphs with ink, 3 empty cells, all different.
TEST(ImageFiles, GlyphGridHoldsThirteenDistinctGlyphs) {
  const int size = 128, cell = size / 4;
  const Image glyphs = makeGlyphs(size);
  std::vector<std::vector<int>> cells;
  for (int n = 0; n < 16; ++n) {
    std::vector<int> ink;
    for (int y = 0; y < cell; ++y)
      for (int x = 0; x < cell; ++x)
        ink.push_back(glyphs.at(n % 4 * cell + x, n / 4 * cell + y).r > 0.5f);
    int total = 0;
    for (int v : ink) total += v;
    if (n < 13)
      EXPECT_GT(total, cell / 2) << "glyph " << n;
    else
      EXPECT_EQ(total, 0) << "cell " << n;
    cells.push_back(ink);
  }
  for (int a = 0; a < 13; ++a)
    for (int b = a + 1; b < 13; ++b) EXPECT_NE(cells[a], cells[b]) << a << " and " << b;
}

}  // namespace
