#include "world.h"

#include "jv_fields.h"
#include "population.h"
#include "rng.h"
#include "util/fixed_width.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

constexpr int kCohort = 4500;

// Horses by birth year and class, for drawing the fields of races.
class Buckets {
 public:
  static int keyOf(int birthYear, int horseClass) { return birthYear * 16 + horseClass; }

  void add(Horse& horse) {
    std::vector<int>& list = lists_[keyOf(horse.birthYear, horse.horseClass)];
    horse.bucketKey = keyOf(horse.birthYear, horse.horseClass);
    horse.bucketPos = static_cast<int>(list.size());
    list.push_back(horse.id);
  }

  void remove(std::vector<Horse>& horses, Horse& horse) {
    if (horse.bucketKey < 0) return;
    std::vector<int>& list = lists_[horse.bucketKey];
    int last = list.back();
    list[static_cast<std::size_t>(horse.bucketPos)] = last;
    horses[static_cast<std::size_t>(last)].bucketPos = horse.bucketPos;
    list.pop_back();
    horse.bucketKey = horse.bucketPos = -1;
  }

  const std::vector<int>* find(int birthYear, int horseClass) const {
    auto found = lists_.find(keyOf(birthYear, horseClass));
    return found == lists_.end() || found->second.empty() ? nullptr : &found->second;
  }

 private:
  std::map<int, std::vector<int>> lists_;
};

bool IsEastCourse(int course) { return course == 3 || course == 4 || course == 5 || course == 6 || course == 1; }

// Margin code for a gap in tenths of a second to the horse ahead.
const char* MarginCode(int gap, Rng& rng) {
  static const char* const close[] = {"H  ", "A  ", "K  "};
  if (gap <= 0) return close[rng.below(3)];
  static const char* const byGap[] = {"", " 12", "1  ", "112", "2  ", "212", "3  ", "312", "4  ",
                                      "5  ", "5  ", "6  ", "6  ", "7  ", "7  ", "8  ", "8  ",
                                      "9  ", "9  ", "Z  ", "Z  "};
  if (gap <= 20) return byGap[gap];
  return "T  ";
}

class Simulation {
 public:
  explicit Simulation(World& world) : w_(world), rng_(world.seed, 0x51) {}

  void run();

 private:
  void createStartingPopulation(Population& population, int year);
  void createCohort(Population& population, int birthYear);

  void raceDay(const RaceDay& day);
  void yearlySweep(int day);
  void retireTrainers(int day);
  std::vector<std::vector<int>> jockeyPools(const RaceDay& day);
  std::vector<int> pickHorses(const RaceProgram& program, int day, int want, int classSpan,
                              int slack, std::vector<int>& taken);
  void runRace(int raceIndex, const std::vector<int>& pool);
  void assignJockeys(Race& race, const std::vector<int>& pool);
  void decideResult(Race& race);
  void afterRace(Race& race);
  void retire(Horse& horse, int day);
  int carriedWeight(const RaceProgram& program, const Horse& horse, int age);

  World& w_;
  Rng rng_;
  Buckets buckets_;
  std::vector<bool> stablesClosed_;  // trainers whose horses have moved on
  int cancelDay_ = -1;
};

void Simulation::createStartingPopulation(Population& population, int year) {
  static const int survivalPercent[] = {75, 50, 35, 22, 12, 6};  // ages 3 .. 8
  for (int age = 3; age <= 8; ++age) {
    int count = kCohort * survivalPercent[age - 3] / 100;
    for (int i = 0; i < count; ++i) {
      Horse& h = w_.horses[static_cast<std::size_t>(population.createHorse(year - age, true))];
      int roll = rng_.below(100);
      if (age == 3) {
        h.horseClass = roll < 50 ? kMaiden : roll < 85 ? kOneWin : roll < 95 ? kTwoWin : kOpen;
      } else if (rng_.percent(8)) {
        h.jumper = true;
        h.horseClass = rng_.percent(60) ? kJumpMaiden : kJumpOpen;
      } else {
        h.horseClass = roll < 40 ? kOneWin : roll < 70 ? kTwoWin : roll < 85 ? kThreeWin : kOpen;
      }
      h.ability += (h.horseClass % 6) * 3;
      buckets_.add(h);
    }
  }
}

void Simulation::createCohort(Population& population, int birthYear) {
  for (int i = 0; i < kCohort; ++i) buckets_.add(w_.horses[static_cast<std::size_t>(population.createHorse(birthYear, false))]);
}

void Simulation::retire(Horse& horse, int day) {
  if (horse.retireDay != kNever) return;
  horse.retireDay = day + rng_.between(3, 20);
  buckets_.remove(w_.horses, horse);
}

void Simulation::yearlySweep(int day) {
  Ymd date = ToYmd(day);
  for (Horse& h : w_.horses) {
    if (h.retireDay != kNever) continue;
    int age = date.y - h.birthYear;
    bool tooOld = age >= 10;
    bool lateMaiden = !h.jumper && h.horseClass <= kMaiden && (age >= 4 || (age == 3 && date.m >= 10));
    if (tooOld || lateMaiden) retire(h, day);
  }
}

// The horses of a retiring trainer move to another stable of the same centre.
void Simulation::retireTrainers(int day) {
  stablesClosed_.resize(w_.trainers.size(), false);
  for (std::size_t t = 0; t < w_.trainers.size(); ++t) {
    const Person& trainer = w_.trainers[t];
    if (trainer.retireDay > day || stablesClosed_[t]) continue;
    stablesClosed_[t] = true;
    for (Horse& h : w_.horses) {
      if (h.trainer != static_cast<int>(t) || h.retireDay <= day) continue;
      for (int tries = 0; tries < 50; ++tries) {
        int other = rng_.below(static_cast<int>(w_.trainers.size()));
        const Person& o = w_.trainers[static_cast<std::size_t>(other)];
        if (o.affiliation == trainer.affiliation && o.licenseDay <= day && o.retireDay > day + 400) {
          h.trainer = other;
          break;
        }
      }
    }
  }
}

std::vector<std::vector<int>> Simulation::jockeyPools(const RaceDay& day) {
  std::vector<std::vector<int>> pools(day.courses.size());
  for (std::size_t j = 0; j < w_.jockeys.size(); ++j) {
    const Person& jockey = w_.jockeys[j];
    if (jockey.licenseDay > day.day || jockey.retireDay <= day.day) continue;
    std::vector<int> choices;
    for (std::size_t s = 0; s < day.courses.size(); ++s) {
      bool home = IsEastCourse(day.courses[s].course) == (jockey.affiliation == 1);
      for (int k = 0; k < (home ? 4 : 1); ++k) choices.push_back(static_cast<int>(s));
    }
    pools[static_cast<std::size_t>(rng_.pick(choices))].push_back(static_cast<int>(j));
  }
  return pools;
}

std::vector<int> Simulation::pickHorses(const RaceProgram& p, int day, int want, int classSpan,
                                        int slack, std::vector<int>& taken) {
  int year = ToYmd(day).y;
  std::vector<const std::vector<int>*> lists;
  std::vector<int> ends;
  int total = 0;
  bool jump = p.surface == kJump;
  int top = p.horseClass;
  int bottom = jump ? std::max<int>(kJumpMaiden, top - classSpan) : std::max<int>(kUnraced, top - classSpan);
  for (int age = p.minAge(); age <= 10; ++age) {
    if (!p.admitsAge(age)) continue;
    for (int c = bottom; c <= top; ++c) {
      if (const std::vector<int>* list = buckets_.find(year - age, c)) {
        lists.push_back(list);
        total += static_cast<int>(list->size());
        ends.push_back(total);
      }
    }
  }
  std::vector<int> picked;
  if (total == 0) return picked;
  for (int tries = 0; tries < want * 10 && static_cast<int>(picked.size()) < want; ++tries) {
    int r = rng_.below(total);
    std::size_t li = static_cast<std::size_t>(std::upper_bound(ends.begin(), ends.end(), r) - ends.begin());
    int offset = r - (li == 0 ? 0 : ends[li - 1]);
    int id = (*lists[li])[static_cast<std::size_t>(offset)];
    Horse& h = w_.horses[static_cast<std::size_t>(id)];
    if (h.availableFrom > day + slack || h.registeredDay > day || h.retireDay <= day) continue;
    if (std::find(taken.begin(), taken.end(), id) != taken.end()) continue;
    h.availableFrom = day + 1;  // not twice on one day
    picked.push_back(id);
    taken.push_back(id);
  }
  return picked;
}

int Simulation::carriedWeight(const RaceProgram& p, const Horse& horse, int age) {
  bool filly = horse.sex == 2;
  if (p.surface == kJump) return filly ? 580 : 600;
  if (p.weightRule == 1) return std::clamp(540 + (horse.ability - 55) * 2 + rng_.between(-10, 10), 480, 600) / 5 * 5;
  int base = age == 2 ? 550 : 570;
  if (p.weightRule == 2) base += rng_.between(0, 3) * 10;
  return base - (filly ? 20 : 0);
}

void Simulation::assignJockeys(Race& race, const std::vector<int>& pool) {
  const RaceProgram& p = race.program;
  std::vector<int> order = race.field;
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    int ha = w_.horses[static_cast<std::size_t>(w_.entrants[static_cast<std::size_t>(a)].horse)].ability;
    int hb = w_.horses[static_cast<std::size_t>(w_.entrants[static_cast<std::size_t>(b)].horse)].ability;
    return ha != hb ? ha > hb : a < b;
  });
  std::vector<char> used(w_.jockeys.size(), 0);
  auto free = [&](int j) {
    const Person& jockey = w_.jockeys[static_cast<std::size_t>(j)];
    bool qualified = p.surface == kJump ? jockey.qualification != 2 : jockey.qualification != 3;
    return qualified && !used[static_cast<std::size_t>(j)];
  };
  // The better horses get the busier jockeys first.
  for (int e : order) {
    Entrant& entrant = w_.entrants[static_cast<std::size_t>(e)];
    int total = 0;
    for (int j : pool) {
      if (free(j)) total += w_.jockeys[static_cast<std::size_t>(j)].weight;
    }
    int chosen = -1;
    int r = rng_.below(total);
    for (int j : pool) {
      if (!free(j)) continue;
      r -= w_.jockeys[static_cast<std::size_t>(j)].weight;
      if (r < 0) {
        chosen = j;
        break;
      }
    }
    // A small pool: any licensed jockey of the day will do.
    for (std::size_t j = 0; j < w_.jockeys.size() && chosen < 0; ++j) {
      const Person& jockey = w_.jockeys[j];
      if (jockey.licenseDay <= race.day && jockey.retireDay > race.day && free(static_cast<int>(j))) chosen = static_cast<int>(j);
    }
    if (chosen < 0) chosen = pool.empty() ? 0 : pool.front();
    used[static_cast<std::size_t>(chosen)] = 1;
    entrant.jockey = chosen;
    const Person& jockey = w_.jockeys[static_cast<std::size_t>(chosen)];
    if (jockey.apprentice > 0 && !p.special && p.weightRule != 1 && p.surface != kJump) {
      static const int reduction[] = {0, 10, 20, 30, 20};
      entrant.apprentice = static_cast<signed char>(jockey.apprentice);
      entrant.weight = static_cast<short>(entrant.weight - reduction[jockey.apprentice]);
    }
  }
  // Now and then the jockey named on the race card is replaced.
  for (int e : race.field) {
    if (!rng_.percent(1)) continue;
    Entrant& entrant = w_.entrants[static_cast<std::size_t>(e)];
    for (int j : pool) {
      if (!free(j)) continue;
      entrant.prevJockey = entrant.jockey;
      entrant.prevWeight = entrant.weight;
      entrant.prevApprentice = entrant.apprentice;
      entrant.jockey = j;
      entrant.apprentice = 0;
      used[static_cast<std::size_t>(j)] = 1;
      break;
    }
  }
}

void Simulation::decideResult(Race& race) {
  const RaceProgram& p = race.program;
  int n = race.registered();
  std::vector<int> starters;
  int scratched = 0;
  for (int e : race.field) {
    Entrant& entrant = w_.entrants[static_cast<std::size_t>(e)];
    if (n - scratched > 7 && rng_.below(1000) < 15) {
      entrant.abnormality = 1;  // scratched
      ++scratched;
      continue;
    }
    starters.push_back(e);
  }
  race.starters = static_cast<int>(starters.size());

  // The market: stronger horses are shorter in the odds.
  std::vector<double> weights;
  double sum = 0;
  for (int e : starters) {
    const Entrant& entrant = w_.entrants[static_cast<std::size_t>(e)];
    const Horse& h = w_.horses[static_cast<std::size_t>(entrant.horse)];
    double m = h.ability + w_.jockeys[static_cast<std::size_t>(entrant.jockey)].skill + rng_.bell() * 4;
    double y = std::max(m, 10.0) / 50.0;
    double y2 = y * y, y4 = y2 * y2;
    weights.push_back(y4 * y4);
    sum += y4 * y4;
  }
  for (std::size_t i = 0; i < starters.size(); ++i) {
    Entrant& entrant = w_.entrants[static_cast<std::size_t>(starters[i])];
    double probability = weights[i] / sum;
    entrant.odds = static_cast<short>(std::clamp(static_cast<int>(8.0 / probability), 10, 9999));
  }
  std::vector<int> byOdds = starters;
  std::stable_sort(byOdds.begin(), byOdds.end(), [&](int a, int b) {
    return w_.entrants[static_cast<std::size_t>(a)].odds < w_.entrants[static_cast<std::size_t>(b)].odds;
  });
  for (std::size_t i = 0; i < byOdds.size(); ++i) w_.entrants[static_cast<std::size_t>(byOdds[i])].popularity = static_cast<signed char>(i + 1);

  // The race itself.
  std::vector<std::pair<double, int>> performance;
  for (int e : starters) {
    Entrant& entrant = w_.entrants[static_cast<std::size_t>(e)];
    if (rng_.below(1000) < 3) {
      entrant.abnormality = 4;  // did not finish
      continue;
    }
    const Horse& h = w_.horses[static_cast<std::size_t>(entrant.horse)];
    double perf = h.ability + w_.jockeys[static_cast<std::size_t>(entrant.jockey)].skill + rng_.bell() * 7;
    performance.emplace_back(-perf, e);
  }
  std::sort(performance.begin(), performance.end());
  race.finishers = static_cast<int>(performance.size());

  int winTime = BaseTime(p.surface, p.distance) - (p.surface == kJump ? 0 : p.horseClass * 3) +
                static_cast<int>(rng_.bell() * 8);
  if (p.surface == kTurf) winTime += (race.goingTurf - 1) * 5;
  if (p.surface == kDirt) winTime -= (race.goingDirt - 1) * 3;
  int behind = 0;
  int secondGap = 0;
  for (std::size_t k = 0; k < performance.size(); ++k) {
    Entrant& entrant = w_.entrants[static_cast<std::size_t>(performance[k].second)];
    int gap = 0;
    if (k > 0) {
      double u = rng_.unit();
      gap = u < 0.3 ? 0 : u < 0.65 ? rng_.between(1, 2) : u < 0.9 ? rng_.between(3, 5) : rng_.between(6, 15);
      if (k + 2 >= performance.size()) gap += rng_.below(6);
      behind += gap;
      if (k == 1) secondGap = gap;
    }
    entrant.placing = entrant.arrival = static_cast<signed char>(k + 1);
    entrant.time = static_cast<short>(winTime + behind);
    entrant.behind = static_cast<short>(behind);
    std::snprintf(entrant.margin, sizeof entrant.margin, "%s", k == 0 ? "   " : MarginCode(gap, rng_));
    int base3f = p.surface == kTurf ? 345 : p.surface == kDirt ? 370 : 380;
    entrant.last3f = static_cast<short>(base3f + static_cast<int>(k) * 2 + static_cast<int>(rng_.bell() * 5) -
                                        (w_.horses[static_cast<std::size_t>(entrant.horse)].style >= 3 ? 4 : 0));
    entrant.last4f = static_cast<short>(entrant.last3f + 118 + rng_.below(10));
    if (entrant.placing <= 5) entrant.prize = p.prize[entrant.placing - 1];
    if (entrant.placing <= 3) entrant.addedPrize = p.added[entrant.placing - 1];
  }
  if (!performance.empty()) w_.entrants[static_cast<std::size_t>(performance[0].second)].behind = static_cast<short>(secondGap);

  // Positions at the corners: front runners lead early, closers come late.
  int corners = p.surface != kJump && p.distance <= 1400 ? 2 : 4;
  std::vector<std::pair<double, int>> early;
  for (std::size_t k = 0; k < performance.size(); ++k) {
    const Entrant& entrant = w_.entrants[static_cast<std::size_t>(performance[k].second)];
    early.emplace_back(w_.horses[static_cast<std::size_t>(entrant.horse)].style * 10 + rng_.bell() * 6, performance[k].second);
  }
  std::sort(early.begin(), early.end());
  for (std::size_t rank = 0; rank < early.size(); ++rank) {
    Entrant& entrant = w_.entrants[static_cast<std::size_t>(early[rank].second)];
    // How the horse ran: in front, close up, in the middle or at the back early on.
    std::size_t third = (early.size() + 2) / 3;
    entrant.style = static_cast<signed char>(rank == 0 ? 1 : rank < third ? 2 : rank < 2 * third ? 3 : 4);
    int finish = entrant.placing;
    for (int c = 4 - corners; c < 4; ++c) {
      int step = c - (4 - corners) + 1;
      int pos = (static_cast<int>(rank + 1) * (corners + 1 - step) + finish * step) / (corners + 1);
      entrant.corners[c] = static_cast<signed char>(std::clamp(pos, 1, static_cast<int>(early.size())));
    }
  }

  // Laps of 200 m that add up to the winner's time.
  if (p.surface != kJump && !performance.empty()) {
    int laps = (p.distance + 199) / 200;
    int firstMetres = p.distance - (laps - 1) * 200;
    int left = winTime;
    for (int l = 0; l < laps; ++l) {
      int metres = l == 0 ? firstMetres : 200;
      int remainingMetres = p.distance - (l == 0 ? 0 : firstMetres + (l - 1) * 200);
      int lap = l == laps - 1 ? left : left * metres / remainingMetres + rng_.between(-3, 3);
      if (l == 0 && metres == 200) lap += 5;  // the standing start
      race.laps.push_back(static_cast<short>(lap));
      left -= lap;
    }
  }
}

void Simulation::afterRace(Race& race) {
  Ymd date = ToYmd(race.day);
  for (int e : race.field) {
    Entrant& entrant = w_.entrants[static_cast<std::size_t>(e)];
    Horse& h = w_.horses[static_cast<std::size_t>(entrant.horse)];
    h.runs.push_back(e);
    h.availableFrom = race.day + std::max(14, h.restTendency + rng_.between(-7, 21));
    if (entrant.abnormality == 1) continue;
    int before = h.horseClass;
    if (entrant.placing == 1) {
      if (h.horseClass == kUnraced || h.horseClass == kMaiden) h.horseClass = kOneWin;
      else if (h.horseClass < kOpen || h.horseClass == kJumpMaiden) ++h.horseClass;
    } else if (h.horseClass == kUnraced) {
      h.horseClass = kMaiden;
    }
    int age = date.y - h.birthYear;
    if (!h.jumper && age >= 4 && h.horseClass <= kTwoWin && h.runs.size() >= 8 && rng_.percent(3)) {
      h.jumper = true;
      h.horseClass = kJumpMaiden;
    }
    if (before != h.horseClass) {
      buckets_.remove(w_.horses, h);
      buckets_.add(h);
    }
    bool worn = static_cast<int>(h.runs.size()) >= h.maxRuns;
    bool old = age >= (h.iron ? 9 : 8) && rng_.percent(15);
    bool lateMaiden = !h.jumper && age >= 3 && date.m >= 9 && h.horseClass <= kMaiden;
    bool chance = !h.iron && rng_.below(1000) < (age <= 4 ? 8 : 25);
    if (worn || old || lateMaiden || chance) retire(h, race.day);
  }
  for (int e : race.withdrawn) {
    Horse& h = w_.horses[static_cast<std::size_t>(w_.entrants[static_cast<std::size_t>(e)].horse)];
    h.availableFrom = race.day + 7;
  }
  for (int id : race.excluded) w_.horses[static_cast<std::size_t>(id)].availableFrom = race.day + 7;
}

void Simulation::runRace(int raceIndex, const std::vector<int>& pool) {
  std::vector<int> taken;
  Race& race = w_.races[static_cast<std::size_t>(raceIndex)];
  RaceProgram& p = race.program;
  bool lottery = p.targetField == 18 && rng_.percent(35);
  bool withdrawal = rng_.percent(8);
  int want = p.targetField + (lottery ? rng_.between(1, 4) : 0) + (withdrawal ? 1 : 0);
  std::vector<int> picked = pickHorses(p, race.day, want, 0, 0, taken);
  if (static_cast<int>(picked.size()) < p.targetField && p.horseClass == kMaiden) {
    // Maiden races take horses that have not run yet as well.
    RaceProgram debut = p;
    debut.horseClass = kUnraced;
    std::vector<int> more = pickHorses(debut, race.day, want - static_cast<int>(picked.size()), 0, 0, taken);
    picked.insert(picked.end(), more.begin(), more.end());
  }
  if (static_cast<int>(picked.size()) < 8 && p.horseClass == kUnraced) {
    p.horseClass = kMaiden;
    std::vector<int> more = pickHorses(p, race.day, want - static_cast<int>(picked.size()), 0, 0, taken);
    picked.insert(picked.end(), more.begin(), more.end());
  }
  for (int span = 1; span <= 2 && static_cast<int>(picked.size()) < 8; ++span) {
    std::vector<int> more = pickHorses(p, race.day, 8 - static_cast<int>(picked.size()), span, 7 * span, taken);
    picked.insert(picked.end(), more.begin(), more.end());
  }
  int fieldSize = std::min(static_cast<int>(picked.size()), p.targetField);
  std::vector<int> fieldHorses(picked.begin(), picked.begin() + fieldSize);
  std::size_t next = static_cast<std::size_t>(fieldSize);
  if (withdrawal && next < picked.size()) {
    Entrant e;
    e.race = raceIndex;
    e.horse = picked[next++];
    e.withdrawn = true;
    const Horse& h = w_.horses[static_cast<std::size_t>(e.horse)];
    e.trainer = h.trainer;
    e.owner = h.owner;
    e.age = static_cast<short>(ToYmd(race.day).y - h.birthYear);
    e.sex = static_cast<signed char>(h.sex);
    e.weight = static_cast<short>(carriedWeight(p, h, e.age));
    e.jockey = pool.empty() ? 0 : rng_.pick(pool);
    race.withdrawn.push_back(static_cast<int>(w_.entrants.size()));
    w_.entrants.push_back(e);
  }
  if (fieldSize == 18) {
    while (next < picked.size()) race.excluded.push_back(picked[next++]);
  }
  for (; next < picked.size(); ++next) w_.horses[static_cast<std::size_t>(picked[next])].availableFrom = race.day + 1;

  // Numbers and brackets are drawn.
  for (std::size_t i = fieldHorses.size(); i > 1; --i) std::swap(fieldHorses[i - 1], fieldHorses[static_cast<std::size_t>(rng_.below(static_cast<int>(i)))]);
  int year = ToYmd(race.day).y;
  for (std::size_t i = 0; i < fieldHorses.size(); ++i) {
    Horse& h = w_.horses[static_cast<std::size_t>(fieldHorses[i])];
    Entrant e;
    e.race = raceIndex;
    e.horse = h.id;
    e.trainer = h.trainer;
    e.owner = h.owner;
    e.number = static_cast<signed char>(i + 1);
    e.bracket = static_cast<signed char>(BracketOf(e.number, fieldSize));
    e.age = static_cast<short>(year - h.birthYear);
    e.sex = static_cast<signed char>(h.sex);
    e.blinker = h.blinker;
    e.weight = static_cast<short>(carriedWeight(p, h, e.age));
    int change = h.runs.empty() ? 0 : rng_.between(-5, 5) * 2;
    h.bodyWeight = std::clamp(h.bodyWeight + change, 380, 580);
    e.bodyWeight = static_cast<short>(h.bodyWeight);
    e.bodyChange = static_cast<short>(change);
    race.field.push_back(static_cast<int>(w_.entrants.size()));
    w_.entrants.push_back(e);
  }
  assignJockeys(race, pool);
  if (rng_.below(1000) < 5) {
    race.prevStartTime = race.startTime;
    int minutes = race.startTime / 100 * 60 + race.startTime % 100 + 10;
    race.startTime = minutes / 60 * 100 + minutes % 60;
  }
  if (race.day == cancelDay_ && race.slot == 0 && p.raceNo == 3) {
    race.cancelled = true;
    for (int e : race.field) w_.horses[static_cast<std::size_t>(w_.entrants[static_cast<std::size_t>(e)].horse)].availableFrom = race.day + 7;
    return;
  }
  decideResult(race);
  afterRace(race);
}

void Simulation::raceDay(const RaceDay& day) {
  retireTrainers(day.day);
  std::vector<std::vector<int>> pools = jockeyPools(day);
  Ymd date = ToYmd(day.day);
  for (std::size_t slot = 0; slot < day.courses.size(); ++slot) {
    int weather = 1;
    int roll = rng_.below(100);
    weather = roll < 55 ? 1 : roll < 85 ? 2 : roll < 95 ? 3 : 4;
    if ((date.m == 1 || date.m == 2) && rng_.percent(3)) weather = 5;
    auto goingFor = [&](int w) { return w == 3 || w == 5 ? rng_.between(2, 4) : w == 4 ? rng_.between(1, 2) : rng_.percent(85) ? 1 : 2; };
    int goingTurf = goingFor(weather), goingDirt = goingFor(weather);
    bool change = rng_.percent(8);
    for (int raceNo = 1; raceNo <= 12; ++raceNo) {
      if (change && raceNo == 7) {
        weather = weather <= 2 ? 3 : 2;
        goingTurf = std::min(4, goingTurf + (weather == 3 ? 1 : 0));
        goingDirt = std::min(4, goingDirt + (weather == 3 ? 1 : 0));
      }
      Race race;
      race.day = day.day;
      race.year = date.y;
      race.slot = static_cast<int>(slot);
      race.meeting = day.courses[slot];
      race.program = MakeProgram(w_.seed, day, static_cast<int>(slot), raceNo);
      race.startTime = race.program.startTime;
      race.weather = weather;
      race.goingTurf = goingTurf;
      race.goingDirt = goingDirt;
      w_.races.push_back(race);
      runRace(static_cast<int>(w_.races.size()) - 1, pools[slot]);
    }
  }
}

void Simulation::run() {
  int startYear = ToYmd(w_.weekStart).y - kSimulatedYears;
  w_.simStart = DayNumber(startYear, 1, 1);
  Population population(w_);
  createStartingPopulation(population, startYear);
  // The race cancelled in the week before the store's week: a race of its last race day.
  std::vector<RaceDay> lastWeek = w_.calendar.between(w_.weekStart - 7, w_.weekStart - 1);
  if (!lastWeek.empty()) cancelDay_ = lastWeek.back().day;
  int year = 0;
  bool octoberSwept = false;
  for (int y = startYear; y <= ToYmd(w_.weekEnd()).y; ++y) {
    for (const RaceDay& day : w_.calendar.year(y)) {
      if (day.day > w_.weekEnd()) break;
      if (y != year) {
        year = y;
        octoberSwept = false;
        createCohort(population, y - 2);
        yearlySweep(day.day);
      }
      if (!octoberSwept && ToYmd(day.day).m >= 10) {
        octoberSwept = true;
        yearlySweep(day.day);
      }
      raceDay(day);
    }
  }
}

}  // namespace

std::vector<int> World::racesBetween(int from, int to) const {
  std::vector<int> out;
  auto first = std::lower_bound(races.begin(), races.end(), from, [](const Race& r, int day) { return r.day < day; });
  for (auto it = first; it != races.end() && it->day <= to; ++it) out.push_back(static_cast<int>(it - races.begin()));
  std::stable_sort(out.begin(), out.end(), [&](int a, int b) {
    const Race& x = races[static_cast<std::size_t>(a)];
    const Race& y = races[static_cast<std::size_t>(b)];
    if (x.day != y.day) return x.day < y.day;
    if (x.meeting.course != y.meeting.course) return x.meeting.course < y.meeting.course;
    return x.program.raceNo < y.program.raceNo;
  });
  return out;
}

int World::ageOn(const Horse& horse, int day) const { return ToYmd(day).y - horse.birthYear; }

World BuildWorld(std::uint64_t seed, int weekStart, int historyWeeks) {
  World world;
  world.seed = seed;
  world.weekStart = weekStart;
  world.historyWeeks = historyWeeks;
  Simulation(world).run();
  return world;
}

DamLine DamLineOf(const Horse& horse) {
  Rng rng(horse.damSeed);
  auto mare = [&](std::uint64_t salt) {
    Ancestor a;
    a.name = rng.percent(15) ? MakeForeignName(rng) : MakeHorseName(rng, "").name;
    a.regNo = "12" + ZeroPadded((horse.damSeed ^ salt) % 100000000ULL, 8);
    return a;
  };
  return {mare(1), mare(2), mare(3)};
}
