// The schedule update through the session and the emulator: what reaches schedule.dat, the busy
// state and log, and how each failure is reported.

#include "app/app_core.h"
#include "sets/schedule.h"
#include "sets/schedule_update.h"
#include "support/core_fixture.h"
#include "util/file_io.h"
#include "util/result_codes.h"

#include <filesystem>

namespace {

using Lines = std::vector<std::string>;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr const char* kFailed = "スケジュールファイルの取得に失敗しました";

// A YS record as received: id, data category, creation date, race date, course, the rest.
std::string Ys(const std::string& date, const std::string& course, const std::string& tag = "") {
  std::string line = "YS1" + std::string("20261201") + date + course + "0101" + tag;
  return line + std::string(40 - line.size(), ' ');
}

std::vector<std::string> WithLineEnds(const Lines& lines) {
  std::vector<std::string> records;
  for (const std::string& line : lines) records.push_back(line + "\r\n");
  return records;
}

class ScheduleUpdateTest : public CoreTest {
 protected:
  ScheduleUpdateTest() {
    TSchedule& schedule = core.Schedule();
    schedule.SetClock([] { return LocalDateTime{year{2026} / month{12} / day{11}, 12, 0, 0}; });
    schedule.CalcKijunDate();
    // Published on 1 December, unsorted, with next year's first day and a repeated line.
    store.AddStored("YSCH", "YSYS", "20261212", "20261201090000",
                    WithLineEnds({sun06, sat09, sat05, nextYear, sat05}));
    // Published on 10 December, for a day before every date asked for below.
    store.AddStored("YSCH", "YSYS", "20261101", "20261210090000", WithLineEnds({november}));
    ClearRecords();
  }
  std::string SchedulePath() { return core.Schedule().FilePath(); }

  const std::string sat05 = Ys("20261212", "05");
  const std::string sat09 = Ys("20261212", "09");
  const std::string sun06 = Ys("20261213", "06");
  const std::string nextYear = Ys("20270105", "06");
  const std::string november = Ys("20261101", "05");
};

TEST_F(ScheduleUpdateTest, WritesThisYearsLinesSortedAndReloads) {
  core.Config().NamingPattern = 1;  // the second pattern: schedule.txt all the same
  WriteAll(core.Config().TempDir + "/stale.txt", "x");
  core.Cancel();  // pressed while idle: no effect on the update

  EXPECT_EQ(UpdateSchedule(core, "20261120"), kResultOk);

  EXPECT_EQ(ReadAll(SchedulePath()), JoinCrLf({sat05, sat05, sat09, sun06}));
  EXPECT_FALSE(std::filesystem::exists(core.Config().TempDir + "/stale.txt"));
  EXPECT_EQ(Log(), (Lines{"", "《 スケジュールの更新 》", "", "> 蓄積(YSCH) …… OK", "",
                          "*** 正常終了", "", kDashes, ""}));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(core.RunKind, kRunSchedule);
  EXPECT_EQ(core.Request.FromTime, "20261120000000");
  EXPECT_EQ(host.statusTexts, (Lines{" ■■■ 処理中 ■■■", ""}));
  EXPECT_EQ(events.runningChanges, (std::vector<bool>{true, false}));
  EXPECT_FALSE(core.Running());

  const TSchedule& schedule = core.Schedule();
  EXPECT_TRUE(schedule.Loaded);
  EXPECT_EQ(schedule.GetDayCount(), 2);
  EXPECT_EQ(schedule.GetJoCode(0, 2), "09");
  EXPECT_EQ(schedule.EndDate, "20261214");
}

TEST_F(ScheduleUpdateTest, ARequestWithoutDataLeavesTheScheduleAndWarnsOrLogs) {
  for (bool quiet : {false, true}) {
    ClearRecords();
    WriteAll(SchedulePath(), "kept\r\n");
    core.Config().ControlPopup = quiet;

    // Nothing was published after the last race date asked for.
    EXPECT_EQ(UpdateSchedule(core, "20261211"), kResultFailed);

    EXPECT_EQ(ReadAll(SchedulePath()), "kept\r\n");
    EXPECT_EQ(host.texts(HostMessage::Warn), quiet ? Lines{} : Lines{kFailed});
    Lines tail = quiet ? Lines{"> 蓄積(YSCH) データなし", kFailed, "", "*** 正常に取得できませんでした"}
                       : Lines{"> 蓄積(YSCH) データなし", "", "*** 正常に取得できませんでした"};
    EXPECT_EQ(Lines(Log().begin() + 3, Log().begin() + 3 + static_cast<long>(tail.size())), tail);
    EXPECT_EQ(Log()[Log().size() - 2], kDashes);
  }
}

TEST_F(ScheduleUpdateTest, NothingReceivedAfterTheDateIsAnErrorAndKeepsTheSchedule) {
  WriteAll(SchedulePath(), "kept\r\n");
  // Only the file of 10 December is selected, and its one day lies before the date.
  EXPECT_EQ(UpdateSchedule(core, "20261205"), kResultFailed);
  EXPECT_EQ(ReadAll(SchedulePath()), "kept\r\n");
  EXPECT_EQ(host.texts(HostMessage::Error), Lines{kFailed});
  EXPECT_EQ(Log()[3], "> 蓄積(YSCH) …… OK");
  EXPECT_EQ(Log()[5], "*** 正常に取得できませんでした");
}

TEST_F(ScheduleUpdateTest, IsRefusedWhileARunIsActive) {
  int nested = -1;
  core.RegisterRunKind(kRunSet, [&](const RunDates&) {
    nested = UpdateSchedule(core, "20261120");
    return kResultOk;
  });
  core.Inputs.set.selectedSet = 0;
  EXPECT_TRUE(core.StartRun(kRunByPage).Succeeded());
  EXPECT_EQ(nested, kResultFailed);
  EXPECT_EQ(host.texts(HostMessage::Warn),
            Lines{"現在、他の処理を実行中です。\r\n処理の終了後に再実行して下さい。"});
  EXPECT_FALSE(std::filesystem::exists(SchedulePath()));
}

}  // namespace
