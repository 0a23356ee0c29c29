#pragma once
// The switch date: the day on which the current racing week began, from a weekday and a time of
// day (with the defaults, every Thursday at 18:30).

#include "util/local_time.h"

#include <string>

constexpr int kDefaultKijunYobi = 5;  // Thursday; 1 = Sunday … 7 = Saturday
constexpr int kKijunDateFailed = 90;

bool IsValidKijunYobi(int kijunYobi);

// 0 with `kijunDate` set to "yyyymmdd", or 90 when the hour or minute is out of range
// (`kijunDate` unchanged). On the switch weekday the switch happens at hour:minute; on any other
// day the week began on the latest earlier switch weekday. A weekday outside 1..7 counts as the
// default Thursday.
int CalcKijunDate(const LocalDateTime& now, int kijunYobi, int kijunHH, int kijunNN,
                  std::string& kijunDate);
