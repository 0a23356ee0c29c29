#pragma once
// Statistics that masters carry, counted from the simulated races before a cut-off day: a
// horse's placings and prize money, a jockey's or trainer's year blocks, owners' and breeders'
// totals, and the course records.

#include "world.h"

#include <string>
#include <vector>

// 1st, 2nd, 3rd, 4th, 5th and unplaced; a scratched horse does not count.
struct PlacingCounts {
  int c[6] = {};
  void add(const Entrant& entrant);
  void merge(const PlacingCounts& other);
  // JV-Data's six counts, each `width` digits wide.
  std::string text(int width) const;
};

struct HorseStats {
  long long flatPrize = 0, jumpPrize = 0, flatAdded = 0, jumpAdded = 0, flatEarned = 0, jumpEarned = 0;
  PlacingCounts total;
  PlacingCounts turfStraight, turfRight, turfLeft, dirtStraight, dirtRight, dirtLeft, jump;
  PlacingCounts turfGoing[4], dirtGoing[4], jumpGoing[4];
  PlacingCounts turfDistance[3], dirtDistance[3];  // up to 1200, to 2200, longer
  int styles[4] = {};
  int races = 0;
};

HorseStats HorseStatsOf(const World& world, const Horse& horse, int cutoffDay);
// The horse's runs before the cut-off, oldest first.
std::vector<int> RunsBefore(const World& world, const Horse& horse, int cutoffDay);

struct YearBlock {
  int year = 0;
  long long flatPrize = 0, jumpPrize = 0, flatAdded = 0, jumpAdded = 0;
  PlacingCounts flat, jump;
  PlacingCounts course[20];   // turf at courses 1..10, then dirt
  PlacingCounts distance[6];  // turf up to 1200, to 2200, longer; dirt likewise
  void add(const Race& race, const Entrant& entrant);
  void merge(const YearBlock& other);
};

struct PersonStats {
  YearBlock thisYear, lastYear, total;
  int firstRide[2] = {-1, -1};  // entrant indexes, flat and jumps
  int firstWin[2] = {-1, -1};
  std::vector<int> gradedWins;  // entrant indexes, the latest first, at most three
};

// Indexed like world.jockeys / world.trainers / world.owners / world.breeders.
std::vector<PersonStats> JockeyStats(const World& world, int cutoffDay);
std::vector<PersonStats> TrainerStats(const World& world, int cutoffDay);
std::vector<YearBlock> OwnerTotals(const World& world, int cutoffDay, bool thisYearOnly);
std::vector<YearBlock> BreederTotals(const World& world, int cutoffDay, bool thisYearOnly);

// The record time of a course for a race type (11 two-year-olds, 13 older horses, 18 jumps),
// distance and track.
struct CourseRecord {
  int course = 0, typeCode = 0, distance = 0, track = 0, surface = kTurf;
  int time = 0;
  int entrant = -1;  // the holder when the record was set in the simulated years
  // A record from before those years:
  int day = 0, meeting = 0, dayOfMeeting = 0, raceNo = 0;
  std::string horseName, regNo, trainerName, jockeyName;
  int trainerCode = 0, jockeyCode = 0, weight = 570, sex = 1;
};

std::vector<CourseRecord> CourseRecords(const World& world, int cutoffDay, const std::vector<int>& courses);
