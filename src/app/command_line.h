#pragma once
// The window's command line: "AUTO" [preset [race day]] runs the legacy conversion at once and
// closes the program when it succeeds; "FTP=ON" enables the FTP upload and opens the timer page.

#include "app/run_outcome.h"

#include <string>
#include <vector>

class TAppCore;

struct CommandLineStart {
  enum class Mode { None, Auto, Ftp };
  Mode mode = Mode::None;
  int preset = 0;     // "AUTO": 1 to 3 applies that one-click preset
  int raceDay = 0;    // "AUTO": n from 1 selects race day n
  std::string error;  // a number outside 0..255; no run starts
};

// Reads the arguments after the program name. A number that is not one counts as 0.
CommandLineStart ParseCommandLine(const std::vector<std::string>& args);

// What the window does when it is first shown: with "AUTO", the legacy page, the preset, the race
// day and StartRun; with "FTP=ON", FtpEnabled and the timer page. Not started unless "AUTO" ran.
RunOutcome ActOnCommandLine(TAppCore& core, const CommandLineStart& start);
