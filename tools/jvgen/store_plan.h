#pragma once
// What each data kind of a store holds and when the provider made each file. Files about the
// store's racing week carry the times of day JV-Link publishes them (entries on Thursday, race
// cards the day before, results the day after the races) even when those lie after the as-of
// moment, so that the week is complete; files that only look back (masters, local results,
// schedules, training) are never stamped after it.

#include "store_writer.h"
#include "world.h"

#include <set>
#include <vector>

struct StoreContext {
  const World& world;
  StoreWriter& out;
  int asOfDay = 0;
  int asOfMinute = 0;  // minute of the day
  int scale = 1;

  int weekStart() const { return world.weekStart; }
  // Whether a stamp on `day` at hh:mm is not after the as-of moment.
  bool published(int day, int hhmm) const;
  // Race indexes of the store's week (history 0) or of the week `history` weeks before.
  std::vector<int> weekRaces(int history) const;
  // This week's runners and entered horses, by registration number.
  std::vector<int> weekHorses() const;
};

// The day after the last race day of the run of race days that contains `day`: when the results
// of that day are published (the Monday, or the Tuesday after a Monday holiday).
int ResultsDay(const World& world, int day);
// When the entries and the race card of a race day are published.
int EntriesDay(int weekStart, int day);
int CardDay(int day);

void WriteRace(StoreContext& ctx);
void WriteRunnerMasters(StoreContext& ctx);  // RCVN
void WriteSpecials(StoreContext& ctx);       // TOKU and TCVN
void WriteDifferences(StoreContext& ctx);    // DIFN
void WriteSchedule(StoreContext& ctx);       // YSCH
void WriteSmallKinds(StoreContext& ctx);     // BLDN, SLOP, SNPN, HOSN, HOYU, COMM, MING
void WriteRealtime(StoreContext& ctx);

// Masters of horses with their past runs and the people around them, as one data kind's files;
// KS records only for the jockeys given.
void WriteHorseMasters(StoreContext& ctx, const char* kind, const std::vector<int>& horses,
                       const std::vector<int>& jockeys, const std::vector<int>& courses, int dataDay,
                       int madeDay, const std::string& stamp);

// Past runs of horses as RA and SE records (each race once), made the day after their race.
void AppendPastRuns(const World& world, const std::vector<int>& horses, int cutoffDay,
                    std::vector<std::string>& ra, std::vector<std::string>& se);
