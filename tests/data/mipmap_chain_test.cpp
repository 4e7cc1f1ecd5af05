// mipmap_chain_test.cpp -- the mipmap levels made on the CPU: area-averaged to powers of two, then halved
#include "data/mipmap_chain.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> texels(const MipmapLevel& level) {
  return std::vector<int>(level.texels.begin(), level.texels.end());
}

}  // namespace

// 3 x 2 grey texels widen to 4 x 2, each new texel the average of the
// image's span it covers; then 2 x 1 from 2 x 2 blocks and 1 x 1 from a
// pair, rounded to nearest. 5 wide narrows to 4 the same way.
TEST(MipmapChain, AreaAveragesToPowersOfTwoThenHalvesToOneTexel) {
  const unsigned char grey[] = {0, 90, 180, 30, 30, 40};
  const std::vector<MipmapLevel> chain = mipmapChain(grey, 3, 2, 1);
  ASSERT_EQ(chain.size(), 3u);
  EXPECT_EQ(chain[0].width, 4);
  EXPECT_EQ(chain[0].height, 2);
  EXPECT_EQ(texels(chain[0]), (std::vector<int>{0, 60, 120, 180, 30, 30, 33, 40}));
  EXPECT_EQ(chain[1].width, 2);
  EXPECT_EQ(chain[1].height, 1);
  EXPECT_EQ(texels(chain[1]), (std::vector<int>{30, 93}));  // 120 / 4, 373 / 4
  EXPECT_EQ(texels(chain[2]), (std::vector<int>{62}));      // 123 / 2

  const unsigned char rgb[] = {100, 0, 255, 100, 0, 255, 100, 0, 255, 100, 0, 255, 200, 10, 0};
  const std::vector<MipmapLevel> narrowed = mipmapChain(rgb, 5, 1, 3);
  ASSERT_EQ(narrowed.size(), 3u);
  EXPECT_EQ(texels(narrowed[0]),
            (std::vector<int>{100, 0, 255, 100, 0, 255, 100, 0, 255, 180, 8, 51}));

  EXPECT_TRUE(mipmapChain(grey, 0, 2, 1).empty());
  EXPECT_TRUE(mipmapChain(nullptr, 3, 2, 1).empty());
}
