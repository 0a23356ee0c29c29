// Real-time answers for every race day and race of the store's week: results and payouts, race
// cards, horse weights, news of the day, forecasts, votes, odds and their time series, WIN5.

#include "jv_fields.h"
#include "market.h"
#include "odds_records.h"
#include "other_records.h"
#include "race_records.h"
#include "store_plan.h"
#include "util/fixed_width.h"

#include <map>

namespace {

// yyyymmddJJRR
std::string RaceKey(const Race& race) {
  return Yyyymmdd(race.day) + ZeroPadded(static_cast<unsigned long long>(race.meeting.course), 2) +
         ZeroPadded(static_cast<unsigned long long>(race.program.raceNo), 2);
}

int Minus(int hhmm, int minutes) {
  int m = hhmm / 100 * 60 + hhmm % 100 - minutes;
  return m / 60 * 100 + m % 60;
}

// News of a course-day: the morning report of weather and going, a change when the weather
// turned, and per race the scratches, jockey changes and start-time changes.
struct DayNews {
  std::map<int, std::vector<std::string>> byCourse;  // WE by course code
  std::map<int, std::vector<std::string>> byRace;    // AV, JC, TC by race index
};

DayNews NewsOf(const World& w, const std::vector<int>& races) {
  DayNews news;
  std::map<int, const Race*> firstOfCourse;
  for (int index : races) {
    const Race& race = w.races[static_cast<std::size_t>(index)];
    Going now{race.weather, race.goingTurf, race.goingDirt};
    auto found = firstOfCourse.find(race.meeting.course);
    if (found == firstOfCourse.end()) {
      firstOfCourse[race.meeting.course] = &race;
      news.byCourse[race.meeting.course].push_back(WeRecord(race.day, race.meeting, 800, 1, now, now));
    } else {
      const Race& first = *found->second;
      Going before{first.weather, first.goingTurf, first.goingDirt};
      if (race.program.raceNo == 7 && before.weather != now.weather) {
        news.byCourse[race.meeting.course].push_back(WeRecord(race.day, race.meeting, Minus(race.startTime, 30), 2, now, before));
      }
    }
    std::vector<std::string>& items = news.byRace[index];
    for (int e : race.field) {
      const Entrant& entrant = EntrantAt(w, e);
      if (entrant.abnormality == 1) items.push_back(AvRecord(w, race, entrant, 830));
      if (entrant.prevJockey >= 0) items.push_back(JcRecord(w, race, entrant, 900));
    }
    if (race.prevStartTime) items.push_back(TcRecord(race, Minus(race.prevStartTime, 20)));
  }
  return news;
}

void WriteRaceAnswers(StoreContext& ctx, int index, const DayNews& news) {
  const World& w = ctx.world;
  const Race& race = w.races[static_cast<std::size_t>(index)];
  std::string key = RaceKey(race);
  std::vector<double> final = FinalProbabilities(w, race);
  Market m = BuildMarket(w, race, final, 1.0, MarketKind::Final);

  std::vector<std::string> news16 = news.byCourse.at(race.meeting.course);
  const std::vector<std::string>& items = news.byRace.at(index);
  news16.insert(news16.end(), items.begin(), items.end());
  ctx.out.realtime("0B16", key, news16);

  ctx.out.realtime("0B20", key, {H1Record(w, race, m, '4', race.day), H6Record(w, race, m, '4', race.day)});

  OddsMoment confirmed{'4', race.day, race.day, Minus(race.startTime, -8)};
  std::vector<std::string> all;
  for (int k = 1; k <= 6; ++k) {
    std::string record = OddsRecord(k, race, m, confirmed);
    ctx.out.realtime("0B3" + std::to_string(k), key, {record});
    all.push_back(record);
  }
  if (race.program.raceNo == 12) {
    // The last race asked early in the day: trio and trifecta are not on sale yet.
    Market early = BuildMarket(w, race, Drifted(final, Mix(w.seed, static_cast<std::uint64_t>(index) * 3), 0.3), 0.2, MarketKind::WinToExacta);
    OddsMoment morning{'1', race.day, race.day, 1005};
    all.clear();
    for (int k = 1; k <= 4; ++k) all.push_back(OddsRecord(k, race, early, morning));
  }
  ctx.out.realtime("0B30", key, all);

  // Time series: snapshots every half hour until the close, then the final odds.
  std::vector<std::string> series1, series2;
  const int snapshots[] = {150, 120, 90, 60, 30, 10};
  for (std::size_t i = 0; i < std::size(snapshots); ++i) {
    double share = 0.15 + 0.14 * static_cast<double>(i);
    Market snap = BuildMarket(w, race, Drifted(final, Mix(w.seed, static_cast<std::uint64_t>(index) * 16 + i), 0.3 / static_cast<double>(i + 1)),
                              share, MarketKind::WinToExacta);
    OddsMoment moment{'1', race.day, race.day, Minus(race.startTime, snapshots[i])};
    series1.push_back(OddsRecord(1, race, snap, moment));
    series2.push_back(OddsRecord(2, race, snap, moment));
  }
  OddsMoment close{'3', race.day, race.day, race.startTime};
  series1.push_back(OddsRecord(1, race, m, close));
  series2.push_back(OddsRecord(2, race, m, close));
  ctx.out.realtime("0B41", key, series1);
  ctx.out.realtime("0B42", key, series2);
}

}  // namespace

void WriteRealtime(StoreContext& ctx) {
  const World& w = ctx.world;
  for (const RaceDay& day : w.calendar.between(ctx.weekStart(), w.weekEnd())) {
    std::vector<int> races = w.racesBetween(day.day, day.day);
    std::string key = Yyyymmdd(day.day);
    std::vector<std::string> wh, results, cards, dm, tm, news14;
    DayNews news = NewsOf(w, races);
    for (const auto& [course, reports] : news.byCourse) news14.insert(news14.end(), reports.begin(), reports.end());
    for (int index : races) {
      const Race& race = w.races[static_cast<std::size_t>(index)];
      wh.push_back(WhRecord(w, race, day.day));
      results.push_back(RaRecord(w, race, Stage::Result, '6', day.day));
      for (int e : race.field) results.push_back(SeRecord(w, race, EntrantAt(w, e), Stage::Result, '6', day.day));
      results.push_back(HrRecord(w, race, BuildMarket(w, race, FinalProbabilities(w, race), 1.0, MarketKind::Final), '1', day.day));
      cards.push_back(RaRecord(w, race, Stage::Card, '2', CardDay(day.day)));
      for (int e : race.field) cards.push_back(SeRecord(w, race, EntrantAt(w, e), Stage::Card, '2', CardDay(day.day)));
      dm.push_back(DmRecord(w, race, '2', day.day, 900));
      tm.push_back(TmRecord(w, race, '2', day.day, 900));
      const std::vector<std::string>& items = news.byRace.at(index);
      news14.insert(news14.end(), items.begin(), items.end());
      WriteRaceAnswers(ctx, index, news);
    }
    ctx.out.realtime("0B11", key, wh);
    ctx.out.realtime("0B12", key, results);
    ctx.out.realtime("0B13", key, dm);
    ctx.out.realtime("0B14", key, news14);
    ctx.out.realtime("0B15", key, cards);
    ctx.out.realtime("0B17", key, tm);
    std::vector<int> legs = Win5Legs(w, races);
    if (Weekday(day.day) == 0 && !legs.empty()) ctx.out.realtime("0B51", key, {WfRecord(w, legs, '1', day.day)});
  }
}
