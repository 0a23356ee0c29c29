// The switch date and the race days of the week, read from schedule.dat files written by the
// test, with "now" fixed by the test.

#include "config/tconfig.h"
#include "sets/kijun_date.h"
#include "sets/race_day_lists.h"
#include "sets/schedule.h"
#include "sets/schedule_lines.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

LocalDateTime At(int y, unsigned m, unsigned d, int hour = 12, int minute = 0) {
  return {year{y} / month{m} / day{d}, hour, minute, 0};
}

// A YS record line: id, data category, creation date, race date, course, then the rest.
std::string Ys(const std::string& date, const std::string& course, const std::string& tail = "") {
  return "YS1" + std::string("20261201") + date + course + "0101" + tail;
}

TEST(CalcKijunDateTest, FindsTheLatestSwitchMoment) {
  struct Case {
    LocalDateTime now;
    int yobi, hh, nn;
    int result;
    const char* date;
  };
  const Case cases[] = {
      {At(2026, 12, 10, 18, 29), 5, 18, 30, 0, "20261203"},  // Thursday, one minute early
      {At(2026, 12, 10, 18, 30), 5, 18, 30, 0, "20261210"},  // Thursday, at the moment
      {At(2026, 12, 12), 5, 18, 30, 0, "20261210"},          // Saturday
      {At(2026, 12, 9, 23, 59), 5, 18, 30, 0, "20261203"},   // Wednesday: six days back
      {At(2027, 1, 2), 5, 18, 30, 0, "20261231"},            // back across New Year
      {At(2026, 12, 13, 0, 0), 1, 0, 0, 0, "20261213"},      // Sunday at midnight
      {At(2026, 12, 12), 0, 18, 30, 0, "20261210"},          // weekday 0 counts as Thursday
      {At(2026, 12, 12), 8, 18, 30, 0, "20261210"},
      {At(2026, 12, 12), 5, 24, 0, 90, "unchanged"},
      {At(2026, 12, 12), 5, 18, 60, 90, "unchanged"},
  };
  for (const Case& c : cases) {
    std::string date = "unchanged";
    EXPECT_EQ(CalcKijunDate(c.now, c.yobi, c.hh, c.nn, date), c.result) << c.date;
    EXPECT_EQ(date, c.date);
  }
}

class ScheduleTest : public ::testing::Test {
 protected:
  ScheduleTest() : config(host, dir.path()) {
    config.KijunYobi = 5;
    config.KijunHH = 18;
    config.KijunNN = 30;
  }
  void WriteSchedule(const std::vector<std::string>& lines) {
    WriteAll(dir.file(kScheduleFileName), JoinCrLf(lines));
  }
  TSchedule& Start(LocalDateTime now) {
    schedule = std::make_unique<TSchedule>(config, host, [now] { return now; });
    return *schedule;
  }
  std::vector<std::string> Courses(int d) {
    return {schedule->GetJoCode(d, 1), schedule->GetJoCode(d, 2), schedule->GetJoCode(d, 3)};
  }

  TempDir dir;
  RecordingHost host;
  TConfig config;
  std::unique_ptr<TSchedule> schedule;
};

using Codes = std::vector<std::string>;

TEST_F(ScheduleTest, SaturdayAndSundayAtThreeCoursesEach) {
  WriteSchedule({Ys("20261206", "06"),  // last week: before the switch date
                 Ys("20261212", "05"), Ys("20261212", "06"), Ys("20261212", "09"),
                 Ys("20261213", "05"), Ys("20261213", "06"), Ys("20261213", "09"),
                 Ys("20261219", "05")});  // next week
  TSchedule& s = Start(At(2026, 12, 11));

  EXPECT_TRUE(s.Loaded);
  EXPECT_EQ(s.KijunDate, "20261210");
  EXPECT_EQ(s.GetDayCount(), 2);
  EXPECT_EQ(s.GetDate(0), "20261212");
  EXPECT_EQ(s.GetDate(1), "20261213");
  EXPECT_EQ(s.GetDate(2), "");
  EXPECT_EQ(Courses(0), (Codes{"05", "06", "09"}));
  EXPECT_EQ(Courses(1), (Codes{"05", "06", "09"}));
  EXPECT_EQ(s.GetDateText(0), "26年 12月 12日（土曜日）");
  EXPECT_EQ(s.GetDateText(1), "26年 12月 13日（日曜日）");
  EXPECT_EQ(s.GetDateText(2), "");
  EXPECT_EQ(s.EndDate, "20261214") << "the Monday";
  for (int code = 1; code <= 10; ++code) {
    EXPECT_EQ(s.HasJo(code), code == 5 || code == 6 || code == 9) << code;
  }
  EXPECT_FALSE(s.HasJo(0));
  EXPECT_FALSE(s.HasJo(11));
  EXPECT_EQ(RaceDayListItems(s), (Codes{"26年 12月 12日（土曜日）", "26年 12月 13日（日曜日）"}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ScheduleTest, FourthCourseAndRepeatedLinesAreNotHeld) {
  WriteSchedule({Ys("20261212", "05"), Ys("20261212", "05", "again"), Ys("20261212", "09"),
                 Ys("20261212", "06"), Ys("20261212", "08"),
                 Ys("20261213", "06"), Ys("20261213", "06")});
  TSchedule& s = Start(At(2026, 12, 11));

  EXPECT_EQ(s.GetDayCount(), 2);
  EXPECT_EQ(Courses(0), (Codes{"05", "09", "06"})) << "file order; 05 held once";
  EXPECT_EQ(Courses(1), (Codes{"06", "00", "00"}));
  EXPECT_FALSE(s.HasJo(8));
}

TEST_F(ScheduleTest, OnlyTheCurrentYearIsOfferedAcrossNewYear) {
  std::vector<std::string> lines = {Ys("20261231", "06"), Ys("20270102", "06"),
                                    Ys("20270103", "08")};
  WriteSchedule(lines);
  TSchedule& lastYear = Start(At(2026, 12, 31, 20, 0));
  EXPECT_EQ(lastYear.KijunDate, "20261231");
  EXPECT_EQ(lastYear.GetDayCount(), 1);
  EXPECT_EQ(lastYear.GetDate(0), "20261231");
  EXPECT_EQ(lastYear.EndDate, "20270101");

  TSchedule& newYear = Start(At(2027, 1, 2));
  EXPECT_EQ(newYear.KijunDate, "20261231");
  EXPECT_EQ(newYear.GetDayCount(), 2);
  EXPECT_EQ(newYear.GetDate(0), "20270102");
  EXPECT_EQ(newYear.GetDateText(1), "27年 01月 03日（日曜日）");
}

TEST_F(ScheduleTest, SeventhRaceDayAndBrokenLinesArePassedOver) {
  // All seven days of the window race.
  WriteSchedule({"YS", Ys("20261210", "01").substr(0, 20), Ys("20261232", "01"),
                 Ys("2026121A", "01"), Ys("20261210", "00"), Ys("20261210", "11"),
                 Ys("20261210", "1 "), Ys("20261210", "01"), Ys("20261211", "02"),
                 Ys("20261212", "03"), Ys("20261213", "04"), Ys("20261214", "07"),
                 Ys("20261215", "08"), Ys("20261216", "10")});
  TSchedule& s = Start(At(2026, 12, 11));
  EXPECT_EQ(s.Load(), 0);
  EXPECT_EQ(s.GetDayCount(), 6);
  EXPECT_EQ(s.GetDate(5), "20261215");
  EXPECT_EQ(s.EndDate, "20261216");
  EXPECT_FALSE(s.HasJo(10)) << "the seventh day";
  EXPECT_EQ(Courses(0), (Codes{"01", "00", "00"}));
  EXPECT_EQ(RaceDayListItems(s).size(), 4u) << "the lists show four days at most";
}

TEST_F(ScheduleTest, MissingEmptyFilesAndBadSettings) {
  TSchedule& none = Start(At(2026, 12, 11));
  EXPECT_FALSE(none.Loaded);
  EXPECT_EQ(none.Load(), 6);
  EXPECT_EQ(none.EndDate, "");

  WriteSchedule({});
  EXPECT_EQ(none.Load(), 6);
  EXPECT_TRUE(none.Loaded);
  EXPECT_EQ(none.EndDate, "");

  WriteSchedule({Ys("20261212", "05")});
  none.KijunDate = "20261399";
  EXPECT_EQ(none.Load(), 9);
  EXPECT_EQ(none.GetDayCount(), 0);

  config.KijunHH = 25;
  TSchedule& badHour = Start(At(2026, 12, 11));
  EXPECT_EQ(badHour.KijunDate, "");
  EXPECT_FALSE(badHour.Loaded) << "not loaded at all";

  config.KijunHH = 18;
  config.KijunYobi = 0;
  TSchedule& badWeekday = Start(At(2026, 12, 11));
  EXPECT_EQ(badWeekday.KijunDate, "20261210");
  EXPECT_EQ(badWeekday.GetDayCount(), 1);
  ASSERT_EQ(host.texts(HostMessage::Warn).size(), 1u);
  EXPECT_NE(host.texts(HostMessage::Warn)[0].find("KijunYobi=0"), std::string::npos);
}

TEST_F(ScheduleTest, SubstituteRaceDayRewritesOneLineAndReloads) {
  std::vector<std::string> lines = {Ys("20261212", "05", "A"), Ys("20261213", "05", "B"),
                                    Ys("20261213", "06", "C"), Ys("20261213", "06", "D")};
  TSchedule& s = Start(At(2026, 12, 11));
  EXPECT_EQ(s.SubstituteRaceDay("20261213", "06", "20261214"), SubstituteResult::NoSchedule);

  WriteSchedule(lines);
  EXPECT_EQ(s.SubstituteRaceDay("20261213", "07", "20261214"), SubstituteResult::NotFound);
  EXPECT_EQ(ReadAll(s.FilePath()), JoinCrLf(lines));

  EXPECT_EQ(s.SubstituteRaceDay("20261213", "06", "20261214"), SubstituteResult::Done);
  lines[2] = "YS2" "20261211" "20261214" "06" "0101" "C";
  EXPECT_EQ(ReadAll(s.FilePath()), JoinCrLf(lines));
  // The moved meeting now stands before a later line of its old day, yet the days stay in order.
  EXPECT_EQ(s.GetDayCount(), 3);
  EXPECT_EQ(s.GetDate(1), "20261213");
  EXPECT_EQ(s.GetDate(2), "20261214");
  EXPECT_EQ(Courses(1), (Codes{"05", "06", "00"}));
  EXPECT_EQ(Courses(2), (Codes{"06", "00", "00"}));
}

TEST(ScheduleLinesTest, SortsByDateAndCourseThenLineAndKeepsOneYear) {
  std::vector<std::string> lines = {Ys("20270105", "06"), Ys("20261213", "09"),
                                    Ys("20261212", "06", "b"), Ys("20261212", "06", "A"),
                                    Ys("20261212", "05")};
  std::vector<std::string> sorted = SortScheduleLines(lines);
  EXPECT_EQ(sorted, (Codes{lines[4], lines[3], lines[2], lines[1], lines[0]}));
  EXPECT_EQ(ScheduleLinesOfYear(sorted, "2026"), (Codes{lines[4], lines[3], lines[2], lines[1]}));
}

}  // namespace
