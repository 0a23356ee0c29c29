#pragma once
// What became of a start: refused before anything ran (a message was shown, nothing logged), or
// run with the work's result code.

#include "util/result_codes.h"

struct RunOutcome {
  bool started = false;
  int result = kResultOk;

  static RunOutcome Refused() { return {}; }
  static RunOutcome Ran(int result) { return {true, result}; }
  bool Succeeded() const { return started && result == kResultOk; }
};
