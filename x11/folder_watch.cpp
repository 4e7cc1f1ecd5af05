// folder_watch.cpp -- notices when the files under a folder have changed and then stayed still
#include "x11/folder_watch.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

FolderWatch::FolderWatch(std::string folder)
    : folder_(std::move(folder)), seen_(look()), last_(seen_), lastLook_(Clock::now()),
      lastChange_(lastLook_) {}

FolderWatch::State FolderWatch::look() const {
  State state;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder_, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.empty() && name[0] == '.') {
      if (it->is_directory(ec)) it.disable_recursion_pending();
      continue;
    }
    std::error_code fileError;
    if (!it->is_regular_file(fileError)) continue;
    const std::uintmax_t size = it->file_size(fileError);
    const auto written = it->last_write_time(fileError).time_since_epoch();
    if (fileError) continue;
    state.emplace_back(it->path().string(), size,
                       std::chrono::duration_cast<std::chrono::nanoseconds>(written).count());
  }
  std::sort(state.begin(), state.end());
  return state;
}

bool FolderWatch::changedAndSettled(Clock::time_point now) {
  if (now - lastLook_ < kPollPeriod) return false;
  lastLook_ = now;
  State current = look();
  if (current != last_) {
    last_ = std::move(current);
    lastChange_ = now;
    return false;
  }
  if (last_ == seen_ || now - lastChange_ < kSettleTime) return false;
  seen_ = last_;
  return true;
}
