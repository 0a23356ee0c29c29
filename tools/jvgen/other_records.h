#pragma once
// The remaining record types: schedule (YS), special registrations (TK), race-day news (WH, WE,
// AV, JC, TC), mining forecasts (DM, TM), breeding (HN, SK, BT), slope training (HC), runner
// statistics (CK), market prices (HS), name origins (HY) and course descriptions (CS).

#include "stats.h"
#include "world.h"

#include <string>
#include <vector>

std::string YsRecord(const World& world, const RaceDay& day, int slot, char dataKind, int madeDay);
std::string TkRecord(const World& world, const RaceDay& day, int slot, const RaceProgram& program,
                     const std::vector<int>& nominees, char dataKind, int madeDay);

std::string WhRecord(const World& world, const Race& race, int madeDay);
struct Going {
  int weather = 1, turf = 1, dirt = 1;
};
// changeKind: 1 the morning's first report, 2 a change of weather, 3 a change of going.
std::string WeRecord(int day, const CourseMeeting& meeting, int hhmm, int changeKind, const Going& now,
                     const Going& before);
std::string AvRecord(const World& world, const Race& race, const Entrant& entrant, int hhmm);
std::string JcRecord(const World& world, const Race& race, const Entrant& entrant, int hhmm);
std::string TcRecord(const Race& race, int hhmm);
std::string DmRecord(const World& world, const Race& race, char dataKind, int madeDay, int hhmm);
std::string TmRecord(const World& world, const Race& race, char dataKind, int madeDay, int hhmm);

std::string HnRecord(const Ancestor& horse, const Ancestor& sire, const Ancestor& dam, int sex, int birthYear,
                     char dataKind, int madeDay);
std::string SkRecord(const World& world, const Horse& horse, char dataKind, int madeDay);
std::string BtRecord(const Stallion& founder, int lineage, char dataKind, int madeDay);
std::string HcRecord(const World& world, const Horse& horse, int day, int hhmm, std::uint64_t salt, int madeDay);
std::string CkRecord(const World& world, const Race& race, const Entrant& entrant, char dataKind, int madeDay);
std::string HsRecord(const World& world, const Horse& horse, int madeDay);
std::string HyRecord(const Horse& horse, int madeDay);
std::string CsRecord(int course, const CourseLayout& layout, int madeDay);
