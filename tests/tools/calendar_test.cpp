#include "calendar.h"

#include <gtest/gtest.h>

namespace {

int Day(int y, int m, int d) { return DayNumber(y, m, d); }

TEST(SwitchDate, TheWeekTurnsOnThursdayAtHalfPastSix) {
  struct Case {
    int day, minute, expected;
  } cases[] = {
      {Day(2026, 6, 11), 18 * 60 + 29, Day(2026, 6, 4)},  // Thursday, a minute early
      {Day(2026, 6, 11), 18 * 60 + 30, Day(2026, 6, 11)},
      {Day(2026, 6, 11), 0, Day(2026, 6, 4)},
      {Day(2026, 6, 15), 12 * 60, Day(2026, 6, 11)},       // Monday
      {Day(2026, 6, 17), 23 * 60 + 59, Day(2026, 6, 11)},  // Wednesday
      {Day(2027, 1, 1), 12 * 60, Day(2026, 12, 31)},       // across New Year
  };
  for (const Case& c : cases) EXPECT_EQ(Yyyymmdd(SwitchDate(c.day, c.minute)), Yyyymmdd(c.expected)) << Yyyymmdd(c.day);
}

TEST(RaceCalendar, EveryRacingWeekHasRaceDaysAtTwoOrThreeCourses) {
  RaceCalendar calendar;
  for (int thursday = Day(2019, 1, 3); thursday < Day(2031, 1, 1); thursday += 7) {
    std::vector<RaceDay> days = calendar.between(thursday, thursday + 6);
    ASSERT_FALSE(days.empty()) << "no race day in the week from " << Yyyymmdd(thursday);
    EXPECT_LE(days.size(), 4u) << Yyyymmdd(thursday);
    for (const RaceDay& day : days) {
      ASSERT_GE(day.courses.size(), 2u);
      ASSERT_LE(day.courses.size(), 3u);
      for (const CourseMeeting& m : day.courses) {
        EXPECT_TRUE(m.course >= 1 && m.course <= 10);
        EXPECT_TRUE(m.dayOfMeeting >= 1 && m.dayOfMeeting <= 8) << Yyyymmdd(day.day);
        EXPECT_GE(m.meeting, 1);
      }
    }
  }
}

TEST(RaceCalendar, HolidaysAndTheNewYearBreak) {
  RaceCalendar calendar;
  struct Case {
    int day;
    bool races;
    int weekdayCode;
  } cases[] = {
      {Day(2026, 10, 12), true, 3},   // スポーツの日: a Monday holiday races, coded as a holiday
      {Day(2026, 10, 19), false, 4},  // an ordinary Monday
      {Day(2026, 10, 17), true, 1},   // Saturday
      {Day(2026, 10, 18), true, 2},   // Sunday
      {Day(2027, 1, 5), true, 5},     // the opening day, a Tuesday
      {Day(2027, 1, 2), false, 1},    // a Saturday of the break
      {Day(2026, 12, 28), true, 4},   // the last day of the year, a Monday
  };
  for (const Case& c : cases) {
    EXPECT_EQ(calendar.find(c.day) != nullptr, c.races) << Yyyymmdd(c.day);
    EXPECT_EQ(WeekdayCode(c.day), c.weekdayCode) << Yyyymmdd(c.day);
  }
}

TEST(ParseYyyymmdd, AcceptsRealDatesOnly) {
  int day = 0;
  EXPECT_TRUE(ParseYyyymmdd("20240229", day));
  EXPECT_EQ(Yyyymmdd(day), "20240229");
  for (const char* bad : {"20230229", "20261301", "2026061", "2026O611", "202606110", "00000000"}) {
    EXPECT_FALSE(ParseYyyymmdd(bad, day)) << bad;
  }
}

}  // namespace
