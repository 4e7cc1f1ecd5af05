// host.cpp -- the installed host and the defaults every host may keep
#include "host/host.h"

#include <ctime>

namespace {

Host quietHost;
Host* installed = &quietHost;

}  // namespace

LocalTime Host::localTime() {
  const std::time_t now = std::time(nullptr);
  const std::tm* t = std::localtime(&now);
  if (!t) return {0, 0, 0};
  return {t->tm_hour, t->tm_min, t->tm_sec};
}

Host& host() { return *installed; }

void setHost(Host* next) { installed = next ? next : &quietHost; }
