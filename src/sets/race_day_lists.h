#pragma once
// What the race-day lists of the legacy and real-time pages show: the display texts of the first
// four race days of the schedule. Item i of either list is race day i.

#include <string>
#include <vector>

class TSchedule;

constexpr int kRaceDayListItems = 4;

std::vector<std::string> FillRaceDayLists(const TSchedule& schedule);
