#include "app/saver_input.h"

#include <gtest/gtest.h>

namespace {

class SaverInputTest : public testing::Test {
 protected:
  void SetUp() override {
    clearInput();
    pointerOffsetX = pointerOffsetY = 0.0f;
  }
};

TEST_F(SaverInputTest, KeysAndButtonsEndTheRunAndReleasesDoNotUndoIt) {
  float movement = 0.0f;
  EXPECT_FALSE(takeFrameInput(false, movement).stop);
  noteKeyDown(0x41);
  EXPECT_EQ(keyState[0x41], 1);
  noteKeyUp(0x41);
  noteKeyUp(0);
  EXPECT_EQ(keyState[0x41], 0);
  EXPECT_TRUE(takeFrameInput(false, movement).stop);

  clearInput();
  noteButtonDown();
  EXPECT_TRUE(takeFrameInput(false, movement).stop);
}

TEST_F(SaverInputTest, MovementRightAndDownEndsTheRunOnlyWithMouseExit) {
  float movement = 0.0f;
  notePointer(540, 424, 512, 384);  // 28 right, 40 down: 8.4 + 12
  FrameInput frame = takeFrameInput(false, movement);
  EXPECT_FALSE(frame.stop);
  EXPECT_TRUE(frame.recentre);
  EXPECT_FLOAT_EQ(movement, 20.4f);
  EXPECT_EQ(pointerOffsetX, 0.0f);
  EXPECT_EQ(pointerOffsetY, 0.0f);

  movement = 0.0f;
  notePointer(540, 424, 512, 384);
  EXPECT_TRUE(takeFrameInput(true, movement).stop);
}

TEST_F(SaverInputTest, MovementLeftAndUpNeverEndsTheRun) {
  float movement = 0.0f;
  for (int frame = 0; frame < 10; ++frame) {
    notePointer(472, 344, 512, 384);
    EXPECT_FALSE(takeFrameInput(true, movement).stop);
  }
  EXPECT_LT(movement, 0.0f);
}

TEST_F(SaverInputTest, SmallMovementsAddUpAndOffsetsReplaceEachOther) {
  float movement = 0.0f;
  notePointer(600, 384, 512, 384);
  notePointer(520, 384, 512, 384);  // only the last position counts
  EXPECT_FALSE(takeFrameInput(true, movement).stop);
  EXPECT_FLOAT_EQ(movement, 2.4f);
  notePointer(520, 384, 512, 384);
  notePointer(520, 384, 512, 384);
  takeFrameInput(true, movement);
  EXPECT_FALSE(takeFrameInput(true, movement).recentre);  // nothing moved
  notePointer(520, 384, 512, 384);
  EXPECT_TRUE(takeFrameInput(true, movement).stop);  // 7.2 > 7
}

}  // namespace
