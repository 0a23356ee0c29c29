#pragma once
// The simulated racing world behind a store: horses, jockeys, trainers, owners, breeders and
// sires, and every race from seven years before the store's week to the end of it, with fields
// and results. Every data kind is cut from this one history, so the kinds agree with each other:
// a horse's past runs, its placing counts and prize money, a jockey's statistics and the course
// records all come from the same races.

#include "calendar.h"
#include "names.h"
#include "program.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int kNever = 1 << 30;

struct Ancestor {
  std::string name;   // CP932: katakana, or ASCII for foreign-bred horses
  std::string regNo;  // 繁殖登録番号
};

struct Stallion {
  Ancestor self, sire, dam, sireSire, sireDam, damSire, damDam;
};

struct Person {  // a jockey or a trainer
  int code = 0;
  PersonName name;
  int sex = 1;
  int affiliation = 1;  // 1 美浦, 2 栗東
  int birthDay = 0;
  int licenseDay = 0;
  int retireDay = kNever;
  int apprentice = 0;     // jockeys: 騎手見習コード
  int qualification = 1;  // jockeys: 1 flat and jumps, 2 flat, 3 jumps
  int stable = -1;        // jockeys: index of their trainer
  int weight = 1;         // how often the person is booked
  int skill = 0;          // jockeys: added to a horse's ability
};

struct Owner {
  int code = 0;
  OrgName name;
  std::string crown;  // UTF-8 crown word of the owner's horses, or ""
  std::string silks;
};

struct Breeder {
  int code = 0;
  OrgName name;
  std::string address;
};

struct Horse {
  int id = 0;
  std::string regNo;  // 血統登録番号
  HorseName name;
  int birthYear = 0;
  int birthDay = 0;
  int sex = 1;     // 1 牡, 2 牝, 3 セン
  int coat = 3;    // 毛色コード
  int mark = 0;    // 馬記号コード
  std::string place;  // 産地名
  int sire = 0, damSire = 0, damDamSire = 0;  // stallion indexes
  std::uint64_t damSeed = 0;                  // names of the dam line
  int trainer = 0, owner = 0, breeder = 0;
  int registeredDay = 0;
  int availableFrom = 0;
  int retireDay = kNever;
  int ability = 50;
  int style = 2;  // 1 逃げ 2 先行 3 差し 4 追込
  int bodyWeight = 470;
  bool blinker = false;
  bool jumper = false;
  int horseClass = kUnraced;
  int maxRuns = 30;
  int restTendency = 28;  // days
  bool iron = false;      // races often and for years
  std::vector<int> runs;  // entrant indexes in date order
  int bucketKey = -1, bucketPos = -1;
};

// One horse in one race. The field is numbered 1..n; a horse withdrawn before the race card has
// number 0 and only appears in the entries.
struct Entrant {
  int race = 0;
  int horse = 0;
  int jockey = 0;
  int prevJockey = -1;  // the jockey named on the race card when it changed
  int trainer = 0;
  int owner = 0;
  short weight = 0;      // 負担重量 in 0.1 kg
  short prevWeight = 0;
  signed char number = 0;
  signed char bracket = 0;
  signed char arrival = 0;  // 入線順位
  signed char placing = 0;  // 確定着順
  signed char abnormality = 0;
  signed char popularity = 0;
  signed char apprentice = 0;
  signed char prevApprentice = 0;
  signed char corners[4] = {};
  bool blinker = false;
  bool withdrawn = false;   // left the entries before the race card
  short odds = 0;           // win odds in tenths
  short time = 0;           // tenths of a second
  short behind = 0;         // tenths behind the winner (winner: ahead of the second)
  short bodyWeight = 0;
  short bodyChange = 0;
  short last3f = 0, last4f = 0;
  char margin[4] = "   ";
  int prize = 0, addedPrize = 0;  // hundreds of yen
  short age = 0;
  signed char sex = 1;
  signed char style = 0;
};

struct Race {
  int day = 0;
  int year = 0;
  int slot = 0;
  CourseMeeting meeting;
  RaceProgram program;
  int startTime = 0;
  int prevStartTime = 0;  // before a change of the start time, else 0
  int weather = 1;
  int goingTurf = 1, goingDirt = 1;
  std::vector<int> field;      // entrant indexes by horse number
  std::vector<int> withdrawn;  // entrant indexes that left before the race card
  std::vector<int> excluded;   // horses excluded by lottery
  int starters = 0, finishers = 0;
  std::vector<short> laps;  // 200 m lap times in tenths
  bool cancelled = false;

  int registered() const { return static_cast<int>(field.size()); }
};

struct World {
  std::uint64_t seed = 0;
  int weekStart = 0;      // the switch date of the store's week
  int historyWeeks = 1;   // weeks of race data before it
  int simStart = 0;
  RaceCalendar calendar;
  std::vector<Stallion> stallions;
  std::vector<Person> jockeys, trainers;
  std::vector<Owner> owners;
  std::vector<Breeder> breeders;
  std::vector<Horse> horses;
  std::vector<Race> races;        // in date, course-slot and race-number order
  std::vector<Entrant> entrants;

  int weekEnd() const { return weekStart + 6; }
  // Races from `from` to `to`, in race-key order (date, course, meeting, day, race number).
  std::vector<int> racesBetween(int from, int to) const;
  int ageOn(const Horse& horse, int day) const;
};

World BuildWorld(std::uint64_t seed, int weekStart, int historyWeeks);

// Dam line names of a horse, derived from its seed: dam, dam's dam, dam's dam's dam.
struct DamLine {
  Ancestor dam, damDam, damDamDam;
};
DamLine DamLineOf(const Horse& horse);
