#include "program.h"

#include "rng.h"
#include "util/cp932.h"

#include <vector>

namespace {

struct CourseTable {
  std::vector<CourseLayout> turf, dirt, jump;
};

const CourseTable& TableOf(int course) {
  static const CourseTable tables[11] = {
      {},
      {{{1200, 17}, {1500, 17}, {1800, 17}, {2000, 17}, {2600, 17}}, {{1000, 24}, {1700, 24}, {2400, 24}}, {}},
      {{{1200, 17}, {1800, 17}, {2000, 17}, {2600, 17}}, {{1000, 24}, {1700, 24}, {2400, 24}}, {}},
      {{{1200, 17}, {1800, 17}, {2000, 17}, {2600, 17}}, {{1150, 24}, {1700, 24}, {2400, 24}}, {{2750, 54}, {3380, 54}}},
      {{{1000, 10}, {1200, 11}, {1400, 11}, {1600, 12}, {1800, 12}, {2000, 12}, {2200, 11}, {2400, 11}},
       {{1200, 23}, {1800, 23}, {2500, 23}}, {{2850, 53}, {3250, 53}}},
      {{{1400, 11}, {1600, 11}, {1800, 11}, {2000, 11}, {2300, 11}, {2400, 11}, {3400, 11}},
       {{1300, 23}, {1400, 23}, {1600, 23}, {2100, 23}}, {{3000, 53}, {3110, 53}}},
      {{{1200, 18}, {1600, 18}, {1800, 17}, {2000, 17}, {2200, 18}, {2500, 17}, {3600, 17}},
       {{1200, 24}, {1800, 24}, {2400, 24}, {2500, 24}}, {{2880, 55}, {3200, 55}, {4100, 55}}},
      {{{1200, 11}, {1400, 11}, {1600, 11}, {2000, 11}, {2200, 11}}, {{1200, 23}, {1400, 23}, {1800, 23}, {1900, 23}},
       {{3000, 53}, {3300, 53}}},
      {{{1200, 17}, {1400, 18}, {1600, 18}, {1800, 18}, {2000, 17}, {2200, 18}, {2400, 18}, {3000, 18}, {3200, 18}},
       {{1200, 24}, {1400, 24}, {1800, 24}, {1900, 24}}, {{3170, 54}, {3930, 54}}},
      {{{1200, 17}, {1400, 17}, {1600, 18}, {1800, 18}, {2000, 17}, {2200, 17}, {2400, 18}, {3000, 17}},
       {{1200, 24}, {1400, 24}, {1800, 24}, {2000, 24}}, {{2970, 54}, {3140, 54}, {3900, 54}}},
      {{{1200, 17}, {1700, 17}, {1800, 17}, {2000, 17}, {2600, 17}}, {{1000, 24}, {1700, 24}, {2400, 24}},
       {{2860, 54}, {3390, 54}}},
  };
  return tables[course >= 1 && course <= 10 ? course : 5];
}

// First prize by class, hundreds of yen.
int FirstPrize(const RaceProgram& p) {
  switch (p.grade) {
    case 'A': return 1500000;
    case 'B': return 590000;
    case 'C': return 410000;
    case 'L': return 250000;
    default: break;
  }
  static const int byClass[kClassCount] = {70000, 55000, 82000, 110000, 155000, 240000, 75000, 180000};
  return byClass[p.horseClass];
}

struct Slot {
  int surface;     // kTurf / kDirt; jump races are placed separately
  int horseClass;
  int ageGroup;    // 0 the young age (2yo in summer and autumn, 3yo in winter and spring), 1 the old
};

// Twelve races of an ordinary day in the first and the second half of the year.
const Slot kSpringDay[12] = {{kDirt, kMaiden, 0},  {kTurf, kMaiden, 0},  {kDirt, kMaiden, 0},
                              {kTurf, kMaiden, 0},  {kTurf, kUnraced, 0}, {kDirt, kOneWin, 0},
                              {kDirt, kOneWin, 1},  {kTurf, kTwoWin, 1},  {kTurf, kOneWin, 0},
                              {kDirt, kTwoWin, 1},  {kTurf, kOpen, 1},    {kDirt, kThreeWin, 1}};
const Slot kAutumnDay[12] = {{kDirt, kMaiden, 0},  {kTurf, kMaiden, 0},  {kDirt, kOneWin, 1},
                              {kTurf, kOneWin, 1},  {kTurf, kUnraced, 0}, {kDirt, kMaiden, 0},
                              {kDirt, kOneWin, 1},  {kTurf, kTwoWin, 1},  {kTurf, kOneWin, 0},
                              {kDirt, kTwoWin, 1},  {kTurf, kOpen, 1},    {kDirt, kThreeWin, 1}};

// 競走種別コード of an ordinary race. From June the young races are for two-year-olds: debut races
// at once, maiden and one-win races once enough of them have run; until then three-year-olds
// (to September) or all ages race in those slots.
int TypeCodeFor(const Slot& plan, int raceNo, int month) {
  bool spring = month <= 5;
  if (plan.ageGroup == 1) return spring ? 14 : 13;
  if (spring) return 12;
  if (plan.horseClass == kUnraced) return 11;
  int twoYearOldsFrom = (raceNo == 1 || raceNo == 6) ? 8 : 10;
  if (month >= twoYearOldsFrom) return 11;
  return plan.horseClass == kMaiden && month <= 9 ? 12 : 13;
}

char GradeFor(std::uint64_t hash, int slot, int weekday, int month) {
  bool sunday = weekday == 0;
  bool g1Season = month == 4 || month == 5 || month == 6 || month == 10 || month == 11 || month == 12;
  int roll = static_cast<int>(hash % 100);
  if (slot == 0 && sunday) {
    if (g1Season && roll < 45) return 'A';
    return roll < 75 ? 'B' : 'C';
  }
  if (slot == 0) return roll < 30 ? 'B' : roll < 70 ? 'C' : 'L';
  if (slot == 1) return roll < 40 ? 'C' : roll < 70 ? 'L' : ' ';
  return roll < 20 ? 'C' : ' ';
}

}  // namespace

int RaceProgram::minAge() const {
  switch (typeCode) {
    case 11: return 2;
    case 12: case 13: case 18: return 3;
    default: return 4;
  }
}

bool RaceProgram::admitsAge(int age) const {
  if (typeCode == 11) return age == 2;
  if (typeCode == 12) return age == 3;
  return age >= minAge();
}

std::vector<CourseLayout> CourseLayouts(int course, int surface) {
  const CourseTable& table = TableOf(course);
  return surface == kTurf ? table.turf : surface == kDirt ? table.dirt : table.jump;
}

int BaseTime(int surface, int distance) {
  // Metres per ten seconds: turf about 168, dirt about 162, jumps about 150.
  int perTenSeconds = surface == kTurf ? 168 : surface == kDirt ? 162 : 150;
  return distance * 100 / perTenSeconds;
}

RaceProgram MakeProgram(std::uint64_t seed, const RaceDay& day, int slot, int raceNo) {
  const CourseMeeting& meeting = day.courses[static_cast<std::size_t>(slot)];
  Ymd date = ToYmd(day.day);
  int weekday = Weekday(day.day);
  bool spring = date.m <= 5;
  Rng rng(seed, Mix(static_cast<std::uint64_t>(day.day) * 16 + static_cast<std::uint64_t>(meeting.course),
                    static_cast<std::uint64_t>(raceNo)));

  RaceProgram p;
  p.raceNo = raceNo;
  Slot plan = (spring ? kSpringDay : kAutumnDay)[raceNo - 1];
  // Debut races run from June to February.
  if (plan.horseClass == kUnraced && date.m >= 3 && date.m <= 5) plan.horseClass = kMaiden;
  bool jumpDay = !CourseLayouts(meeting.course, kJump).empty() && (weekday == 6) && raceNo == 4;

  if (jumpDay) {
    p.surface = kJump;
    p.horseClass = rng.percent(70) ? kJumpMaiden : kJumpOpen;
    p.typeCode = spring ? 19 : 18;
  } else {
    p.surface = rng.percent(12) ? (plan.surface == kTurf ? kDirt : kTurf) : plan.surface;
    p.horseClass = plan.horseClass;
    p.typeCode = TypeCodeFor(plan, raceNo, date.m);
  }
  std::vector<CourseLayout> layouts = CourseLayouts(meeting.course, p.surface);
  if (p.typeCode == 11) {
    // Two-year-olds race short.
    while (layouts.size() > 2 && layouts.back().distance > 2000) layouts.pop_back();
  }
  const CourseLayout& layout = layouts[static_cast<std::size_t>(rng.below(static_cast<int>(layouts.size())))];
  p.distance = layout.distance;
  p.track = layout.track;

  // Races 9 to 11 are special races with a name; the main race of a day may be graded.
  p.special = raceNo >= 9 && raceNo <= 11 && p.surface != kJump;
  if (p.special) {
    if (raceNo == 11) {
      // A graded race keeps its name and edition every year: the hash depends on the date's
      // place in the year, never on the seed.
      int week = (date.d - 1) / 7;
      std::uint64_t stable = Mix(static_cast<std::uint64_t>(meeting.course * 100 + date.m),
                                 static_cast<std::uint64_t>(week * 10 + weekday + slot * 3));
      p.grade = GradeFor(stable, slot, weekday, date.m);
      if (p.grade == 'A' || p.grade == 'B' || p.grade == 'C') {
        p.name = MakeRaceName(stable, 2);
        p.edition = date.y - 1950 - static_cast<int>(stable % 30);
        p.specialNo = 1000 + static_cast<int>(stable % 9000);
        p.horseClass = kOpen;
        if (p.surface == kDirt && stable % 3 != 0) {
          p.surface = kTurf;
          layouts = CourseLayouts(meeting.course, kTurf);
          const CourseLayout& turf = layouts[stable % layouts.size()];
          p.distance = turf.distance;
          p.track = turf.track;
        }
      } else {
        p.name = MakeRaceName(rng.next(), 1);
        p.specialNo = 1000 + rng.below(9000);
        if (p.grade == ' ') p.grade = 'E';
      }
    } else {
      p.name = MakeRaceName(rng.next(), p.horseClass >= kThreeWin ? 1 : 0);
      p.specialNo = 1000 + rng.below(9000);
      p.grade = 'E';
    }
  }

  if (p.typeCode == 11 || p.typeCode == 12) {
    p.symbol = rng.percent(50) ? "000" : "001";
    p.weightRule = 3;
  } else if (p.surface == kJump) {
    p.symbol = "000";
    p.weightRule = p.horseClass == kJumpOpen ? 2 : 4;
  } else {
    p.symbol = rng.percent(60) ? "A00" : "A03";
    p.weightRule = 4;
  }
  if (p.special) {
    if (p.graded()) {
      p.symbol = p.grade == 'A' ? "N03" : "A03";
      p.weightRule = p.grade == 'A' ? (p.typeCode <= 12 ? 3 : 4) : (rng.percent(40) ? 1 : 2);
    } else if (p.horseClass >= kTwoWin) {
      p.weightRule = rng.percent(35) ? 1 : 2;
    }
  }

  int first = FirstPrize(p);
  static const int share[5] = {100, 40, 25, 15, 10};
  for (int i = 0; i < 5; ++i) p.prize[i] = first * share[i] / 100 / 10 * 10;
  if (p.special) {
    int add = p.graded() ? 20000 + rng.below(20000) : 1000 + rng.below(4000);
    p.added[0] = add;
    p.added[1] = add * 40 / 100;
    p.added[2] = add * 25 / 100;
  }

  // 1R at 9:50 and every thirty minutes; the main race of each course a little apart.
  static const int slotOffset[3] = {15, 5, -5};
  int minutes = raceNo <= 10 ? 9 * 60 + 50 + (raceNo - 1) * 30 : raceNo == 11 ? 15 * 60 + 25 : 16 * 60 + 5;
  minutes += slotOffset[slot];
  p.startTime = (minutes / 60) * 100 + minutes % 60;

  p.targetField = p.graded() ? rng.between(13, 18) : rng.between(9, 18);
  return p;
}

std::string ConditionCode(const RaceProgram& p, int age) {
  if (age != 0 && !p.admitsAge(age)) return "000";
  switch (p.horseClass) {
    case kUnraced: return "701";
    case kMaiden: case kJumpMaiden: return "703";
    case kOneWin: return "005";
    case kTwoWin: return "010";
    case kThreeWin: return "016";
    default: return "999";
  }
}

std::string ConditionName(const RaceProgram& p) {
  std::string ages;
  switch (p.typeCode) {
    case 11: ages = "２歳"; break;
    case 12: ages = "３歳"; break;
    case 13: case 18: ages = "３歳以上"; break;
    default: ages = "４歳以上"; break;
  }
  static const char* const classes[kClassCount] = {"新馬", "未勝利", "１勝クラス", "２勝クラス",
                                                   "３勝クラス", "オープン", "未勝利", "オープン"};
  std::string name = (p.surface == kJump ? "障害" : "") + ages + classes[p.horseClass];
  return Sjis(name);
}
