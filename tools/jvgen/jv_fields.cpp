#include "jv_fields.h"

#include "util/fixed_width.h"

#include <cstdio>

std::string StampText(int day, int hour, int minute, int second) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d", hour, minute, second);
  return Yyyymmdd(day) + text;
}

std::string AnnouncedAt(int day, int hhmm) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", hhmm);
  return Yyyymmdd(day).substr(4) + text;
}

std::string TimeCode(int tenths) {
  int rest = tenths % 600;
  return {static_cast<char>('0' + tenths / 600 % 10), static_cast<char>('0' + rest / 100),
          static_cast<char>('0' + rest / 10 % 10), static_cast<char>('0' + rest % 10)};
}

void PutHeader(RecordBuilder& record, char dataKind, int madeDay) {
  record.raw("データ区分", std::string(1, dataKind));
  record.raw("データ作成年月日", Yyyymmdd(madeDay));
}

void PutMeetingKey(RecordBuilder& record, int day, std::string_view courseCode, int meeting, int dayOfMeeting) {
  std::string date = Yyyymmdd(day);
  record.raw("開催年", date.substr(0, 4));
  record.raw("開催月日", date.substr(4));
  record.raw("競馬場コード", courseCode);
  record.num("開催回[第N回]", meeting);
  record.num("開催日目[N日目]", dayOfMeeting);
}

void PutMeetingKey(RecordBuilder& record, int day, const CourseMeeting& meeting) {
  PutMeetingKey(record, day, ZeroPadded(static_cast<unsigned long long>(meeting.course), 2), meeting.meeting,
                meeting.dayOfMeeting);
}

int BracketOf(int number, int fieldSize) {
  if (fieldSize <= 8) return number;
  int base = fieldSize / 8, extra = fieldSize % 8;
  int n = 0;
  for (int bracket = 1; bracket <= 8; ++bracket) {
    n += base + (bracket > 8 - extra ? 1 : 0);
    if (number <= n) return bracket;
  }
  return 8;
}

void PutRaceKey(RecordBuilder& record, const Race& race) {
  PutMeetingKey(record, race.day, race.meeting);
  record.num("レース番号", race.program.raceNo);
}

const Entrant& EntrantAt(const World& world, int index) {
  return world.entrants[static_cast<std::size_t>(index)];
}

const Horse& HorseOf(const World& world, const Entrant& entrant) {
  return world.horses[static_cast<std::size_t>(entrant.horse)];
}

const Entrant* EntrantPlaced(const World& world, const Race& race, int placing) {
  for (int e : race.field) {
    const Entrant& entrant = EntrantAt(world, e);
    if (entrant.placing == placing) return &entrant;
  }
  return nullptr;
}

int PlacingSlot(int placing) { return placing >= 1 && placing <= 5 ? placing - 1 : 5; }

const std::vector<std::array<int, 2>>& UnorderedPairs() {
  static const std::vector<std::array<int, 2>> list = [] {
    std::vector<std::array<int, 2>> out;
    for (int a = 1; a <= 18; ++a)
      for (int b = a + 1; b <= 18; ++b) out.push_back({a, b});
    return out;
  }();
  return list;
}

const std::vector<std::array<int, 2>>& OrderedPairs() {
  static const std::vector<std::array<int, 2>> list = [] {
    std::vector<std::array<int, 2>> out;
    for (int a = 1; a <= 18; ++a)
      for (int b = 1; b <= 18; ++b)
        if (a != b) out.push_back({a, b});
    return out;
  }();
  return list;
}

const std::vector<std::array<int, 3>>& UnorderedTriples() {
  static const std::vector<std::array<int, 3>> list = [] {
    std::vector<std::array<int, 3>> out;
    for (int a = 1; a <= 18; ++a)
      for (int b = a + 1; b <= 18; ++b)
        for (int c = b + 1; c <= 18; ++c) out.push_back({a, b, c});
    return out;
  }();
  return list;
}

const std::vector<std::array<int, 3>>& OrderedTriples() {
  static const std::vector<std::array<int, 3>> list = [] {
    std::vector<std::array<int, 3>> out;
    for (int a = 1; a <= 18; ++a)
      for (int b = 1; b <= 18; ++b)
        for (int c = 1; c <= 18; ++c)
          if (a != b && b != c && a != c) out.push_back({a, b, c});
    return out;
  }();
  return list;
}

const std::vector<std::array<int, 2>>& BracketPairs() {
  static const std::vector<std::array<int, 2>> list = [] {
    std::vector<std::array<int, 2>> out;
    for (int a = 1; a <= 8; ++a)
      for (int b = a; b <= 8; ++b) out.push_back({a, b});
    return out;
  }();
  return list;
}

std::string ComboText(const int* numbers, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    out += static_cast<char>('0' + numbers[i] / 10);
    out += static_cast<char>('0' + numbers[i] % 10);
  }
  return out;
}
