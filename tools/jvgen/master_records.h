#pragma once
// Masters: horses (UM), jockeys (KS), trainers (CH), breeders (BR), owners (BN) and course
// records (RC), with the statistics counted before a cut-off day.

#include "stats.h"
#include "world.h"

#include <string>

std::string UmRecord(const World& world, const Horse& horse, char dataKind, int madeDay);
std::string KsRecord(const World& world, int jockey, const PersonStats& stats, char dataKind, int madeDay);
std::string ChRecord(const World& world, int trainer, const PersonStats& stats, char dataKind, int madeDay);
std::string BrRecord(const World& world, int breeder, const YearBlock& thisYear, const YearBlock& total,
                     char dataKind, int madeDay);
std::string BnRecord(const World& world, int owner, const YearBlock& thisYear, const YearBlock& total,
                     char dataKind, int madeDay);
std::string RcRecord(const World& world, const CourseRecord& record, char dataKind, int madeDay);
