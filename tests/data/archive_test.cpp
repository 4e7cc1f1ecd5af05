#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "data/archive.h"
#include "data/crc32.h"
#include "data/data_file.h"
#include "tests/support/temp_dir.h"

namespace {

std::string contents(const DataFile& file) {
  return std::string(reinterpret_cast<const char*>(file.data), file.size);
}

}  // namespace

TEST(Archive, FindsMembersWhateverTheCaseAndSeparator) {
  ArchiveFixture archive({textMember("texture.txt", "one\nEND_TEXT\n"),
                          textMember("MESHES\\Sphere.DAT", "mesh bytes")});
  DataFile file;
  ASSERT_NE(file.open("texture.txt"), 0);
  EXPECT_EQ(contents(file), "one\nEND_TEXT\n");
  EXPECT_EQ(file.position, 0u);
  file.close();
  ASSERT_NE(file.open("meshes\\sphere.dat"), 0);
  EXPECT_EQ(contents(file), "mesh bytes");
  file.close();
  ASSERT_NE(file.open("meshes/SPHERE.dat"), 0);
  EXPECT_STREQ(file.name, "meshes/SPHERE.dat");
}

TEST(Archive, TakesTheFirstOfTwoMatchingMembers) {
  ArchiveFixture archive({textMember("a.txt", "first"), textMember("A.TXT", "second")});
  DataFile file;
  ASSERT_NE(file.open("a.txt"), 0);
  EXPECT_EQ(contents(file), "first");
}

TEST(Archive, MissingMemberOrArchiveLeavesTheFileEmpty) {
  ArchiveFixture archive({textMember("a.txt", "x")});
  DataFile file;
  EXPECT_EQ(file.open("b.txt"), 0);
  EXPECT_EQ(file.data, nullptr);
  EXPECT_EQ(file.size, 0u);
  char line[kLineCapacity];
  EXPECT_FALSE(file.readLine(line));
  EXPECT_STREQ(line, "");

  setDataArchivePath("/nonexistent/data.sdd");
  EXPECT_EQ(file.open("a.txt"), 0);
}

TEST(Archive, EmptyMemberOpensWithSizeZero) {
  ArchiveFixture archive({textMember("empty.txt", "")});
  DataFile file;
  EXPECT_NE(file.open("empty.txt"), 0);
  EXPECT_EQ(file.size, 0u);
}

TEST(Archive, CorruptedMemberFailsItsCrcCheck) {
  ArchiveFixture archive({textMember("a.txt", "hello world"), textMember("b.txt", "intact")});
  {
    std::fstream raw(archive.archivePath(), std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
    const auto at = bytes.find("hello world");
    ASSERT_NE(at, std::string::npos);
    raw.seekp(std::streamoff(at));
    raw.put('j');
  }
  DataFile file;
  EXPECT_EQ(file.open("a.txt"), 0);
  EXPECT_EQ(file.data, nullptr);
  EXPECT_NE(file.open("b.txt"), 0);
  EXPECT_EQ(contents(file), "intact");
}

TEST(Archive, GarbageAndTruncatedArchivesFailQuietly) {
  TempDir dir;
  const std::string path = dir.file("data.sdd");
  const std::string previous = dataArchivePath();
  setDataArchivePath(path.c_str());
  DataFile file;
  {
    std::ofstream(path, std::ios::binary) << "this is not an archive at all";
  }
  EXPECT_EQ(file.open("a.txt"), 0);

  std::vector<unsigned char> bytes = buildRarArchive({textMember("a.txt", std::string(5000, 'q'))});
  bytes.resize(bytes.size() / 2);
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  EXPECT_EQ(file.open("a.txt"), 0);
  EXPECT_EQ(file.size, 0u);
  setDataArchivePath(previous.c_str());
}

TEST(Archive, LongMemberNamesDoNotOverflowTheName) {
  ArchiveFixture archive({textMember("a.txt", "x")});
  DataFile file;
  const std::string longName(300, 'n');
  EXPECT_EQ(file.open(longName.c_str()), 0);
  EXPECT_EQ(std::string(file.name), longName.substr(0, 99));
}

TEST(Archive, ArchiveInMemoryIsReadLikeAFileAndChecked) {
  const std::string previous = dataArchivePath();
  std::vector<unsigned char> bytes =
      buildRarArchive({textMember("A.TXT", "in memory"), textMember("b.txt", "kept")});
  setDataArchiveMemory(bytes.data(), bytes.size());
  DataFile file;
  ASSERT_NE(file.open("a.txt"), 0);
  EXPECT_EQ(contents(file), "in memory");
  file.close();
  bytes[std::string(bytes.begin(), bytes.end()).find("kept")] = 'K';
  EXPECT_EQ(file.open("b.txt"), 0);
  setDataArchivePath(previous.c_str());
  EXPECT_STREQ(dataArchivePath(), previous.c_str());
}

TEST(Archive, BlockReachingPastTheEndOfTheArchiveRefusesTheArchive) {
  // The reader would reserve what a header declares; no member is served
  // from an archive that lies about its sizes.
  std::vector<unsigned char> bytes =
      buildRarArchive({textMember("a.txt", "first"), textMember("b.txt", "second")});
  const std::size_t name = std::string(bytes.begin(), bytes.end()).find("b.txt");
  ASSERT_NE(name, std::string::npos);
  const std::size_t header = name - 32;  // 7 bytes of block head, 25 of file fields
  bytes[header + 10] = 0x7F;             // packed size 2 GB and more
  const std::size_t headerSize = bytes[header + 5] | bytes[header + 6] << 8;
  const std::uint32_t crc = crc32(&bytes[header + 2], headerSize - 2);
  bytes[header] = std::uint8_t(crc);
  bytes[header + 1] = std::uint8_t(crc >> 8);

  const std::string previous = dataArchivePath();
  setDataArchiveMemory(bytes.data(), bytes.size());
  DataFile file;
  EXPECT_EQ(file.open("a.txt"), 0);
  EXPECT_EQ(file.open("b.txt"), 0);
  setDataArchivePath(previous.c_str());
}
