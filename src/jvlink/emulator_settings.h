#pragma once
// The JV-Link emulator's own settings, kept in "jvlink-emulator.ini" in the program folder
// (a profile file, code page 932, CR LF):
//   [Emulator]
//   StoreDir=<folder of the store>
//   Pace=<files downloaded per JVStatus poll; 0 downloads everything at the first poll>

#include <string>

constexpr const char* kEmulatorSettingsFile = "jvlink-emulator.ini";
constexpr int kDefaultDownloadPace = 20;

struct EmulatorSettings {
  std::string storeDir;  // UTF-8 path; empty: the folder "store" in the program folder
  int pace = kDefaultDownloadPace;
};

// Missing file, keys or unusable values give the defaults.
EmulatorSettings LoadEmulatorSettings(const std::string& programDir);
bool SaveEmulatorSettings(const std::string& programDir, const EmulatorSettings& settings);
