#pragma once
// Validates a store: every record has exactly the length of its type with CR LF, belongs to its
// data kind, carries well-formed dates, times and race keys, and the records agree with each
// other (results and payouts, this week's runners and their masters, past runs and their races,
// registrations and their counts, race days and the schedule). Stops at the first fault.

#include <string>

struct CheckResult {
  bool ok = true;
  std::string fault;  // "<file>:<line>: <what>", relative to the store
  long long files = 0;
  long long records = 0;
};

CheckResult CheckStore(const std::string& dir);
