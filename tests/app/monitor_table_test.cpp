#include "app/monitor_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct FakeAdapter {
  std::uint32_t flags;
  AdapterMode mode;
  std::string monitor;  // empty: no monitor attached
};

class FakeDevices : public DisplayDevices {
 public:
  std::vector<FakeAdapter> adapters;
  std::vector<DisplayRect> askedRects;

  bool adapter(std::uint32_t index, AdapterInfo& info) override {
    if (index >= adapters.size()) return false;
    std::snprintf(info.deviceName, sizeof info.deviceName, "\\\\.\\DISPLAY%u", index + 1);
    std::snprintf(info.description, sizeof info.description, "Adapter %u", index);
    info.stateFlags = adapters[index].flags;
    return true;
  }
  bool firstMonitorDescription(const char* adapterName, char (&description)[128]) override {
    const FakeAdapter& a = adapters[indexOf(adapterName)];
    if (a.monitor.empty()) return false;
    std::snprintf(description, sizeof description, "%s", a.monitor.c_str());
    return true;
  }
  bool currentMode(const char* adapterName, AdapterMode& mode) override {
    mode = adapters[indexOf(adapterName)].mode;
    return true;
  }
  void* monitorFromRect(const DisplayRect& rect) override {
    askedRects.push_back(rect);
    return reinterpret_cast<void*>(std::uintptr_t(askedRects.size()));
  }

 private:
  static std::size_t indexOf(const char* name) {
    return std::size_t(std::atoi(name + std::strlen("\\\\.\\DISPLAY")) - 1);
  }
};

constexpr std::uint32_t kDesktop = kAttachedToDesktop;

TEST(MonitorTable, PrimaryAtOriginOthersAtTheirDesktopPosition) {
  FakeDevices devices;
  devices.adapters = {{kDesktop | kPrimaryDevice, {500, 500, 1024, 768}, "Main screen"},
                      {kDesktop, {1024, -100, 1280, 1024}, "Side screen"},
                      {0, {0, 0, 800, 600}, ""}};
  MonitorTable table;
  fillMonitorTable(table, devices);
  ASSERT_EQ(table.count, 3u);

  const MonitorEntry& primary = table.rows[0];
  EXPECT_STREQ(primary.adapterDescription, "Adapter 0");
  EXPECT_STREQ(primary.monitorDescription, "Main screen");
  EXPECT_EQ(primary.desktopRect.left, 0);
  EXPECT_EQ(primary.desktopRect.top, 0);
  EXPECT_EQ(primary.desktopRect.right, 1024);
  EXPECT_EQ(primary.desktopRect.bottom, 768);
  EXPECT_NE(primary.monitor, nullptr);

  const MonitorEntry& side = table.rows[1];
  EXPECT_EQ(side.desktopRect.left, 1024);
  EXPECT_EQ(side.desktopRect.top, -100);
  EXPECT_EQ(side.desktopRect.right, 2304);
  EXPECT_EQ(side.desktopRect.bottom, 924);
  EXPECT_NE(side.monitor, nullptr);

  // Not on the desktop: a row all the same, inactive, with no monitor text.
  const MonitorEntry& off = table.rows[2];
  EXPECT_EQ(off.monitor, nullptr);
  EXPECT_STREQ(off.monitorDescription, "");
  EXPECT_EQ(off.desktopRect.right, 0);
  EXPECT_EQ(devices.askedRects.size(), 2u);
}

TEST(MonitorTable, MirrorsTakeNoRowAndNineRowsAtMost) {
  FakeDevices devices;
  devices.adapters.push_back({kMirroringDriver | kDesktop, {0, 0, 640, 480}, "mirror"});
  for (int i = 0; i < 10; ++i) devices.adapters.push_back({kDesktop, {i * 100, 0, 100, 100}, "m"});
  MonitorTable table;
  table.rows[0].window = &table;  // rows are cleared before they are written
  fillMonitorTable(table, devices);
  ASSERT_EQ(table.count, 9u);
  EXPECT_STREQ(table.rows[0].adapterDescription, "Adapter 1");
  EXPECT_EQ(table.rows[0].window, nullptr);
  EXPECT_STREQ(table.rows[8].adapterDescription, "Adapter 9");
  EXPECT_EQ(table.rows[8].desktopRect.left, 800);
}

// A view a monitor, the primary's first, in the spanning window's pixels
// counted from its bottom-left corner; a clone of a monitor gets none.
TEST(MonitorTable, ViewsOverMonitorsLeftOfAndAboveThePrimary) {
  FakeDevices devices;
  devices.adapters = {{kDesktop, {-1280, 200, 1280, 1024}, "left"},
                      {kDesktop | kPrimaryDevice, {0, 0, 1920, 1080}, "primary"},
                      {0, {0, 0, 800, 600}, ""},
                      {kDesktop, {0, -900, 1600, 900}, "above"},
                      {kDesktop, {-1280, 200, 1280, 1024}, "clone of left"}};
  MonitorTable table;
  fillMonitorTable(table, devices);
  std::size_t primary = 9;
  const std::vector<DesktopRect> monitors = activeMonitors(table, primary);
  ASSERT_EQ(monitors.size(), 4u);
  EXPECT_EQ(primary, 1u);

  const DesktopRect window = coveringRect(monitors);
  EXPECT_EQ(window.x, -1280);
  EXPECT_EQ(window.y, -900);
  EXPECT_EQ(window.width, 3200u);
  EXPECT_EQ(window.height, 2124u);

  const std::vector<ViewRect> views = viewsInWindow(monitors, primary, window);
  ASSERT_EQ(views.size(), 3u);
  auto expectView = [](const ViewRect& v, int x, int y, unsigned w, unsigned h) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.width, w);
    EXPECT_EQ(v.height, h);
  };
  expectView(views[0], 1280, 144, 1920, 1080);
  expectView(views[1], 0, 0, 1280, 1024);
  expectView(views[2], 1280, 1224, 1600, 900);

  // A window on the primary alone shows only the primary.
  const std::vector<ViewRect> alone = viewsInWindow(monitors, primary, monitors[primary]);
  ASSERT_EQ(alone.size(), 1u);
  expectView(alone[0], 0, 0, 1920, 1080);
}

TEST(MonitorTable, NoAdaptersLeaveAnEmptyTable) {
  FakeDevices devices;
  MonitorTable table;
  table.count = 4;
  fillMonitorTable(table, devices);
  EXPECT_EQ(table.count, 0u);
}

}  // namespace
