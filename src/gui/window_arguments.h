#pragma once
// The command line of the window program: --home DIR, --store DIR and --screenshots DIR anywhere,
// the rest kept in order for the window ("AUTO" [preset [race day]], "FTP=ON").

#include <optional>
#include <string>
#include <vector>

struct WindowArguments {
  std::optional<std::string> home;         // the program folder (settings, work folders)
  std::optional<std::string> store;        // the JV-Link emulator's store
  std::optional<std::string> screenshots;  // render every window into this folder and end
  std::vector<std::string> window;
  std::string error;  // an unknown option or one without its value
};

WindowArguments ParseWindowArguments(const std::vector<std::string>& args);
