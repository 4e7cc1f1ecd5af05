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
  Movement movement;
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
  Movement movement;
  notePointer(540, 424, 512, 384);  // 28 right, 40 down: 8.4 + 12
  FrameInput frame = takeFrameInput(false, movement);
  EXPECT_FALSE(frame.stop);
  EXPECT_TRUE(frame.recentre);
  EXPECT_FLOAT_EQ(movement.x, 8.4f);
  EXPECT_FLOAT_EQ(movement.y, 12.0f);
  EXPECT_EQ(pointerOffsetX, 0.0f);
  EXPECT_EQ(pointerOffsetY, 0.0f);

  movement = {};
  notePointer(540, 424, 512, 384);
  EXPECT_TRUE(takeFrameInput(true, movement).stop);
}

// Net movement counts, whichever way: back and forth adds up to nothing.
TEST_F(SaverInputTest, MovementInAnyDirectionEndsTheRun) {
  Movement left, up;
  notePointer(488, 384, 512, 384);  // 24 pixels: 7.2
  EXPECT_TRUE(takeFrameInput(true, left).stop);
  notePointer(512, 360, 512, 384);
  EXPECT_TRUE(takeFrameInput(true, up).stop);

  Movement movement;
  for (int frame = 0; frame < 10; ++frame) {
    notePointer(frame % 2 ? 497 : 527, 384, 512, 384);  // 15 right, 15 left
    EXPECT_FALSE(takeFrameInput(true, movement).stop) << frame;
  }
  notePointer(500, 400, 512, 384);  // 12 left and 16 down: 20 pixels, 6 < 7
  EXPECT_FALSE(takeFrameInput(true, movement).stop);
}

TEST_F(SaverInputTest, SmallMovementsAddUpAndOffsetsReplaceEachOther) {
  Movement movement;
  notePointer(600, 384, 512, 384);
  notePointer(520, 384, 512, 384);  // only the last position counts
  EXPECT_FALSE(takeFrameInput(true, movement).stop);
  EXPECT_FLOAT_EQ(movement.x, 2.4f);
  notePointer(520, 384, 512, 384);
  notePointer(520, 384, 512, 384);
  takeFrameInput(true, movement);
  EXPECT_FALSE(takeFrameInput(true, movement).recentre);  // nothing moved
  notePointer(520, 384, 512, 384);
  EXPECT_TRUE(takeFrameInput(true, movement).stop);  // 7.2 > 7
}

}  // namespace
