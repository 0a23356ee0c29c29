#pragma once
// What each data kind of a store holds and when the provider made each file. A stored file carries
// the time JV-Link publishes such data (entries on Thursday, race cards the day before, results
// the day after the races, masters and schedules as they change) and is written only when that
// time is not after the store's as-of moment, so from-times and option 2 see what they would see
// at that moment. Real-time answers have no time stamp: every race day and race of the week has
// them, whatever the as-of moment.

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
  // One stored file made on `madeDay` at hh:mm, unless that is after the as-of moment.
  void stored(std::string_view kind, int dataDay, int madeDay, int hhmm, const std::vector<std::string>& records);
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
// KS records for the riders given, if any.
void WriteHorseMasters(StoreContext& ctx, const char* kind, const std::vector<int>& horses,
                       const std::vector<int>& riders, const std::vector<int>& courses, int dataDay,
                       int madeDay, int hhmm);

// Past runs of horses as RA and SE records (each race once), made the day after their race.
void AppendPastRuns(const World& world, const std::vector<int>& horses, int cutoffDay,
                    std::vector<std::string>& ra, std::vector<std::string>& se);
