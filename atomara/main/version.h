#pragma once

namespace atomara {

constexpr const char* kApplicationTitle = "Atomara";
constexpr const char* kMainCaption = "Atomara v1.7";
constexpr const char* kVersionText = "Atomara - 32bit - Version 1.7";
constexpr const char* kHelpFileName = "atomara.hlp";
constexpr const char* kSettingsFileName = "atomara.ini";

// Help topics by window.
namespace help {
constexpr int MainWindow = 1;
constexpr int Options = 2;
constexpr int ElementInfo = 3;
constexpr int FindElement = 4;
constexpr int SetTemperature = 5;
constexpr int TrendGraph = 6;
constexpr int About = 7;
} // namespace help

} // namespace atomara
