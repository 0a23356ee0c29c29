#pragma once
// Dates as day numbers (days since 1970-01-01) and the racing calendar the generator follows:
// which days are race days, at which courses, with their meeting and day-of-meeting numbers.
// The calendar depends only on the date, never on the seed, so every data kind agrees on it.

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct Ymd {
  int y = 0, m = 0, d = 0;
};

bool IsValidYmd(int y, int m, int d);
int DayNumber(int y, int m, int d);
Ymd ToYmd(int day);
int Weekday(int day);  // 0 Sunday .. 6 Saturday
std::string Yyyymmdd(int day);
// false for text that is not eight digits forming a real date
bool ParseYyyymmdd(std::string_view text, int& day);

// The weekday code of JV-Data: 1 Saturday, 2 Sunday, 3 a holiday, 4 Monday .. 8 Friday.
int WeekdayCode(int day);

// The day the racing week that contains `minuteOfDay` on `day` began: the latest Thursday whose
// 18:30 has passed (the program's default switch).
int SwitchDate(int day, int minuteOfDay);

struct CourseMeeting {
  int course = 0;        // 1 .. 10
  int meeting = 0;       // 開催回 within the year
  int dayOfMeeting = 0;  // 開催日目
};

struct RaceDay {
  int day = 0;
  std::vector<CourseMeeting> courses;  // two or three, in the order the schedule lists them
};

class RaceCalendar {
 public:
  // Every race day of the year, in date order.
  const std::vector<RaceDay>& year(int y) const;
  // Race days from `from` to `to`, both included.
  std::vector<RaceDay> between(int from, int to) const;
  // The race day on `day`, or nullptr.
  const RaceDay* find(int day) const;

 private:
  mutable std::map<int, std::vector<RaceDay>> years_;  // built on first use
};
