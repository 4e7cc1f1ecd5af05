#pragma once
// win_monitors.h -- the monitor table filled from the multi-monitor functions, when the system has them

#include "app/monitor_table.h"

// True when USER32 has all seven multi-monitor functions and the virtual
// screen is at least as large as the primary one; looked up once.
bool multiMonitorFunctionsAvailable();

// Fills the table from the platform's display adapters; empty when the
// multi-monitor functions are missing.
void enumerateMonitors(MonitorTable& table);
