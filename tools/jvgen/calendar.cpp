#include "calendar.h"

#include <cstdio>

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// The n-th Monday (n from 1) of a month.
int NthMonday(int y, int m, int n) {
  int first = DayNumber(y, m, 1);
  int offset = (8 - Weekday(first)) % 7;  // days to the first Monday
  return first + offset + 7 * (n - 1);
}

// Holidays on a Monday on which the courses race (a third day of the weekend).
bool IsRacingMondayHoliday(int day) {
  if (Weekday(day) != 1) return false;
  Ymd date = ToYmd(day);
  if (date.m == 1) return day == NthMonday(date.y, 1, 2);
  if (date.m == 2) return date.d == 11 || date.d == 12;  // the day itself or its substitute
  if (date.m == 9) return day == NthMonday(date.y, 9, 3);
  if (date.m == 10) return day == NthMonday(date.y, 10, 2);
  return false;
}

// The opening day of the year races whatever its weekday; so does 28 December.
bool IsFixedRaceDay(int day) {
  Ymd date = ToYmd(day);
  if (date.m == 12) return date.d == 28;
  if (date.m != 1) return false;
  int fifth = DayNumber(date.y, 1, 5);
  int opening = Weekday(fifth) == 4 ? fifth - 1 : fifth;  // never on a switch Thursday
  return day == opening;
}

bool IsWinterBreak(int day) {
  Ymd date = ToYmd(day);
  return (date.m == 12 && date.d > 28) || (date.m == 1 && date.d < 5);
}

bool IsRaceDay(int day) {
  if (IsFixedRaceDay(day)) return true;
  if (IsWinterBreak(day)) return false;
  int weekday = Weekday(day);
  return weekday == 0 || weekday == 6 || IsRacingMondayHoliday(day);
}

// Courses of each month, the main course first; 1 札幌 .. 10 小倉.
const int kSeasonCourses[12][3] = {
    {6, 8, 7}, {5, 8, 10}, {6, 9, 7}, {6, 9, 3}, {5, 8, 4},  {5, 9, 2},
    {3, 7, 2}, {4, 10, 1}, {6, 9, 1}, {5, 8, 4}, {5, 8, 3}, {6, 9, 7},
};

std::vector<int> CoursesOf(int day) {
  Ymd date = ToYmd(day);
  int weekday = Weekday(day);
  bool weekend = weekday == 0 || weekday == 6;
  int count = (!weekend || date.m == 9) ? 2 : 3;
  const int* row = kSeasonCourses[date.m - 1];
  return std::vector<int>(row, row + count);
}

}  // namespace

bool IsValidYmd(int y, int m, int d) {
  return y >= 1900 && y <= 2999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

int DayNumber(int y, int m, int d) {
  // Days from civil (proleptic Gregorian), 1970-01-01 = 0.
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Ymd ToYmd(int day) {
  int z = day + 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = z - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  Ymd out;
  out.d = doy - (153 * mp + 2) / 5 + 1;
  out.m = mp < 10 ? mp + 3 : mp - 9;
  out.y = yoe + era * 400 + (out.m <= 2);
  return out;
}

int Weekday(int day) { return ((day % 7) + 7 + 4) % 7; }

std::string Yyyymmdd(int day) {
  Ymd date = ToYmd(day);
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", date.y, date.m, date.d);
  return text;
}

bool ParseYyyymmdd(std::string_view text, int& day) {
  if (text.size() != 8) return false;
  int values[3] = {0, 0, 0};
  const int widths[3] = {4, 2, 2};
  std::size_t at = 0;
  for (int part = 0; part < 3; ++part) {
    for (int i = 0; i < widths[part]; ++i, ++at) {
      if (text[at] < '0' || text[at] > '9') return false;
      values[part] = values[part] * 10 + (text[at] - '0');
    }
  }
  if (!IsValidYmd(values[0], values[1], values[2])) return false;
  day = DayNumber(values[0], values[1], values[2]);
  return true;
}

int WeekdayCode(int day) {
  if (IsRacingMondayHoliday(day)) return 3;
  static const int codes[7] = {2, 4, 5, 6, 7, 8, 1};  // Sunday .. Saturday
  return codes[Weekday(day)];
}

int SwitchDate(int day, int minuteOfDay) {
  const int thursday = 4;
  if (Weekday(day) == thursday) return minuteOfDay >= 18 * 60 + 30 ? day : day - 7;
  int back = day - 1;
  while (Weekday(back) != thursday) --back;
  return back;
}

const std::vector<RaceDay>& RaceCalendar::year(int y) const {
  auto found = years_.find(y);
  if (found != years_.end()) return found->second;
  std::vector<RaceDay> days;
  int lastDay[11] = {};
  int meeting[11] = {};
  int dayOfMeeting[11] = {};
  const int kDaysPerMeeting = 8;
  for (int day = DayNumber(y, 1, 1); day <= DayNumber(y, 12, 31); ++day) {
    if (!IsRaceDay(day)) continue;
    RaceDay raceDay{day, {}};
    for (int course : CoursesOf(day)) {
      bool continues = meeting[course] > 0 && day - lastDay[course] <= 13 &&
                       dayOfMeeting[course] < kDaysPerMeeting;
      if (continues) {
        ++dayOfMeeting[course];
      } else {
        ++meeting[course];
        dayOfMeeting[course] = 1;
      }
      lastDay[course] = day;
      raceDay.courses.push_back({course, meeting[course], dayOfMeeting[course]});
    }
    days.push_back(raceDay);
  }
  return years_.emplace(y, std::move(days)).first->second;
}

std::vector<RaceDay> RaceCalendar::between(int from, int to) const {
  std::vector<RaceDay> out;
  for (int y = ToYmd(from).y; y <= ToYmd(to).y; ++y) {
    for (const RaceDay& raceDay : year(y)) {
      if (raceDay.day >= from && raceDay.day <= to) out.push_back(raceDay);
    }
  }
  return out;
}

const RaceDay* RaceCalendar::find(int day) const {
  for (const RaceDay& raceDay : year(ToYmd(day).y)) {
    if (raceDay.day == day) return &raceDay;
  }
  return nullptr;
}
