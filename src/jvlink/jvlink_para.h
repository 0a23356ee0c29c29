#pragma once
// JVLINK_PARA: one JV-Link request as the caller describes it. Texts are UTF-8 (ASCII in
// practice); OutDir is a folder path.

#include <array>
#include <cstdint>
#include <string>

struct JVLINK_PARA {
  std::string DataSpec;  // stored data kind ("RACE", …) or real-time code ("0B12", …)
  std::string FromTime;  // JVOpen fromtime, "yyyymmddhhnnss"
  std::int32_t Option = 0;  // JVOpen option 1..4
  std::string Key;       // JVRTOpen key, "yyyymmdd" or "yyyymmdd" + course + race
  bool UseRecFilter = false;            // only record types in RecSpec are written
  std::array<std::string, 13> RecSpec;  // wanted record ids; empty entries match nothing
  std::string DateFrom = "00000000";    // lowest meeting date kept
  std::string DateTo = "99999999";      // highest meeting date kept
  bool StopAfterDateTo = false;  // stop at the first JV-Link file beyond DateTo's year and month
  std::string OutDir;                   // folder of the per-record files
  std::array<std::string, 5> NameParts;  // "DS", "RS", "OP", "FT", "KEY" or literal text
  std::string RtDate;                   // naming pattern 2 of real-time requests
  std::string RtJyo;
  std::string RtRace;
  std::uint8_t NamingPattern = 0;  // 1 selects naming pattern 2, anything else pattern 1
};
