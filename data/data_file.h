#pragma once
// data_file.h -- one archive member in memory, read as bytes or lines

#include <cstddef>
#include <cstdint>

// One archive member loaded whole into memory and read as a byte stream.
// Reads never go past the data: bytes beyond the end leave the destination
// unchanged, although the position still advances.
class DataFile {
 public:
  char name[100] = {};
  unsigned char* data = nullptr;
  std::uint32_t size = 0;
  std::uint32_t position = 0;
  std::uint32_t line = 0;  // text lines read so far: the number of the last one

  DataFile() = default;
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;
  virtual ~DataFile();

  // Extracts the member from the data archive; nonzero on success.
  int open(const char* member);
  void close();

  bool pastEnd() const { return position > size; }
  void read(void* dest, std::uint32_t count);
  void readGuarded(void* dest, std::uint32_t count);
  // origin 0: from the start, 1: from the position, 2: back from the end.
  void seek(std::int32_t offset, int origin);

  // Reads the next text line: leading spaces dropped, carriage returns
  // removed, the line feed consumed; cut to fit the buffer (with a warning
  // to the host). Returns !pastEnd() afterwards.
  bool readLine(char* buffer, std::size_t capacity);
  template <std::size_t N>
  bool readLine(char (&buffer)[N]) {
    return readLine(buffer, N);
  }
};

// Text lines are read into buffers of this size (127 characters at most).
constexpr std::size_t kLineCapacity = 128;

// Shared by the object-file loader and every per-kind parser.
extern DataFile objectFileReader;
