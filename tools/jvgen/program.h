#pragma once
// The race program of a course-day: for each of its twelve races the class, ages, surface,
// distance, name, grade, prizes and start time. Graded races keep their name, slot and edition
// from year to year; everything else follows from the seed.

#include "calendar.h"
#include "names.h"

#include <cstdint>
#include <string>

// Classes of horses; the value doubles as the index of the race conditions.
enum HorseClass {
  kUnraced = 0,
  kMaiden,
  kOneWin,
  kTwoWin,
  kThreeWin,
  kOpen,
  kJumpMaiden,
  kJumpOpen,
  kClassCount
};

enum Surface { kTurf = 1, kDirt = 2, kJump = 3 };

struct RaceProgram {
  int raceNo = 0;
  int typeCode = 0;    // 競走種別コード: 11 2歳, 12 3歳, 13 3歳上, 14 4歳上, 18/19 jumps
  int horseClass = 0;  // HorseClass the race is for (kUnraced: a debut race)
  int surface = kTurf;
  int distance = 0;
  int track = 0;       // トラックコード
  std::string symbol;  // 競走記号コード, three characters
  int weightRule = 3;  // 1 ハンデ 2 別定 3 馬齢 4 定量
  bool special = false;
  int specialNo = 0;   // 特別競走番号
  RaceName name;       // empty for an ordinary race
  char grade = ' ';    // A G1, B G2, C G3, L listed, E other special, ' ' none
  int edition = 0;     // 重賞回次
  int prize[5] = {};   // 本賞金, in hundreds of yen
  int added[3] = {};   // 付加賞金
  int startTime = 0;   // hhmm
  int targetField = 0;

  bool graded() const { return grade == 'A' || grade == 'B' || grade == 'C'; }
  // The youngest age that may run.
  int minAge() const;
  // Whether horses of `age` may run (ages count by calendar year).
  bool admitsAge(int age) const;
};

// Race `raceNo` (1 .. 12) of the course at `slot` (0 .. 2) of a race day.
RaceProgram MakeProgram(std::uint64_t seed, const RaceDay& day, int slot, int raceNo);

// 競走条件コード of the race for horses of `age` ("000" when the age may not run), and the
// condition name "３歳以上１勝クラス".
std::string ConditionCode(const RaceProgram& program, int age);
std::string ConditionName(const RaceProgram& program);

// The course's distances for a surface and the track code of each (for course records).
struct CourseLayout {
  int distance;
  int track;
};
std::vector<CourseLayout> CourseLayouts(int course, int surface);

// Typical winning time in tenths of a second.
int BaseTime(int surface, int distance);
