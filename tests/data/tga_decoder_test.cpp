#include "data/tga_decoder.h"

#include <gtest/gtest.h>

#include "tests/data/data_fixtures.h"
#include "tests/data/host_log.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kPath = "textures\\t.tga";
constexpr std::uint32_t kAnySide = 8192;  // no test picture comes near it

bool decode(const Bytes& file, TgaImage& image) {
  ArchiveFixture archive({{kPath, file}});
  return decodeTga(kPath, image, kAnySide);
}

// 2 x 2 pixels as stored (blue, green, red, alpha), first row first.
const Bytes kStored32 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

}  // namespace

TEST(TgaDecoder, Uncompressed32BitPixelsBecomeRedGreenBlueAlpha) {
  TgaImage image;
  ASSERT_TRUE(decode(tgaFile(tgaHeader(2, 2, 2, 32), kStored32), image));
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.pixelDepth, 32);
  EXPECT_EQ(image.pixels, Bytes({3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12, 15, 14, 13, 16}));
}

TEST(TgaDecoder, RunLength32BitPixelsKeepTheirStoredOrder) {
  Bytes body = {0x03};  // four raw pixels
  body.insert(body.end(), kStored32.begin(), kStored32.end());
  TgaImage image;
  ASSERT_TRUE(decode(tgaFile(tgaHeader(10, 2, 2, 32), body), image));
  EXPECT_EQ(image.pixels, kStored32);
}

TEST(TgaDecoder, RunAndRawPacketsRunAcrossRows) {
  // 0x83: one value four times; 0x03: four values in turn; 3 x 3 pixels, so
  // both packets cross a row end, and a last run packet of one.
  const Bytes body = {0x83, 1, 2, 3, 0x03, 10, 11, 12, 20, 21, 22, 30, 31, 32, 40, 41, 42,
                      0x80, 50, 51, 52};
  TgaImage image;
  ASSERT_TRUE(decode(tgaFile(tgaHeader(10, 3, 3, 24), body), image));
  EXPECT_EQ(image.pixels, Bytes({1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 10, 11, 12, 20, 21, 22,
                                 30, 31, 32, 40, 41, 42, 50, 51, 52}));
}

TEST(TgaDecoder, SixteenBitValuesBecomeBlueGreenRedWithoutTheTopBit) {
  // 0x7FFF: all five-bit fields full; 0x801F: blue alone, top bit set;
  // 0x03E0: green alone; 0x7C00: red alone.
  const Bytes raw = {0xFF, 0x7F, 0x1F, 0x80, 0xE0, 0x03, 0x00, 0x7C};
  const Bytes expected = {0xF8, 0xF8, 0xF8, 0xF8, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8};
  TgaImage image;
  ASSERT_TRUE(decode(tgaFile(tgaHeader(2, 2, 2, 16), raw), image));
  EXPECT_EQ(image.pixelDepth, 24);
  EXPECT_EQ(image.pixels, expected);

  const Bytes runLength = {0x81, 0xFF, 0x7F, 0x01, 0xE0, 0x03, 0x00, 0x7C};
  ASSERT_TRUE(decode(tgaFile(tgaHeader(10, 2, 2, 16), runLength), image));
  EXPECT_EQ(image.pixelDepth, 24);
  EXPECT_EQ(image.pixels, Bytes({0xF8, 0xF8, 0xF8, 0xF8, 0xF8, 0xF8, 0, 0xF8, 0, 0, 0, 0xF8}));
}

TEST(TgaDecoder, UncompressedTrueColourAndGreyKeepFileOrder) {
  TgaImage image;
  ASSERT_TRUE(decode(tgaFile(tgaHeader(2, 2, 1, 24), {1, 2, 3, 4, 5, 6}), image));
  EXPECT_EQ(image.pixels, Bytes({1, 2, 3, 4, 5, 6}));
  ASSERT_TRUE(decode(tgaFile(tgaHeader(3, 3, 1, 8), {7, 8, 9}), image));
  EXPECT_EQ(image.pixelDepth, 8);
  EXPECT_EQ(image.pixels, Bytes({7, 8, 9}));
  ASSERT_TRUE(decode(tgaFile(tgaHeader(11, 3, 1, 8), {0x81, 5, 0x00, 6}), image));
  EXPECT_EQ(image.pixels, Bytes({5, 5, 6}));
}

TEST(TgaDecoder, ColourMappedIndicesExpandToTheirEntries) {
  TgaHeader h = tgaHeader(1, 4, 1, 8);
  h.colourMapType = 1;
  h.mapFirst = 7;  // read but not used: indices count from 0
  h.mapLength = 2;
  h.mapEntrySize = 24;
  h.idLength = 3;
  const Bytes map = {10, 20, 30, 40, 50, 60};
  Bytes body = map;
  body.insert(body.end(), {1, 0, 1, 2});  // index 2 lies beyond the map: black
  TgaImage image;
  ASSERT_TRUE(decode(tgaFile(h, body), image));
  EXPECT_EQ(image.pixelDepth, 24);
  EXPECT_EQ(image.pixels, Bytes({40, 50, 60, 10, 20, 30, 40, 50, 60, 0, 0, 0}));

  h.imageType = 9;
  body = map;
  body.insert(body.end(), {0x82, 1, 0x00, 0});
  ASSERT_TRUE(decode(tgaFile(h, body), image));
  EXPECT_EQ(image.pixels, Bytes({40, 50, 60, 40, 50, 60, 40, 50, 60, 10, 20, 30}));
}

TEST(TgaDecoder, ColourMapOfATrueColourImageIsSkipped) {
  for (unsigned entryBits : {24u, 15u, 32u}) {
    TgaHeader h = tgaHeader(2, 1, 1, 24);
    h.colourMapType = 1;
    h.mapLength = 3;
    h.mapEntrySize = entryBits;
    Bytes body(3 * ((entryBits + 7) / 8), 0xEE);
    body.insert(body.end(), {1, 2, 3});
    TgaImage image;
    ASSERT_TRUE(decode(tgaFile(h, body), image)) << entryBits;
    EXPECT_EQ(image.pixels, Bytes({1, 2, 3})) << entryBits;
  }
}

TEST(TgaDecoder, RefusedTypesAndMapsFailWithoutAMessage) {
  HostLog log;
  TgaImage image;
  for (unsigned type : {0u, 4u, 8u, 12u, 32u})
    EXPECT_FALSE(decode(tgaFile(tgaHeader(type, 1, 1, 24), {1, 2, 3}), image)) << type;

  TgaHeader mapped = tgaHeader(1, 1, 1, 8);
  EXPECT_FALSE(decode(tgaFile(mapped, {0}), image));  // no colour map
  mapped.colourMapType = 1;
  mapped.mapLength = 1;
  mapped.mapEntrySize = 16;
  EXPECT_FALSE(decode(tgaFile(mapped, {0, 0, 0}), image));

  // Accepted types with a depth they do not take.
  EXPECT_FALSE(decode(tgaFile(tgaHeader(2, 1, 1, 8), {1}), image));
  EXPECT_FALSE(decode(tgaFile(tgaHeader(3, 1, 1, 24), {1, 2, 3}), image));
  mapped.mapEntrySize = 24;
  mapped.depth = 16;
  EXPECT_FALSE(decode(tgaFile(mapped, {0, 0, 0, 0, 0}), image));
  EXPECT_TRUE(log.messages.empty());

  EXPECT_FALSE(decodeTga("textures\\absent.tga", image, kAnySide));
  EXPECT_TRUE(log.messages.empty());
}

TEST(TgaDecoder, UnsupportedDepthShowsItsMessage) {
  HostLog log;
  TgaImage image;
  EXPECT_FALSE(decode(tgaFile(tgaHeader(2, 1, 1, 15), {0, 0}), image));
  ASSERT_EQ(log.messages.size(), 1u);
  EXPECT_EQ(log.messages[0].text, "Unsupported image depth.");
  EXPECT_EQ(log.messages[0].caption, "TGA");
}

TEST(TgaDecoder, RunPastTheLastPixelIsCutThere) {
  // A run of 128 and a raw packet of 4 for an image of 3 pixels.
  TgaImage image;
  ASSERT_TRUE(decode(tgaFile(tgaHeader(10, 3, 1, 32), {0xFF, 1, 2, 3, 4}), image));
  EXPECT_EQ(image.pixels, Bytes({1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4}));
  ASSERT_TRUE(decode(tgaFile(tgaHeader(11, 2, 1, 8), {0x03, 9, 8, 7, 6}), image));
  EXPECT_EQ(image.pixels, Bytes({9, 8}));
}

TEST(TgaDecoder, ShortOrLyingFilesFail) {
  TgaImage image;
  const Bytes full = tgaFile(tgaHeader(2, 2, 2, 24), Bytes(12, 7));
  for (std::size_t cut : {0u, 5u, 17u, 18u, 29u}) {
    EXPECT_FALSE(decode(Bytes(full.begin(), full.begin() + long(cut)), image)) << cut;
    EXPECT_TRUE(image.pixels.empty());
  }
  // Run-length data that ends inside a packet or before the last pixel.
  EXPECT_FALSE(decode(tgaFile(tgaHeader(10, 4, 1, 24), {0x81, 1, 2, 3}), image));
  EXPECT_FALSE(decode(tgaFile(tgaHeader(10, 4, 1, 24), {0x83, 1, 2}), image));
  EXPECT_FALSE(decode(tgaFile(tgaHeader(10, 4, 1, 24), {0x03, 1, 2, 3, 4}), image));
  // The image ID or a colour map reaching past the end.
  TgaHeader id = tgaHeader(2, 1, 1, 24);
  id.idLength = 200;
  Bytes shortId = tgaFile(id, {1, 2, 3});
  shortId.resize(18 + 50);
  EXPECT_FALSE(decode(shortId, image));
  TgaHeader mapped = tgaHeader(1, 1, 1, 8);
  mapped.colourMapType = 1;
  mapped.mapLength = 1000;
  mapped.mapEntrySize = 24;
  EXPECT_FALSE(decode(tgaFile(mapped, {0, 0, 0, 0}), image));
  // The largest sizes the header can state, with a few bytes behind them.
  EXPECT_FALSE(decode(tgaFile(tgaHeader(2, 65535, 65535, 32), {1, 2, 3, 4}), image));
  EXPECT_FALSE(decode(tgaFile(tgaHeader(10, 65535, 65535, 32), {0xFF, 1, 2, 3, 4}), image));
}

TEST(TgaDecoder, SidesLongerThanTheLimitAreRefusedBeforeDecoding) {
  ArchiveFixture archive({{kPath, tgaFile(tgaHeader(2, 8, 2, 24), Bytes(48, 7))}});
  TgaImage image;
  EXPECT_TRUE(decodeTga(kPath, image, 8));
  EXPECT_FALSE(decodeTga(kPath, image, 7));
  EXPECT_TRUE(image.pixels.empty());
}

TEST(TgaDecoder, ZeroSizesGiveNoImage) {
  TgaImage image;
  EXPECT_FALSE(decode(tgaFile(tgaHeader(2, 0, 4, 24), {}), image));
  EXPECT_FALSE(decode(tgaFile(tgaHeader(10, 4, 0, 24), {0x81, 1, 2, 3}), image));
}
