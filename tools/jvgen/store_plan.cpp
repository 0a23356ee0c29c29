#include "store_plan.h"

#include "jv_fields.h"
#include "race_records.h"

#include <algorithm>
#include <map>

bool StoreContext::published(int day, int hhmm) const {
  return day < asOfDay || (day == asOfDay && (hhmm / 100) * 60 + hhmm % 100 <= asOfMinute);
}

void StoreContext::stored(std::string_view kind, int dataDay, int madeDay, int hhmm,
                          const std::vector<std::string>& records) {
  if (published(madeDay, hhmm)) out.stored(kind, dataDay, StampText(madeDay, hhmm / 100, hhmm % 100), records);
}

std::vector<int> StoreContext::weekRaces(int history) const {
  int start = world.weekStart - 7 * history;
  return world.racesBetween(start, start + 6);
}

std::vector<int> StoreContext::weekHorses() const {
  std::set<int> horses;
  for (int index : weekRaces(0)) {
    const Race& race = world.races[static_cast<std::size_t>(index)];
    for (int e : race.field) horses.insert(EntrantAt(world, e).horse);
    for (int e : race.withdrawn) horses.insert(EntrantAt(world, e).horse);
  }
  std::vector<int> out(horses.begin(), horses.end());
  std::sort(out.begin(), out.end(), [&](int a, int b) {
    return world.horses[static_cast<std::size_t>(a)].regNo < world.horses[static_cast<std::size_t>(b)].regNo;
  });
  return out;
}

int ResultsDay(const World& world, int day) {
  int next = day + 1;
  while (world.calendar.find(next)) ++next;
  return next;
}

int EntriesDay(int weekStart, int day) { return std::min(std::max(weekStart, day - 3), day - 2); }

int CardDay(int day) { return day - 1; }

void AppendPastRuns(const World& world, const std::vector<int>& horses, int cutoffDay,
                    std::vector<std::string>& ra, std::vector<std::string>& se) {
  std::set<int> races;
  std::vector<std::pair<std::string, std::string>> seByKey;
  for (int id : horses) {
    const Horse& h = world.horses[static_cast<std::size_t>(id)];
    for (int e : h.runs) {
      const Entrant& entrant = EntrantAt(world, e);
      const Race& race = world.races[static_cast<std::size_t>(entrant.race)];
      if (race.day >= cutoffDay) continue;
      races.insert(entrant.race);
      std::string record = SeRecord(world, race, entrant, Stage::Result, '7', ResultsDay(world, race.day));
      seByKey.emplace_back(record.substr(11, 19) + h.regNo, std::move(record));
    }
  }
  std::vector<std::pair<std::string, std::string>> raByKey;
  for (int index : races) {
    const Race& race = world.races[static_cast<std::size_t>(index)];
    std::string record = RaRecord(world, race, Stage::Result, '7', ResultsDay(world, race.day));
    raByKey.emplace_back(record.substr(11, 16), std::move(record));
  }
  std::sort(raByKey.begin(), raByKey.end());
  std::sort(seByKey.begin(), seByKey.end());
  for (auto& [key, record] : raByKey) ra.push_back(std::move(record));
  for (auto& [key, record] : seByKey) se.push_back(std::move(record));
}
