#pragma once
// Pieces shared by the record builders: the race key and header fields every race record
// carries, JV-Data's time and date forms, combination tables of the bet types.

#include "record_builder.h"
#include "world.h"

#include <array>
#include <string>
#include <vector>

// "yyyymmddhhnnss" of a day and a time of day.
std::string StampText(int day, int hour, int minute, int second = 0);
// 発表月日時分 "mmddhhnn" of a day and an hhmm time.
std::string AnnouncedAt(int day, int hhmm);
// Running time in tenths as mSSf ("1352" for 1:35.2).
std::string TimeCode(int tenths);

// データ区分 and データ作成年月日.
void PutHeader(RecordBuilder& record, char dataKind, int madeDay);
// 開催年 .. 開催日目; the course code may be a country's ("A6") for a race abroad.
void PutMeetingKey(RecordBuilder& record, int day, const CourseMeeting& meeting);
void PutMeetingKey(RecordBuilder& record, int day, std::string_view courseCode, int meeting, int dayOfMeeting);
// The same and レース番号.
void PutRaceKey(RecordBuilder& record, const Race& race);

// The bracket of a horse number in a field of `fieldSize`: the last brackets take the extra horses.
int BracketOf(int number, int fieldSize);

// The horse that finished in `placing` (1-based), or nullptr.
const Entrant* EntrantPlaced(const World& world, const Race& race, int placing);
const Entrant& EntrantAt(const World& world, int index);
const Horse& HorseOf(const World& world, const Entrant& entrant);

// Index of a finishing place in the six placing counts: 1st .. 5th, then all others.
int PlacingSlot(int placing);

// Combinations of horse numbers 1..18 in the order JV-Data lists them.
const std::vector<std::array<int, 2>>& UnorderedPairs();   // 153: 01-02 .. 17-18
const std::vector<std::array<int, 2>>& OrderedPairs();     // 306: 01→02 .. 18→17
const std::vector<std::array<int, 3>>& UnorderedTriples(); // 816
const std::vector<std::array<int, 3>>& OrderedTriples();   // 4896
const std::vector<std::array<int, 2>>& BracketPairs();     // 36: 1-1 .. 8-8

// "0102", "010203": two digits per horse.
std::string ComboText(const int* numbers, int count);
