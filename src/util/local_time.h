#pragma once
// The local wall clock, in the forms the program stores.

#include <chrono>
#include <string>

std::chrono::year_month_day LocalToday();

// A moment of the local wall clock, to the second.
struct LocalDateTime {
  std::chrono::year_month_day date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalDateTime LocalNow();

// The local date and time `days` days before now, as "yyyymmddhhnnss".
std::string LocalTimeStampDaysAgo(int days);
