#include "app/win_monitors.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(WindowsMonitors, ThePrimaryDisplayIsAnActiveRowAtTheOrigin) {
  ASSERT_TRUE(multiMonitorFunctionsAvailable());
  MonitorTable table;
  enumerateMonitors(table);
  ASSERT_GE(table.count, 1u);
  ASSERT_LE(table.count, kMaxMonitors);
  const MonitorEntry* primary = nullptr;
  for (std::uint32_t i = 0; i < table.count && !primary; ++i)
    if (table.rows[i].monitor && table.rows[i].desktopRect.left == 0 && table.rows[i].desktopRect.top == 0)
      primary = &table.rows[i];
  ASSERT_NE(primary, nullptr);
  EXPECT_EQ(primary->desktopRect.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(primary->desktopRect.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_NE(primary->adapterDescription[0], '\0');
  EXPECT_EQ(primary->window, nullptr);
}

}  // namespace
