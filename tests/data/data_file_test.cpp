#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "data/data_file.h"

namespace {

// Loads bytes straight into a DataFile, as open would after extraction.
void load(DataFile& file, const std::string& bytes) {
  file.close();
  file.data = static_cast<unsigned char*>(std::malloc(bytes.size() + 1));
  std::memcpy(file.data, bytes.data(), bytes.size());
  file.size = std::uint32_t(bytes.size());
}

}  // namespace

TEST(DataFileLines, LastLineWithoutLineFeedIsReturnedWithFalse) {
  DataFile file;
  load(file, "ab");
  char line[kLineCapacity];
  EXPECT_FALSE(file.readLine(line));
  EXPECT_STREQ(line, "ab");
  EXPECT_FALSE(file.readLine(line));
  EXPECT_STREQ(line, "");
}

TEST(DataFileLines, CarriageReturnLineFeedEndsALine) {
  DataFile file;
  load(file, "ab\r\n");
  char line[kLineCapacity];
  EXPECT_TRUE(file.readLine(line));
  EXPECT_STREQ(line, "ab");
  EXPECT_FALSE(file.readLine(line));
  EXPECT_STREQ(line, "");
}

TEST(DataFileLines, LeadingSpacesGoTabsAndTrailingSpacesStayCarriageReturnsVanish) {
  DataFile file;
  load(file, "   radius 5\n\tmetal\nfo\ro  \nlast");
  char line[kLineCapacity];
  EXPECT_TRUE(file.readLine(line));
  EXPECT_STREQ(line, "radius 5");
  EXPECT_TRUE(file.readLine(line));
  EXPECT_STREQ(line, "\tmetal");
  EXPECT_TRUE(file.readLine(line));
  EXPECT_STREQ(line, "foo  ");
  EXPECT_FALSE(file.readLine(line));
  EXPECT_STREQ(line, "last");
}

TEST(DataFileLines, EmptyAndAllSpaceInput) {
  DataFile file;
  char line[kLineCapacity] = "stale";
  EXPECT_FALSE(file.readLine(line));  // nothing loaded at all
  EXPECT_STREQ(line, "");
  load(file, "\n\n    ");
  EXPECT_TRUE(file.readLine(line));
  EXPECT_STREQ(line, "");
  EXPECT_TRUE(file.readLine(line));
  EXPECT_FALSE(file.readLine(line));
  EXPECT_STREQ(line, "");
}

TEST(DataFileLines, OverlongLinesAreCutToTheBuffer) {
  DataFile file;
  load(file, std::string(300, 'x') + "\nnext\n");
  char line[kLineCapacity + 8];
  std::memset(line, '#', sizeof line);
  EXPECT_TRUE(file.readLine(line, kLineCapacity));
  EXPECT_EQ(std::strlen(line), kLineCapacity - 1);
  EXPECT_EQ(line[kLineCapacity], '#');  // nothing written past the buffer
  EXPECT_TRUE(file.readLine(line, kLineCapacity));
  EXPECT_STREQ(line, "next");
}

TEST(DataFileReads, PastEndIsStrictlyBeyondTheSize) {
  DataFile file;
  load(file, "abc");
  char buffer[3];
  file.read(buffer, 3);
  EXPECT_EQ(file.position, 3u);
  EXPECT_FALSE(file.pastEnd());
  file.read(buffer, 1);
  EXPECT_TRUE(file.pastEnd());
}

TEST(DataFileReads, ShortReadsFillWhatThereIsAndLeaveTheRest) {
  DataFile file;
  load(file, "abcd");
  file.seek(2, 0);
  char buffer[4] = {'w', 'x', 'y', 'z'};
  file.read(buffer, 4);
  EXPECT_EQ(std::string(buffer, 4), "cdyz");
  EXPECT_TRUE(file.pastEnd());

  std::uint32_t count = 77;
  file.readGuarded(&count, 4);  // past the end: untouched
  EXPECT_EQ(count, 77u);
  file.read(&count, 0xFFFFFFFFu);  // a huge count neither reads nor wraps
  EXPECT_EQ(count, 77u);
  EXPECT_TRUE(file.pastEnd());
}

TEST(DataFileReads, SeekFromEachOrigin) {
  DataFile file;
  load(file, "0123456789");
  file.seek(4, 0);
  EXPECT_EQ(file.position, 4u);
  file.seek(3, 1);
  EXPECT_EQ(file.position, 7u);
  file.seek(2, 2);
  EXPECT_EQ(file.position, 8u);
  file.seek(-100, 1);  // cannot go before the start
  EXPECT_EQ(file.position, 0u);
  file.seek(50, 2);
  EXPECT_EQ(file.position, 0u);
}

TEST(DataFileReads, CloseEmptiesTheFile) {
  DataFile file;
  load(file, "xyz");
  file.seek(2, 0);
  file.close();
  EXPECT_EQ(file.data, nullptr);
  EXPECT_EQ(file.size, 0u);
  EXPECT_EQ(file.position, 0u);
}
