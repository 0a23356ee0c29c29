#include "sets/race_day_lists.h"

#include "sets/schedule.h"

std::vector<std::string> RaceDayListItems(const TSchedule& schedule) {
  std::vector<std::string> items;
  for (int d = 0; d < kRaceDayListLimit; ++d) {
    std::string text = schedule.GetDateText(d);
    if (!text.empty()) items.push_back(text);
  }
  return items;
}
