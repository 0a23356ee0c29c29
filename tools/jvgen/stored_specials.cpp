// TOKU and TCVN: special registrations for this week's races (made the Sunday before) and for next
// week's (made this Sunday), and the masters and past runs of next week's graded-race nominees.

#include "jv_fields.h"
#include "other_records.h"
#include "rng.h"
#include "store_plan.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

bool MayNominate(const World& world, const Horse& h, const RaceProgram& p, int day) {
  if (h.jumper || h.registeredDay > day || h.retireDay <= day) return false;
  if (!p.admitsAge(world.ageOn(h, day))) return false;
  int top = p.horseClass == kUnraced ? kMaiden : p.horseClass;
  return h.horseClass <= top && h.horseClass >= top - 1;
}

// Horses that may be nominated and are not already counted, in a shuffled order.
std::vector<int> Candidates(const World& world, const RaceProgram& p, int day, const std::set<int>& skip, Rng& rng) {
  std::vector<int> out;
  for (const Horse& h : world.horses) {
    if (!skip.count(h.id) && MayNominate(world, h, p, day)) out.push_back(h.id);
  }
  for (std::size_t i = out.size(); i > 1; --i) std::swap(out[i - 1], out[static_cast<std::size_t>(rng.below(static_cast<int>(i)))]);
  return out;
}

int NominationCount(const RaceProgram& p, bool crowded, Rng& rng) {
  if (crowded) return rng.between(101, 180);
  if (p.graded()) return rng.between(18, 45);
  return rng.between(10, 24);
}

struct Special {
  int day;
  int slot;
  RaceProgram program;
  std::vector<int> nominees;
};

void WriteTk(StoreContext& ctx, const std::vector<Special>& specials, char kind, int madeDay, int hhmm, bool handicapsOnly) {
  std::map<int, std::vector<std::string>> byDay;
  for (const Special& s : specials) {
    if (handicapsOnly && s.program.weightRule != 1) continue;
    const RaceDay* day = ctx.world.calendar.find(s.day);
    byDay[s.day].push_back(TkRecord(ctx.world, *day, s.slot, s.program, s.nominees, kind, madeDay));
  }
  for (const auto& [day, records] : byDay) ctx.stored("TOKU", day, madeDay, hhmm, records);
}

}  // namespace

void WriteSpecials(StoreContext& ctx) {
  const World& w = ctx.world;
  Rng rng(w.seed, 0x70C);
  std::set<int> busy;
  for (int id : ctx.weekHorses()) busy.insert(id);

  // This week's special races, as registered the Sunday before: the horses that entered and
  // others that did not.
  std::vector<Special> thisWeek;
  bool crowdedDone = false;
  for (int index : ctx.weekRaces(0)) {
    const Race& race = w.races[static_cast<std::size_t>(index)];
    if (!race.program.special) continue;
    Special s{race.day, race.slot, race.program, {}};
    std::set<int> taken;
    for (int e : race.field) taken.insert(EntrantAt(w, e).horse);
    for (int e : race.withdrawn) taken.insert(EntrantAt(w, e).horse);
    for (int id : race.excluded) taken.insert(id);
    s.nominees.assign(taken.begin(), taken.end());
    bool crowded = !crowdedDone && race.program.graded() && race.slot == 0;
    crowdedDone = crowdedDone || crowded;
    int want = crowded ? NominationCount(race.program, true, rng) : static_cast<int>(s.nominees.size()) + rng.between(0, 8);
    std::set<int> skip = busy;
    for (int id : Candidates(w, race.program, race.day, skip, rng)) {
      if (static_cast<int>(s.nominees.size()) >= want) break;
      s.nominees.push_back(id);
    }
    std::stable_sort(s.nominees.begin(), s.nominees.end(), [&](int a, int b) {
      return w.horses[static_cast<std::size_t>(a)].regNo < w.horses[static_cast<std::size_t>(b)].regNo;
    });
    thisWeek.push_back(std::move(s));
  }
  WriteTk(ctx, thisWeek, '1', ctx.weekStart() - 4, 1700, false);
  WriteTk(ctx, thisWeek, '2', ctx.weekStart() - 3, 1400, true);

  // Next week's special races, registered this Sunday.
  std::vector<Special> nextWeek;
  crowdedDone = false;
  std::set<int> gradedNominees;
  for (const RaceDay& day : w.calendar.between(ctx.weekStart() + 7, ctx.weekStart() + 13)) {
    for (int slot = 0; slot < static_cast<int>(day.courses.size()); ++slot) {
      for (int raceNo = 9; raceNo <= 11; ++raceNo) {
        RaceProgram p = MakeProgram(w.seed, day, slot, raceNo);
        if (!p.special) continue;
        bool crowded = !crowdedDone && p.graded() && slot == 0;
        crowdedDone = crowdedDone || crowded;
        Special s{day.day, slot, p, {}};
        int want = NominationCount(p, crowded, rng);
        for (int id : Candidates(w, p, day.day, busy, rng)) {
          if (static_cast<int>(s.nominees.size()) >= want) break;
          s.nominees.push_back(id);
        }
        if (p.graded()) gradedNominees.insert(s.nominees.begin(), s.nominees.end());
        nextWeek.push_back(std::move(s));
      }
    }
  }
  int sunday = ctx.weekStart() + 3;
  WriteTk(ctx, nextWeek, '1', sunday, 1700, false);
  if (nextWeek.empty()) return;

  std::vector<int> horses(gradedNominees.begin(), gradedNominees.end());
  std::sort(horses.begin(), horses.end(), [&](int a, int b) {
    return w.horses[static_cast<std::size_t>(a)].regNo < w.horses[static_cast<std::size_t>(b)].regNo;
  });
  std::set<int> courses;
  for (const Special& s : nextWeek) courses.insert(w.calendar.find(s.day)->courses[static_cast<std::size_t>(s.slot)].course);
  WriteHorseMasters(ctx, "TCVN", horses, {}, std::vector<int>(courses.begin(), courses.end()), nextWeek.front().day,
                    sunday, 1730);
}
