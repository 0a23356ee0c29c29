// RACE: for the store's week and the weeks before it, every race day's entries, race cards,
// results, payouts, votes, odds, WIN5 and lottery exclusions.

#include "jv_fields.h"
#include "market.h"
#include "odds_records.h"
#include "race_records.h"
#include "store_plan.h"

#include <map>

namespace {

std::vector<int> RacesOn(const World& world, const std::vector<int>& races, int day) {
  std::vector<int> out;
  for (int index : races) {
    if (world.races[static_cast<std::size_t>(index)].day == day) out.push_back(index);
  }
  return out;
}

void WriteRaceDay(StoreContext& ctx, const std::vector<int>& races, int day, bool firstOfWeek, int weekStart) {
  const World& w = ctx.world;
  auto race = [&](int index) -> const Race& { return w.races[static_cast<std::size_t>(index)]; };
  const std::string kind = "RACE";

  // Thursday: the entries, with the horses a lottery left out.
  int entries = EntriesDay(weekStart, day);
  std::vector<std::string> ra, se, jg;
  for (int index : races) {
    ra.push_back(RaRecord(w, race(index), Stage::Entries, '1', entries));
    for (int e : race(index).field) se.push_back(SeRecord(w, race(index), EntrantAt(w, e), Stage::Entries, '1', entries));
    for (int e : race(index).withdrawn) se.push_back(SeRecord(w, race(index), EntrantAt(w, e), Stage::Entries, '1', entries));
    int order = race(index).registered() + 1;
    for (int horse : race(index).excluded) jg.push_back(JgRecord(w, race(index), horse, order++, entries));
  }
  for (const auto* records : {&ra, &se, &jg}) ctx.stored(kind, day, entries, 1630, *records);

  // The day before: race cards; a horse that left the entries is deleted.
  int card = CardDay(day);
  ra.clear();
  se.clear();
  for (int index : races) {
    ra.push_back(RaRecord(w, race(index), Stage::Card, '2', card));
    for (int e : race(index).field) se.push_back(SeRecord(w, race(index), EntrantAt(w, e), Stage::Card, '2', card));
    for (int e : race(index).withdrawn) se.push_back(SeRecord(w, race(index), EntrantAt(w, e), Stage::Entries, '0', card));
  }
  for (const auto* records : {&ra, &se}) ctx.stored(kind, day, card, 1000, *records);

  // The evening before a race day that is not the first of the week: the last odds of the
  // day-before sales of its main races.
  if (!firstOfWeek) {
    std::vector<std::vector<std::string>> odds(4);
    for (int index : races) {
      const Race& r = race(index);
      if (r.program.raceNo != 11 || r.cancelled) continue;
      Market m = BuildMarket(w, r, Drifted(FinalProbabilities(w, r), Mix(w.seed, static_cast<std::uint64_t>(index)), 0.25), 0.3, MarketKind::WinToExacta);
      OddsMoment moment{'2', card, card, 1700};
      for (int k = 1; k <= 4; ++k) odds[static_cast<std::size_t>(k - 1)].push_back(OddsRecord(k, r, m, moment));
    }
    for (const auto& records : odds) ctx.stored(kind, day, card, 1700, records);
  }

  // The race day: a cancelled race.
  ra.clear();
  se.clear();
  for (int index : races) {
    if (!race(index).cancelled) continue;
    ra.push_back(RaRecord(w, race(index), Stage::Card, '9', day));
    for (int e : race(index).field) se.push_back(SeRecord(w, race(index), EntrantAt(w, e), Stage::Card, '9', day));
  }
  for (const auto* records : {&ra, &se}) ctx.stored(kind, day, day, 900, *records);

  // The day after the last race day: results, payouts, final votes and odds.
  int results = ResultsDay(w, day);
  if (!ctx.published(results, 1400)) return;
  std::vector<std::string> hr, h1, h6;
  std::vector<std::vector<std::string>> odds(6);
  ra.clear();
  se.clear();
  for (int index : races) {
    const Race& r = race(index);
    if (r.cancelled) continue;
    ra.push_back(RaRecord(w, r, Stage::Result, '7', results));
    for (int e : r.field) se.push_back(SeRecord(w, r, EntrantAt(w, e), Stage::Result, '7', results));
    Market m = BuildMarket(w, r, FinalProbabilities(w, r), 1.0, MarketKind::Final);
    hr.push_back(HrRecord(w, r, m, '2', results));
    h1.push_back(H1Record(w, r, m, '5', results));
    h6.push_back(H6Record(w, r, m, '5', results));
    OddsMoment moment{'5', results, day, r.startTime};
    for (int k = 1; k <= 6; ++k) odds[static_cast<std::size_t>(k - 1)].push_back(OddsRecord(k, r, m, moment));
  }
  for (const auto* records : {&ra, &se, &hr, &h1, &h6}) ctx.stored(kind, day, results, 1400, *records);
  for (const auto& records : odds) ctx.stored(kind, day, results, 1400, records);
  std::vector<int> legs = Win5Legs(w, races);
  if (Weekday(day) == 0 && !legs.empty()) ctx.stored(kind, day, results, 1400, {WfRecord(w, legs, '2', results)});
}

}  // namespace

void WriteRace(StoreContext& ctx) {
  for (int history = ctx.world.historyWeeks; history >= 0; --history) {
    std::vector<int> races = ctx.weekRaces(history);
    int weekStart = ctx.weekStart() - 7 * history;
    bool first = true;
    for (const RaceDay& day : ctx.world.calendar.between(weekStart, weekStart + 6)) {
      WriteRaceDay(ctx, RacesOn(ctx.world, races, day.day), day.day, first, weekStart);
      first = false;
    }
  }
}
