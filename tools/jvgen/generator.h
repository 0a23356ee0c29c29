#pragma once
// Writes a whole sample store: the simulated world cut into every data kind.

#include "store_writer.h"

#include <cstdint>
#include <string>

struct GeneratorOptions {
  std::string outDir;
  int today = 0;          // day number of the as-of date
  int minuteOfDay = 0;    // the as-of time
  std::uint64_t seed = 1;
  int scale = 1;          // weeks of race history before the store's week, and more
};

struct GeneratorReport {
  int weekStart = 0;  // the store's ThisWeekFrom
  StoreTotals totals;
};

GeneratorReport GenerateStore(const GeneratorOptions& options);
