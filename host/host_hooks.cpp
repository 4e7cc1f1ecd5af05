#include "host/host_hooks.h"

#include <ctime>

HostHooks hostHooks;

void showHostMessage(const char* text, const char* caption) {
  if (hostHooks.showMessage) hostHooks.showMessage(text, caption);
}

void sendLoadingStep() {
  if (hostHooks.loadingStep) hostHooks.loadingStep();
}

bool loadingCancelled() { return hostHooks.loadingCancelled && hostHooks.loadingCancelled(); }

LocalTime currentLocalTime() {
  if (hostHooks.localTime) return hostHooks.localTime();
  const std::time_t now = std::time(nullptr);
  const std::tm* t = std::localtime(&now);
  if (!t) return {0, 0, 0};
  return {t->tm_hour, t->tm_min, t->tm_sec};
}

void* hostProcAddress(const char* name) {
  return hostHooks.getProcAddress ? hostHooks.getProcAddress(name) : nullptr;
}

bool applyHostGammaRamp(const std::uint16_t* ramp) {
  return hostHooks.applyGammaRamp && hostHooks.applyGammaRamp(ramp);
}
