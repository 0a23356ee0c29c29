#pragma once
// Runs the built ostravel-cli as a separate program and collects what it printed.

#include <string>
#include <vector>

struct CliRun {
  int status = -1;  // exit status, -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs `program` with `args` (no shell interpretation of the arguments); stdout and stderr go
// through files in `scratchDir`. Standard input is not a terminal.
CliRun RunCli(const std::string& program, const std::vector<std::string>& args,
              const std::string& scratchDir);
