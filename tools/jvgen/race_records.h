#pragma once
// Race records of the simulated races at the stages JV-Data delivers them: the entries on
// Thursday, the race card, the results; payouts, WIN5, horses excluded by lottery.

#include "market.h"
#include "world.h"

#include <string>

enum class Stage { Entries, Card, Result };

std::string RaRecord(const World& world, const Race& race, Stage stage, char dataKind, int madeDay);
std::string SeRecord(const World& world, const Race& race, const Entrant& entrant, Stage stage,
                     char dataKind, int madeDay);
std::string HrRecord(const World& world, const Race& race, const Market& market, char dataKind, int madeDay);
std::string JgRecord(const World& world, const Race& race, int horse, int order, int madeDay);

// WIN5 of a race day: its five legs are the last main races of the day.
std::vector<int> Win5Legs(const World& world, const std::vector<int>& racesOfDay);
std::string WfRecord(const World& world, const std::vector<int>& legs, char dataKind, int madeDay);
