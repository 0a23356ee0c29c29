#pragma once
// What the race-day lists of the legacy and real-time pages show (FillRaceDayLists): the display
// texts of the first four race days of the schedule. Item i of either list is race day i.

#include <string>
#include <vector>

class TSchedule;

constexpr int kRaceDayListLimit = 4;

std::vector<std::string> RaceDayListItems(const TSchedule& schedule);
