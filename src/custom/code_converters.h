#pragma once
// Small converters of JV-Data codes shared by the legacy conversion, the real-time odds output,
// the week database, the custom output and the timer tasks. Texts are code page 932.

#include <cstdint>
#include <string>
#include <string_view>

// Display name of a record type id ("RA" gives "レース詳細"); others give "？".
std::string RecordSpecName(std::string_view recordType);

// East/west affiliation code 3 (local) gives "1", 4 (foreign) "2", anything else "0".
std::string AffiliationToInviteFlag(std::string_view affiliation);

// "T" for turf and steeplechase track codes, "D" for dirt, "?" otherwise.
std::string TrackSurfaceLetter(std::string_view trackCode);

// Two-character name of JRA course code 01..10; others give "？？".
std::string JraTrackName(std::string_view courseCode);

// prefix + yy + course + meeting + day + race + ".rtd", one character each (course 10 is "a",
// races 10..12 "a".."c", a race outside 1..12 leaves its character out).
std::string RtdFileName(std::string_view prefix, std::string_view year, std::string_view course,
                        std::string_view race, std::string_view day, std::string_view meeting);

// Tenths of a second as minutes and three digits of tenths (1234 gives "2034").
std::string TenthsToTimeCode(std::uint16_t tenths);
// "mSSf" back to tenths; a part that is not a number, or is negative, counts as 0.
int TimeCodeToTenths(std::string_view timeCode);

std::string BoolToFlag(bool value);
bool FlagToBool(std::string_view flag);  // true only for exactly "1"

// Placing "00" (no placing) becomes a key that sorts after all placings by the abnormality:
// disqualified 91, stopped 92, excluded at the start 93, excluded from the race 94, scratched 95.
std::string ArrivalSortKey(std::string_view placing, std::string_view abnormality);
