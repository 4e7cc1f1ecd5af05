#pragma once
// folder_watch.h -- notices when the files under a folder have changed and then stayed still

#include <chrono>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

// Watches the files under a folder (hidden ones left out: editors keep
// their swap files there) by their sizes and modification times.
class FolderWatch {
 public:
  using Clock = std::chrono::steady_clock;

  // Looks at the files this often, and calls a change complete once they
  // have stayed as they are this long.
  static constexpr std::chrono::milliseconds kPollPeriod{100};
  static constexpr std::chrono::milliseconds kSettleTime{300};

  // The files as they are now are the state already seen.
  explicit FolderWatch(std::string folder);

  // Call often. True once when the files differ from the state last seen
  // and have not changed for kSettleTime; that state is then the one seen.
  bool changedAndSettled(Clock::time_point now = Clock::now());

 private:
  using State = std::vector<std::tuple<std::string, std::uintmax_t, std::int64_t>>;
  State look() const;

  std::string folder_;
  State seen_;
  State last_;
  Clock::time_point lastLook_;
  Clock::time_point lastChange_;
};
