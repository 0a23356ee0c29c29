#include "stats.h"

#include "jv_fields.h"
#include "rng.h"
#include "util/fixed_width.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

int DistanceGroup(int distance) { return distance <= 1200 ? 0 : distance <= 2200 ? 1 : 2; }

bool IsJumpTrack(int track) { return track >= 51; }

// The race type under which course records are kept.
int RecordTypeOf(int typeCode) {
  if (typeCode == 11) return 11;
  if (typeCode == 18 || typeCode == 19) return 18;
  return 13;
}

template <class Visit>
void ForEachRun(const World& world, int cutoffDay, Visit visit) {
  for (const Entrant& entrant : world.entrants) {
    if (entrant.withdrawn || entrant.abnormality == 1) continue;
    const Race& race = world.races[static_cast<std::size_t>(entrant.race)];
    if (race.day >= cutoffDay || race.cancelled) continue;
    visit(race, entrant);
  }
}

void AddBlocks(PersonStats& stats, const Race& race, const Entrant& entrant, int year) {
  int raceYear = race.year;
  if (raceYear == year) stats.thisYear.add(race, entrant);
  if (raceYear == year - 1) stats.lastYear.add(race, entrant);
  stats.total.add(race, entrant);
}

// Careers that began before the simulated years get totals in proportion to their length.
void AddCareerBeforeSimulation(const World& world, const Person& person, PersonStats& stats) {
  if (person.licenseDay >= world.simStart) return;
  int simulatedYears = std::max(1, (world.weekStart - world.simStart) / 365);
  int earlierYears = (world.simStart - person.licenseDay) / 365;
  YearBlock before = stats.total;
  auto scale = [&](long long v) { return v * earlierYears / simulatedYears; };
  before.flatPrize = scale(before.flatPrize);
  before.jumpPrize = scale(before.jumpPrize);
  before.flatAdded = scale(before.flatAdded);
  before.jumpAdded = scale(before.jumpAdded);
  auto scaleCounts = [&](PlacingCounts& counts) {
    for (int& c : counts.c) c = static_cast<int>(scale(c));
  };
  scaleCounts(before.flat);
  scaleCounts(before.jump);
  for (PlacingCounts& counts : before.course) scaleCounts(counts);
  for (PlacingCounts& counts : before.distance) scaleCounts(counts);
  stats.total.merge(before);
}

std::vector<PersonStats> PeopleStats(const World& world, int cutoffDay, bool jockeys) {
  const std::vector<Person>& people = jockeys ? world.jockeys : world.trainers;
  std::vector<PersonStats> stats(people.size());
  int year = ToYmd(cutoffDay - 1).y;
  for (PersonStats& s : stats) {
    s.thisYear.year = year;
    s.lastYear.year = year - 1;
    s.total.year = year;
  }
  ForEachRun(world, cutoffDay, [&](const Race& race, const Entrant& entrant) {
    int who = jockeys ? entrant.jockey : entrant.trainer;
    PersonStats& s = stats[static_cast<std::size_t>(who)];
    AddBlocks(s, race, entrant, year);
    int kind = race.program.surface == kJump ? 1 : 0;
    int index = static_cast<int>(&entrant - world.entrants.data());
    // Careers older than the simulated years began in races that are not simulated.
    bool careerSimulated = people[static_cast<std::size_t>(who)].licenseDay >= world.simStart;
    if (careerSimulated && s.firstRide[kind] < 0) s.firstRide[kind] = index;
    if (entrant.placing == 1) {
      if (careerSimulated && s.firstWin[kind] < 0) s.firstWin[kind] = index;
      if (race.program.graded()) s.gradedWins.insert(s.gradedWins.begin(), index);
      if (s.gradedWins.size() > 3) s.gradedWins.pop_back();
    }
  });
  for (std::size_t i = 0; i < people.size(); ++i) AddCareerBeforeSimulation(world, people[i], stats[i]);
  return stats;
}

std::vector<YearBlock> OrgTotals(const World& world, int cutoffDay, bool thisYearOnly, bool owners) {
  std::vector<YearBlock> totals(owners ? world.owners.size() : world.breeders.size());
  int year = ToYmd(cutoffDay - 1).y;
  for (YearBlock& block : totals) block.year = year;
  ForEachRun(world, cutoffDay, [&](const Race& race, const Entrant& entrant) {
    if (thisYearOnly && race.year != year) return;
    int who = owners ? entrant.owner : HorseOf(world, entrant).breeder;
    totals[static_cast<std::size_t>(who)].add(race, entrant);
  });
  return totals;
}

}  // namespace

void PlacingCounts::add(const Entrant& entrant) {
  if (entrant.abnormality == 1 || entrant.withdrawn) return;
  ++c[PlacingSlot(entrant.placing)];
}

void PlacingCounts::merge(const PlacingCounts& other) {
  for (int i = 0; i < 6; ++i) c[i] += other.c[i];
}

std::string PlacingCounts::text(int width) const {
  std::string out;
  for (int v : c) out += ZeroPadded(static_cast<unsigned long long>(v), width);
  return out;
}

void YearBlock::add(const Race& race, const Entrant& entrant) {
  const RaceProgram& p = race.program;
  if (p.surface == kJump) {
    jumpPrize += entrant.prize;
    jumpAdded += entrant.addedPrize;
    jump.add(entrant);
    return;
  }
  flatPrize += entrant.prize;
  flatAdded += entrant.addedPrize;
  flat.add(entrant);
  int surfaceIndex = p.surface == kTurf ? 0 : 1;
  course[surfaceIndex * 10 + race.meeting.course - 1].add(entrant);
  distance[surfaceIndex * 3 + DistanceGroup(p.distance)].add(entrant);
}

void YearBlock::merge(const YearBlock& other) {
  flatPrize += other.flatPrize;
  jumpPrize += other.jumpPrize;
  flatAdded += other.flatAdded;
  jumpAdded += other.jumpAdded;
  flat.merge(other.flat);
  jump.merge(other.jump);
  for (int i = 0; i < 20; ++i) course[i].merge(other.course[i]);
  for (int i = 0; i < 6; ++i) distance[i].merge(other.distance[i]);
}

std::vector<int> RunsBefore(const World& world, const Horse& horse, int cutoffDay) {
  std::vector<int> out;
  for (int e : horse.runs) {
    const Entrant& entrant = EntrantAt(world, e);
    if (world.races[static_cast<std::size_t>(entrant.race)].day < cutoffDay) out.push_back(e);
  }
  return out;
}

HorseStats HorseStatsOf(const World& world, const Horse& horse, int cutoffDay) {
  HorseStats s;
  for (int e : RunsBefore(world, horse, cutoffDay)) {
    const Entrant& entrant = EntrantAt(world, e);
    ++s.races;
    if (entrant.abnormality == 1) continue;
    const Race& race = world.races[static_cast<std::size_t>(entrant.race)];
    const RaceProgram& p = race.program;
    s.total.add(entrant);
    int track = p.track;
    if (p.surface == kJump || IsJumpTrack(track)) {
      s.jumpPrize += entrant.prize;
      s.jumpAdded += entrant.addedPrize;
      if (entrant.placing == 1) s.jumpEarned += p.prize[0] / 2;
      s.jump.add(entrant);
      s.jumpGoing[race.goingTurf - 1].add(entrant);
    } else {
      s.flatPrize += entrant.prize;
      s.flatAdded += entrant.addedPrize;
      if (entrant.placing == 1) s.flatEarned += p.prize[0] / 2;
      if (p.surface == kTurf) {
        (track == 10 ? s.turfStraight : track <= 16 ? s.turfLeft : s.turfRight).add(entrant);
        s.turfGoing[race.goingTurf - 1].add(entrant);
        s.turfDistance[DistanceGroup(p.distance)].add(entrant);
      } else {
        (track == 29 ? s.dirtStraight : track == 24 ? s.dirtRight : s.dirtLeft).add(entrant);
        s.dirtGoing[race.goingDirt - 1].add(entrant);
        s.dirtDistance[DistanceGroup(p.distance)].add(entrant);
      }
    }
    if (entrant.placing > 0 && entrant.style >= 1 && entrant.style <= 4) ++s.styles[entrant.style - 1];
  }
  return s;
}

std::vector<PersonStats> JockeyStats(const World& world, int cutoffDay) { return PeopleStats(world, cutoffDay, true); }
std::vector<PersonStats> TrainerStats(const World& world, int cutoffDay) { return PeopleStats(world, cutoffDay, false); }

std::vector<YearBlock> OwnerTotals(const World& world, int cutoffDay, bool thisYearOnly) {
  return OrgTotals(world, cutoffDay, thisYearOnly, true);
}

std::vector<YearBlock> BreederTotals(const World& world, int cutoffDay, bool thisYearOnly) {
  return OrgTotals(world, cutoffDay, thisYearOnly, false);
}

std::vector<CourseRecord> CourseRecords(const World& world, int cutoffDay, const std::vector<int>& courses) {
  std::vector<CourseRecord> records;
  for (int course : courses) {
    for (int surface : {kTurf, kDirt, kJump}) {
      for (const CourseLayout& layout : CourseLayouts(course, surface)) {
        for (int type : {11, 13, 18}) {
          if ((surface == kJump) != (type == 18)) continue;
          if (type == 11 && layout.distance > 2000) continue;
          CourseRecord rec;
          rec.course = course;
          rec.typeCode = type;
          rec.distance = layout.distance;
          rec.track = layout.track;
          rec.surface = surface;
          Rng rng(world.seed, Mix(static_cast<std::uint64_t>(course * 100 + type), static_cast<std::uint64_t>(layout.distance)));
          rec.time = BaseTime(surface, layout.distance) - 20 - rng.below(15) + (type == 11 ? 15 : 0);
          int year = ToYmd(world.simStart).y - rng.between(1, 10);
          int sunday = DayNumber(year, rng.between(1, 12), 1);
          while (Weekday(sunday) != 0) ++sunday;
          rec.day = sunday;
          rec.meeting = rng.between(1, 5);
          rec.dayOfMeeting = rng.between(1, 8);
          rec.raceNo = rng.between(9, 11);
          HorseName name = MakeHorseName(rng, "");
          rec.horseName = name.name;
          rec.regNo = std::to_string(year - (type == 11 ? 2 : 4)) + "1" + ZeroPadded(static_cast<unsigned long long>(rng.below(100000)), 5);
          rec.sex = rng.between(1, 2);
          rec.trainerName = MakePersonName(rng, false).full;
          rec.trainerCode = 900 + rng.below(100);
          rec.jockeyName = MakePersonName(rng, false).full;
          rec.jockeyCode = 400 + rng.below(100);
          rec.weight = type == 18 ? 600 : type == 11 ? 550 : 570;
          records.push_back(rec);
        }
      }
    }
  }
  std::map<std::array<int, 4>, std::size_t> byKey;
  for (std::size_t i = 0; i < records.size(); ++i) {
    byKey[{records[i].course, records[i].typeCode, records[i].distance, records[i].track}] = i;
  }
  for (const Race& race : world.races) {
    if (race.day >= cutoffDay || race.cancelled) continue;
    const Entrant* winner = EntrantPlaced(world, race, 1);
    if (!winner) continue;
    auto found = byKey.find({race.meeting.course, RecordTypeOf(race.program.typeCode), race.program.distance, race.program.track});
    if (found == byKey.end()) continue;
    CourseRecord& rec = records[found->second];
    if (winner->time < rec.time) {
      rec.time = winner->time;
      rec.entrant = static_cast<int>(winner - world.entrants.data());
    }
  }
  return records;
}
