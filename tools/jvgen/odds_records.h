#pragma once
// Odds (O1 to O6) and vote counts (H1, H6) of a race from its market.

#include "market.h"

#include <string>

struct OddsMoment {
  char dataKind = '5';  // 1 intermediate, 2 last of the day before, 3 final, 4 confirmed, 5 Monday
  int madeDay = 0;
  int announcedDay = 0;
  int announcedTime = 0;  // hhmm
};

std::string OddsRecord(int kind, const Race& race, const Market& market, const OddsMoment& moment);  // kind 1 .. 6
std::string H1Record(const World& world, const Race& race, const Market& market, char dataKind, int madeDay);
std::string H6Record(const World& world, const Race& race, const Market& market, char dataKind, int madeDay);
