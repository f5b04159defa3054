#pragma once

#include "framework/text/TextFunctions.h"

// The chart service's host as it goes into the address, with ":port" for another port than
// 80. At first the build setting VEMO_CHART_HOST.
fw::String ChartHost();

// Points chart requests at another host (tests use "127.0.0.1:<port>"); gives back the host
// it replaces.
fw::String SetChartHost(const fw::String& host);
