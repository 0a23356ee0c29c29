#pragma once
// The local wall clock, in the forms the program stores.

#include <chrono>
#include <string>

std::chrono::year_month_day LocalToday();

// The local date and time `days` days before now, as "yyyymmddhhnnss".
std::string LocalTimeStampDaysAgo(int days);
