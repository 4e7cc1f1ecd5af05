// data_file.cpp -- one archive member in memory, read as bytes or lines
#include "data/data_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "data/archive.h"
#include "host/host.h"

DataFile objectFileReader;

namespace {

std::uint32_t advanced(std::uint32_t position, std::int64_t by) {
  const std::int64_t p = std::int64_t(position) + by;
  if (p < 0) return 0;
  if (p > std::int64_t(UINT32_MAX)) return UINT32_MAX;
  return std::uint32_t(p);
}

}  // namespace

DataFile::~DataFile() { close(); }

int DataFile::open(const char* member) {
  std::strncpy(name, member, sizeof name - 1);
  name[sizeof name - 1] = '\0';
  close();
  return extractMember(member, data, size) ? 1 : 0;
}

void DataFile::close() {
  std::free(data);
  data = nullptr;
  size = 0;
  position = 0;
  line = 0;
}

void DataFile::read(void* dest, std::uint32_t count) {
  if (count == 0) return;
  if (position < size) {
    const std::uint32_t available = size - position;
    std::memcpy(dest, data + position, count < available ? count : available);
  }
  position = advanced(position, count);
}

void DataFile::readGuarded(void* dest, std::uint32_t count) {
  if (!pastEnd()) read(dest, count);
}

void DataFile::seek(std::int32_t offset, int origin) {
  switch (origin) {
    case 0: position = advanced(0, offset); break;
    case 1: position = advanced(position, offset); break;
    case 2: position = advanced(size, -std::int64_t(offset)); break;
    default: break;
  }
}

bool DataFile::readLine(char* buffer, std::size_t capacity) {
  std::size_t length = 0;
  bool cut = false;
  if (capacity > 0) buffer[0] = '\0';
  if (position < size) ++line;
  char c = '\0';
  read(&c, 1);
  while (c == ' ' && !pastEnd()) {
    c = '\0';
    read(&c, 1);
  }
  while (c != '\n' && !pastEnd()) {
    if (c != '\r') {
      if (length + 1 < capacity)
        buffer[length++] = c;
      else
        cut = true;
    }
    c = '\0';
    read(&c, 1);
  }
  if (capacity > 0) buffer[length] = '\0';
  if (cut) {
    char message[80];
    std::snprintf(message, sizeof message, "the line is longer than %u characters: the rest is cut",
                  unsigned(capacity - 1));
    host().dataProblem(ProblemLevel::kWarning, name, line, message);
  }
  return !pastEnd();
}
