// YSCH, the yearly schedule with its weekly updates, and the small data kinds: BLDN, SLOP, SNPN,
// HOSN, HOYU, COMM and MING.

#include "jv_fields.h"
#include "other_records.h"
#include "rng.h"
#include "store_plan.h"

#include <map>
#include <set>

namespace {

std::vector<std::string> ScheduleOf(const World& w, const std::vector<RaceDay>& days, char kind, int madeDay) {
  std::vector<std::string> records;
  for (const RaceDay& day : days) {
    for (int slot = 0; slot < static_cast<int>(day.courses.size()); ++slot) records.push_back(YsRecord(w, day, slot, kind, madeDay));
  }
  return records;
}

// Runners of the week's main races (11R).
std::vector<std::pair<int, int>> MainRaceRunners(const StoreContext& ctx) {
  std::vector<std::pair<int, int>> out;  // race index, entrant index
  for (int index : ctx.weekRaces(0)) {
    const Race& race = ctx.world.races[static_cast<std::size_t>(index)];
    if (race.program.raceNo != 11) continue;
    for (int e : race.field) out.emplace_back(index, e);
  }
  return out;
}

}  // namespace

void WriteSchedule(StoreContext& ctx) {
  const World& w = ctx.world;
  int year = ToYmd(ctx.asOfDay).y;
  // The year's schedule, published in December, for this year and, once out, the next.
  for (int y : {year, year + 1}) {
    int made = DayNumber(y - 1, 12, 10);
    if (!ctx.published(made, 1000)) continue;
    const std::vector<RaceDay>& days = w.calendar.year(y);
    ctx.stored("YSCH", days.front().day, made, 1000, ScheduleOf(w, days, '1', made));
  }
  // Weekly updates on the Monday before each run of race days, from December to the next January.
  std::vector<RaceDay> days = w.calendar.between(DayNumber(year - 1, 12, 1), DayNumber(year + 1, 1, 31));
  for (std::size_t i = 0; i < days.size();) {
    std::size_t end = i + 1;
    while (end < days.size() && days[end].day - days[end - 1].day == 1) ++end;
    std::vector<RaceDay> group(days.begin() + static_cast<long>(i), days.begin() + static_cast<long>(end));
    int made = group.front().day - 5;
    if (ctx.published(made, 1500)) ctx.stored("YSCH", group.front().day, made, 1500, ScheduleOf(w, group, '2', made));
    i = end;
  }
}

void WriteSmallKinds(StoreContext& ctx) {
  const World& w = ctx.world;
  const int made = ctx.weekStart() - 1;  // the Wednesday before the week
  std::vector<int> horses = ctx.weekHorses();
  std::vector<std::pair<int, int>> mainRunners = MainRaceRunners(ctx);

  // BLDN: the sires with their lines, and the foals and dams of the main races' runners.
  std::vector<std::string> hn, sk, bt;
  for (std::size_t i = 0; i < w.stallions.size(); ++i) {
    const Stallion& s = w.stallions[i];
    hn.push_back(HnRecord(s.self, s.sire, s.dam, 1, ToYmd(made).y - 10 - static_cast<int>(i % 12), '1', made));
    if (i < 10) bt.push_back(BtRecord(s, static_cast<int>(i), '1', made));
  }
  for (const auto& [race, e] : mainRunners) {
    const Horse& h = HorseOf(w, EntrantAt(w, e));
    DamLine dams = DamLineOf(h);
    hn.push_back(HnRecord(dams.dam, w.stallions[static_cast<std::size_t>(h.damSire)].self, dams.damDam, 2, h.birthYear - 6, '1', made));
    sk.push_back(SkRecord(w, h, '1', made));
  }
  for (const auto* records : {&hn, &sk, &bt}) ctx.stored("BLDN", made, made, 1200, *records);

  // SLOP: slope works of the week's runners on the Sunday before and on Wednesday.
  for (int day : {ctx.weekStart() - 4, ctx.weekStart() - 1}) {
    std::vector<std::string> hc;
    for (int id : horses) {
      const Horse& h = w.horses[static_cast<std::size_t>(id)];
      if ((h.id + day) % 3 == 0) continue;
      hc.push_back(HcRecord(w, h, day, 600 + (h.id % 90) / 15 * 100 + h.id % 60, Mix(static_cast<std::uint64_t>(day), static_cast<std::uint64_t>(id)), day));
    }
    ctx.stored("SLOP", day, day, 1800, hc);
  }

  // SNPN: statistics of the main races' runners, with the entries of their race day.
  std::map<int, std::vector<std::string>> ckByEntries;
  std::map<int, int> firstDayByEntries;
  for (const auto& [index, e] : mainRunners) {
    const Race& race = w.races[static_cast<std::size_t>(index)];
    int entries = EntriesDay(ctx.weekStart(), race.day);
    ckByEntries[entries].push_back(CkRecord(w, race, EntrantAt(w, e), '1', entries));
    firstDayByEntries.emplace(entries, race.day);
  }
  for (const auto& [entries, ck] : ckByEntries) ctx.stored("SNPN", firstDayByEntries[entries], entries, 1730, ck);

  // HOSN and HOYU: market prices of horses bought at a sale, and name origins.
  std::vector<std::string> hs, hy;
  for (int id : horses) {
    const Horse& h = w.horses[static_cast<std::size_t>(id)];
    if (h.mark == 4) hs.push_back(HsRecord(w, h, made));
    if (id % 8 == 0) hy.push_back(HyRecord(h, made));
  }
  ctx.stored("HOSN", made, made, 1200, hs);
  ctx.stored("HOYU", made, made, 1200, hy);

  // COMM: descriptions of the courses raced this week.
  std::set<int> courses;
  for (const RaceDay& day : w.calendar.between(ctx.weekStart(), w.weekEnd())) {
    for (const CourseMeeting& m : day.courses) courses.insert(m.course);
  }
  std::vector<std::string> cs;
  for (int course : courses) {
    for (int surface : {kTurf, kDirt}) {
      for (const CourseLayout& layout : CourseLayouts(course, surface)) cs.push_back(CsRecord(course, layout, made - 6));
    }
  }
  ctx.stored("COMM", made - 6, made - 6, 1200, cs);

  // MING: the day-before forecasts of each race day.
  for (const RaceDay& day : w.calendar.between(ctx.weekStart(), w.weekEnd())) {
    std::vector<std::string> dm, tm;
    for (int index : w.racesBetween(day.day, day.day)) {
      const Race& race = w.races[static_cast<std::size_t>(index)];
      dm.push_back(DmRecord(w, race, '1', day.day - 1, 1700));
      tm.push_back(TmRecord(w, race, '1', day.day - 1, 1700));
    }
    ctx.stored("MING", day.day, day.day - 1, 1700, dm);
    ctx.stored("MING", day.day, day.day - 1, 1700, tm);
  }
}
