// StartRun: its refusals, the busy state, headlines, outcome lines and elapsed times, with
// stand-in work registered for the run kinds.

#include "support/core_fixture.h"
#include "legacy/lzh_packer.h"
#include "support/temp_dir.h"
#include "util/result_codes.h"

#include <deque>
#include <stdexcept>

namespace {

using std::chrono::milliseconds;
using Lines = std::vector<std::string>;

class RunDriverTest : public CoreTest {
 protected:
  // Every kind runs `work` and counts its calls.
  void RegisterStandIns(std::function<int()> work) {
    for (std::uint8_t kind = 1; kind <= kLastRunKind; ++kind) {
      core.RegisterRunKind(kind, [this, kind, work](const RunDates& dates) {
        calls.push_back(kind);
        lastDates = dates;
        return work();
      });
    }
  }

  std::vector<std::uint8_t> calls;
  RunDates lastDates;
};

TEST_F(RunDriverTest, TimerPageRunsNothingAndEndsLikeASuccessfulRun) {
  RegisterStandIns([] { return kResultOk; });
  core.Inputs.activePage = RunPage::Timer;
  WriteAll(store.Out("new.txt"), "x");

  RunOutcome outcome = core.StartRun(kRunByPage);

  EXPECT_TRUE(outcome.Succeeded());
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(Log(), (Lines{"", "> 処理終了", "  ﾀﾞｳﾝﾛｰﾄﾞ : 0.000 sec", "", kDashes, ""}));
  EXPECT_EQ(host.statusTexts, (Lines{" ■■■ 処理中 ■■■", ""}));
  EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false}));
  EXPECT_EQ(events.runningChanges, (std::vector<bool>{true, false}));
  EXPECT_FALSE(core.Running());
  EXPECT_EQ(core.OutDirFiles(), Lines{"new.txt"}) << "the listing is refreshed after the run";
}

TEST_F(RunDriverTest, ElapsedTimesAreSecondsAndThreeDigitMilliseconds) {
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {Record("RA", "20230105", "a")});
  struct Case {
    RunPage page;
    std::uint8_t startKind;
    std::uint8_t workKind;
    std::function<int(TAppCore&)> work;
    Lines expected;
  } cases[] = {
      // One request that took 1 minute 5.2 seconds on the core's clock.
      {RunPage::Set, kRunByPage, kRunSet,
       [this](TAppCore& c) {
         c.Request = store.StoredRequest();
         return c.RunStoredRequest();
       },
       {"《 セット取得 》", "> 蓄積(RACE) …… OK", "", "> 処理終了", "  ﾀﾞｳﾝﾛｰﾄﾞ : 65.200 sec"}},
      // A conversion of 2 minutes 3.004 seconds: the legacy run adds its line.
      {RunPage::Legacy, kRunByPage, kRunLegacy,
       [](TAppCore& c) {
         c.ConvertTime = milliseconds{123004};
         return kResultOk;
       },
       {"《 旧仕様変換 》", "", "> 処理終了", "  ﾀﾞｳﾝﾛｰﾄﾞ : 0.000 sec", "  変換処理 : 123.004 sec"}},
      // Hours count as seconds too.
      {RunPage::Custom, kRunByPage, kRunCustomUpdate,
       [](TAppCore& c) {
         c.UpdateTime = milliseconds{3600001};
         return kResultOk;
       },
       {"《 カスタム出力 データベース更新 》", "", "> 処理終了", "  ﾀﾞｳﾝﾛｰﾄﾞ : 0.000 sec",
        "  更新処理 : 3600.001 sec"}},
      {RunPage::Custom, kRunCustomRealtime, kRunCustomRealtime, [](TAppCore&) { return kResultOk; },
       {"《 カスタム出力 》", "", "> 処理終了", "  ﾀﾞｳﾝﾛｰﾄﾞ : 0.000 sec",
        "  更新処理 : 0.000 sec"}},
  };
  for (const Case& c : cases) {
    host.mainPane.clear();
    std::deque<milliseconds> ticks{milliseconds{1000}, milliseconds{66200}};
    core.SetClock([&ticks] {
      milliseconds now = ticks.front();
      if (ticks.size() > 1) ticks.pop_front();
      return now;
    });
    core.RegisterRunKind(c.workKind, [&](const RunDates&) { return c.work(core); });
    core.Inputs.activePage = c.page;
    core.Inputs.set.selectedSet = 0;
    core.Inputs.legacy.checkLegKishu = true;

    EXPECT_TRUE(core.StartRun(c.startKind).Succeeded());
    Lines expected = c.expected;
    expected.insert(expected.end(), {"", kDashes, ""});
    EXPECT_EQ(Log(), expected) << c.expected.front();
  }
}

TEST_F(RunDriverTest, AFailedRunLogsNoTimesAndDoesNotCloseAnAutoStartedProgram) {
  int result = kResultFailed;
  RegisterStandIns([&result] { return result; });
  core.CloseOnSuccess = true;
  core.Inputs.activePage = RunPage::Custom;

  RunOutcome outcome = core.StartRun(kRunCustomRealtime);
  EXPECT_TRUE(outcome.started);
  EXPECT_EQ(outcome.result, kResultFailed);
  EXPECT_EQ(Log(), (Lines{"《 カスタム出力 》", "", "*** 正常に取得できませんでした", "", kDashes, ""}));
  EXPECT_EQ(events.closeRequests, 0);
  EXPECT_EQ(core.RunKind, kRunCustomRealtime);

  // Any later successful run closes it.
  result = kResultOk;
  EXPECT_TRUE(core.StartRun(kRunCustomRealtime).Succeeded());
  EXPECT_EQ(events.closeRequests, 1);
}

TEST_F(RunDriverTest, TheCancelFlagOfAnIdleWindowIsClearedWhenTheNextRunStarts) {
  bool cancelledInRun = true;
  RegisterStandIns([&] {
    cancelledInRun = core.Session().IsCancelled();
    return kResultOk;
  });
  core.Inputs.activePage = RunPage::Custom;
  core.Cancel();
  EXPECT_TRUE(core.Session().IsCancelled());

  core.StartRun(kRunCustomRealtime);
  EXPECT_FALSE(cancelledInRun);
}

TEST_F(RunDriverTest, RunFiguresStartFromZeroAndDatesReachTheWork) {
  RegisterStandIns([this] {
    EXPECT_EQ(core.OkCount, 0);
    EXPECT_EQ(core.DownloadTime, milliseconds{0});
    EXPECT_EQ(core.ConvertTime, milliseconds{0});
    core.OkCount = 3;
    core.DownloadTime = core.ConvertTime = milliseconds{5};
    return kResultOk;
  });
  core.Inputs.activePage = RunPage::Custom;
  core.StartRun(kRunLegacyPast, "20240101", "20240131");
  core.StartRun(kRunLegacyPast);
  EXPECT_EQ(calls, (std::vector<std::uint8_t>{kRunLegacyPast, kRunLegacyPast}));
  EXPECT_EQ(core.OkCount, 3) << "kept after the run";
  core.StartRun(kRunLegacyPastOld, "20240101", "20240131");
  EXPECT_EQ(lastDates.from, "20240101");
  EXPECT_EQ(lastDates.to, "20240131");
}

TEST_F(RunDriverTest, RefusalsShowTheirMessageAndLeaveTheWindowIdle) {
  struct Case {
    const char* name;
    std::function<void(TAppCore&)> setUp;
    std::uint8_t kind;
    HostMessage::Kind box;
    std::string message;
  } cases[] = {
      {"no representative folder", [](TAppCore& c) { c.Config().OutDir[0].clear(); }, kRunByPage,
       HostMessage::Warn,
       "出力用【代表フォルダ】が指定されていません。\r\n\r\n「オプション設定」で指定を行って下さい。"},
      {"no set", [](TAppCore&) {}, kRunByPage, HostMessage::Warn,
       "取得対象のセットが選択されていません"},
      {"the page is checked for kind 12 too", [](TAppCore&) {}, kRunCustomRealtime,
       HostMessage::Warn, "取得対象のセットが選択されていません"},
      {"no legacy box", [](TAppCore& c) { c.Inputs.activePage = RunPage::Legacy; }, kRunByPage,
       HostMessage::Warn, "取得対象データが選択されていません"},
      {"race cards without a race day",
       [](TAppCore& c) {
         c.Inputs.activePage = RunPage::Legacy;
         c.Inputs.legacy.checkLegHatsu = true;
       },
       kRunByPage, HostMessage::Warn, "取得対象日付が指定されていません"},
      {"no race day for odds", [](TAppCore& c) { c.Inputs.activePage = RunPage::Rtd; },
       kRunByPage, HostMessage::Warn, "取得開催日が選択されていません"},
      {"no stored kind", [](TAppCore& c) { c.Inputs.activePage = RunPage::Chikuseki; },
       kRunByPage, HostMessage::Warn, "データ種別が指定されていません"},
      {"no option",
       [](TAppCore& c) {
         c.Inputs.activePage = RunPage::Chikuseki;
         c.Inputs.stored.dataSpecIndex = 1;
       },
       kRunByPage, HostMessage::Warn, "オプションが指定されていません"},
      {"no real-time kind", [](TAppCore& c) { c.Inputs.activePage = RunPage::Sokuho; },
       kRunByPage, HostMessage::Warn, "データ種別が指定されていません"},
      {"LZH without a packer",
       [](TAppCore& c) {
         c.Inputs.activePage = RunPage::Legacy;
         c.Inputs.legacy.checkLegKishu = true;
         c.Config().LegLzhOut = true;
         c.SetArchiverCheck([] { return false; });
       },
       kRunByPage, HostMessage::Error, std::string(kArchiverMissingMessage)},
      {"LZH without a packer, menu run",
       [](TAppCore& c) {
         c.Inputs.activePage = RunPage::Custom;
         c.Config().LegLzhOut = true;
         c.SetArchiverCheck([] { return false; });
       },
       kRunLegacyActive, HostMessage::Error, std::string(kArchiverMissingMessage)},
  };
  for (const Case& c : cases) {
    CoreTest::ClearRecords();
    calls.clear();
    RegisterStandIns([] { return kResultOk; });
    core.Config().OutDir[0] = store.outDir;
    core.Config().LegLzhOut = false;
    core.SetArchiverCheck([] { return true; });
    core.Inputs = RunInput{};
    c.setUp(core);

    RunOutcome outcome = core.StartRun(c.kind);
    EXPECT_FALSE(outcome.started) << c.name;
    ASSERT_EQ(host.messages.size(), 1u) << c.name;
    EXPECT_EQ(host.messages[0].kind, c.box) << c.name;
    EXPECT_EQ(host.messages[0].text, c.message) << c.name;
    EXPECT_TRUE(calls.empty()) << c.name;
    EXPECT_TRUE(Log().empty()) << c.name;
    EXPECT_TRUE(host.busyChanges.empty()) << c.name;
    EXPECT_TRUE(events.runningChanges.empty()) << c.name;
  }
}

TEST_F(RunDriverTest, PastResultsSkipThePageCheckAndLzhOffNeedsNoPacker) {
  RegisterStandIns([] { return kResultOk; });
  core.Config().LegLzhOut = false;
  core.SetArchiverCheck([] { return false; });
  core.Inputs.activePage = RunPage::Set;  // no set chosen
  EXPECT_TRUE(core.StartRun(kRunLegacyPast, "20240101", "20240131").Succeeded());
  EXPECT_TRUE(core.StartRun(kRunLegacyPastOld, "20240101", "20240131").Succeeded());
  EXPECT_EQ(calls, (std::vector<std::uint8_t>{kRunLegacyPast, kRunLegacyPastOld}));
}

TEST_F(RunDriverTest, AKindNotBuiltIsRefusedNeverReportedAsSuccess) {
  core.Inputs.activePage = RunPage::Legacy;
  core.Inputs.legacy.checkLegKishu = true;

  RunOutcome outcome = core.StartRun(kRunByPage);
  EXPECT_FALSE(outcome.started);
  EXPECT_FALSE(outcome.Succeeded());
  ASSERT_EQ(host.texts(HostMessage::Warn).size(), 1u);
  EXPECT_EQ(host.texts(HostMessage::Warn)[0],
            "《 旧仕様変換 》\r\n\r\nこの処理はこのバージョンでは使用できません。");
  EXPECT_TRUE(Log().empty());
}

TEST_F(RunDriverTest, ThePageChoosesTheKind) {
  RegisterStandIns([] { return kResultOk; });
  core.Inputs.set.selectedSet = 0;
  core.Inputs.legacy.checkLegKishu = true;
  core.Inputs.rtd.selectedRaceDay = 0;
  core.Inputs.stored = {1, "2023", "01", "01", "00", "00", "00", 0};
  core.Inputs.realtime.dataSpecIndex = 0;
  struct Case {
    RunPage page;
    int layout;
    std::uint8_t kind;
    const char* headline;
  } cases[] = {
      {RunPage::Set, 0, kRunSet, "《 セット取得 》"},
      {RunPage::Legacy, 0, kRunLegacy, "《 旧仕様変換 》"},
      {RunPage::Rtd, 0, kRunRtdJvData, "《 速報オッズ 》"},
      {RunPage::Rtd, 1, kRunRtdOld, "《 旧RTD変換 》"},
      {RunPage::Custom, 0, kRunCustomUpdate, "《 カスタム出力 データベース更新 》"},
      {RunPage::Chikuseki, 0, kRunIndividualStored, "《 個別取得（蓄積系） 》"},
      {RunPage::Sokuho, 0, kRunIndividualRealtime, "《 個別取得（速報系） 》"},
  };
  for (const Case& c : cases) {
    host.mainPane.clear();
    core.Inputs.activePage = c.page;
    core.Inputs.rtd.layoutIndex = c.layout;
    core.StartRun(kRunByPage);
    EXPECT_EQ(core.RunKind, c.kind) << c.headline;
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log().front(), c.headline);
  }
}

TEST_F(RunDriverTest, AnUnexpectedErrorStillRestoresTheWindow) {
  RegisterStandIns([]() -> int { throw std::runtime_error("disk on fire"); });
  core.Inputs.activePage = RunPage::Custom;

  RunOutcome outcome = core.StartRun(kRunCustomRealtime);
  EXPECT_EQ(outcome.result, kResultFailed);
  EXPECT_EQ(host.texts(HostMessage::Error),
            Lines{"予期しないエラーが発生しました。\r\n\r\ndisk on fire"});
  EXPECT_EQ(host.statusTexts.back(), "");
  EXPECT_EQ(host.busyChanges.back(), false);
  EXPECT_FALSE(core.Running());
  EXPECT_EQ(Log(), Lines{"《 カスタム出力 》"});
}

TEST_F(RunDriverTest, ASecondRunIsRefusedWhileOneIsRunning) {
  RunOutcome inner;
  RegisterStandIns([&] {
    if (calls.size() == 1) inner = core.StartRun(kRunCustomRealtime);
    return kResultOk;
  });
  core.Inputs.activePage = RunPage::Custom;

  EXPECT_TRUE(core.StartRun(kRunCustomRealtime).Succeeded());
  EXPECT_FALSE(inner.started);
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_EQ(host.texts(HostMessage::Warn).size(), 1u);
}

}  // namespace
