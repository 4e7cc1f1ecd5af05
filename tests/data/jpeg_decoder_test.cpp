#include "data/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/data/data_fixtures.h"
#include "tests/data/host_log.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr std::uint32_t kAnySide = 8192;  // no test picture comes near it

// A 4 x 2 picture: the top row white, the bottom row black.
Bytes whiteOverBlack() {
  Bytes pixels = filled(4, 1, {255, 255, 255});
  const Bytes black = filled(4, 1, {0, 0, 0});
  pixels.insert(pixels.end(), black.begin(), black.end());
  return pixels;
}

// A member exactly as large as `bytes`, so any read past it is caught.
bool decodeCopy(const Bytes& bytes, DecodedImage& image) {
  unsigned char* exact = new unsigned char[bytes.size() ? bytes.size() : 1];
  std::copy(bytes.begin(), bytes.end(), exact);
  const bool ok = decodeJpegMemory(exact, bytes.size(), image, kAnySide);
  delete[] exact;
  return ok;
}

}  // namespace

TEST(JpegDecoder, RowsComeBottomUpWithAStrideOfWidthTimesComponents) {
  ArchiveFixture archive({{"textures\\a.jpg", jpegFile(4, 2, 3, whiteOverBlack(), 100)}});
  DecodedImage image;
  ASSERT_TRUE(decodeJpeg("textures\\a.jpg", image, kAnySide));
  EXPECT_EQ(image.width, 4u);
  EXPECT_EQ(image.height, 2u);
  EXPECT_EQ(image.components, 3);
  EXPECT_EQ(image.stride, 12u);
  ASSERT_EQ(image.pixels.size(), 24u);
  for (int i = 0; i < 12; ++i) {
    EXPECT_LT(image.pixels[i], 40) << i;            // row 0: the bottom, black
    EXPECT_GT(image.pixels[12 + i], 215) << i;      // row 1: the top, white
  }
}

TEST(JpegDecoder, GreyImagesHaveOneComponent) {
  Bytes pixels(5 * 3);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint8_t(i < 5 ? 200 : 60);
  DecodedImage image;
  ASSERT_TRUE(decodeCopy(jpegFile(5, 3, 1, pixels, 100), image));
  EXPECT_EQ(image.components, 1);
  EXPECT_EQ(image.stride, 5u);
  ASSERT_EQ(image.pixels.size(), 15u);
  EXPECT_NEAR(image.pixels[14], 200, 12);  // top row, last buffer row
  EXPECT_NEAR(image.pixels[0], 60, 12);
}

TEST(JpegDecoder, MissingMemberShowsItsMessage) {
  ArchiveFixture archive({textMember("texture.txt", "END_TEXT\n")});
  HostLog log;
  DecodedImage image;
  EXPECT_FALSE(decodeJpeg("textures\\gone.jpg", image, kAnySide));
  ASSERT_EQ(log.messages.size(), 1u);
  EXPECT_EQ(log.messages[0].text, "ARCH:Can't load JPG file: textures\\gone.jpg");
  EXPECT_EQ(log.messages[0].caption, "Error");
  EXPECT_TRUE(image.pixels.empty());
}

TEST(JpegDecoder, BrokenDataFailsSilently) {
  HostLog log;
  DecodedImage image;
  Bytes garbage(500);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = std::uint8_t(i * 37 + 11);
  EXPECT_FALSE(decodeCopy(garbage, image));
  EXPECT_FALSE(decodeCopy({}, image));
  EXPECT_FALSE(decodeCopy({0xFF, 0xD8}, image));
  // A marker segment whose length reaches far past the data.
  EXPECT_FALSE(decodeCopy({0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF, 1, 2, 3}, image));
  const Bytes good = jpegFile(16, 16, 3, filled(16, 16, {10, 200, 30}));
  EXPECT_FALSE(decodeCopy(Bytes(good.begin(), good.begin() + 40), image));
  EXPECT_TRUE(image.pixels.empty());
  EXPECT_EQ(image.width, 0u);
  EXPECT_TRUE(log.messages.empty());
}

TEST(JpegDecoder, TruncatedScanDataDecodesAsFarAsItGoes) {
  constexpr int kWidth = 64, kHeight = 256;
  Bytes pixels;
  for (int i = 0; i < kWidth * kHeight; ++i) pixels.insert(pixels.end(), {std::uint8_t(i), 90, 160});
  const Bytes good = jpegFile(kWidth, kHeight, 3, pixels);
  DecodedImage whole;
  ASSERT_TRUE(decodeCopy(good, whole));
  const std::size_t stride = kWidth * 3, topRows = 16 * stride;
  for (std::size_t keep : {good.size() - 2, good.size() * 6 / 10, std::size_t(700)}) {
    DecodedImage image;
    ASSERT_TRUE(decodeCopy(Bytes(good.begin(), good.begin() + long(keep)), image)) << keep;
    EXPECT_EQ(image.width, unsigned(kWidth));
    EXPECT_EQ(image.height, unsigned(kHeight));
    ASSERT_EQ(image.pixels.size(), whole.pixels.size());
    // The top of the picture (the last rows) came before the cut.
    if (keep > good.size() / 2) {
      EXPECT_TRUE(std::equal(whole.pixels.end() - long(topRows), whole.pixels.end(),
                             image.pixels.end() - long(topRows)))
          << keep;
    }
  }
}

TEST(JpegDecoder, LargePicturesDecodeAtTheFirstScaleThatFitsTheSideLimit) {
  const Bytes jpeg = jpegFile(64, 24, 3, filled(64, 24, {200, 40, 40}));
  DecodedImage image;
  ASSERT_TRUE(decodeCopy(jpeg, image));
  EXPECT_EQ(image.width, 64u);
  const struct {
    std::uint32_t side, width, height;
  } fits[] = {{64, 64, 24}, {63, 32, 12}, {32, 32, 12}, {17, 16, 6}, {9, 8, 3}, {8, 8, 3}};
  for (const auto& fit : fits) {
    ASSERT_TRUE(decodeJpegMemory(jpeg.data(), jpeg.size(), image, fit.side)) << fit.side;
    EXPECT_EQ(image.width, fit.width) << fit.side;
    EXPECT_EQ(image.height, fit.height) << fit.side;
    EXPECT_EQ(image.pixels.size(), std::size_t(image.stride) * image.height);
    EXPECT_NEAR(image.pixels[0], 200, 16);
  }
  EXPECT_FALSE(decodeJpegMemory(jpeg.data(), jpeg.size(), image, 7));  // 8 at an eighth
  EXPECT_TRUE(image.pixels.empty());
}

TEST(JpegDecoder, HeaderDeclaringMorePixelsThanItsBytesCanHoldIsRefused) {
  // 512 x 512 pixels need 4096 blocks, at least 512 bytes of scan data.
  const Bytes flat = jpegFile(512, 512, 1, filled(512, 512, {90}), 50);
  DecodedImage image;
  ASSERT_TRUE(decodeCopy(flat, image));
  const Bytes header(flat.begin(), flat.begin() + 400);
  ASSERT_LT(header.size() * 512, 512u * 512u);
  EXPECT_FALSE(decodeCopy(header, image));
  EXPECT_TRUE(image.pixels.empty());
}
