// Set acquisition through the run driver, the session and the emulator, on stores written by the
// test: which requests a set makes, what they write, and which from-times advance and are saved.

#include "app/app_core.h"
#include "config/profile_file.h"
#include "jvlink/download_cache.h"
#include "sets/set_def.h"
#include "support/core_fixture.h"
#include "util/file_io.h"
#include "util/result_codes.h"

#include <filesystem>

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kFrom = "20230101000000";

class SetAcquisitionTest : public CoreTest {
 protected:
  SetAcquisitionTest() {
    core.SetClock([] { return std::chrono::milliseconds{0}; });  // elapsed times read 0.000
    for (std::string& fromTime : core.Config().FromTime) fromTime = kFrom;
    store.AddStored("TOKU", "TKTO", "20230105", "20230106100000", {tk});
    store.AddStored("RACE", "RARA", "20230105", "20230106120000", {ra1, se1, hr});
    store.AddStored("RACE", "RARA", "20230106", "20230107120000", {ra2, se2});
    store.AddStored("DIFN", "UMDI", "20230105", "20230106130000", {um});
  }

  // Set 1 fetches these kinds (number, record ids) with option 1.
  void DefineSet(const std::vector<std::pair<int, Lines>>& targets) {
    _Bank bank = EmptyBank();
    for (const auto& [kind, ids] : targets) {
      _BankSpec& bankSpec = bank.Specs[static_cast<std::size_t>(kind - 1)];
      bankSpec.Taisho = true;
      std::copy(ids.begin(), ids.end(), bankSpec.RecSpec.begin());
    }
    core.Sets().SetBank(0, bank);
  }
  RunOutcome RunSet1() {
    core.Inputs.activePage = RunPage::Set;
    core.Inputs.set.selectedSet = 0;
    return core.StartRun(kRunByPage);
  }
  std::string Out(const std::string& kind, const std::string& record) {
    return store.Out(kind + "_" + record + "_2301010000.txt");
  }
  // FromTime1..13 as the settings file holds them now.
  Lines SavedFromTimes() {
    ProfileReader file(ReadAll(core.Config().IniPath));
    Lines times;
    for (int k = 1; k <= 13; ++k) {
      times.push_back(file.value("SET", "FromTime" + std::to_string(k)).value_or("missing"));
    }
    return times;
  }
  Lines FromTimes(std::vector<std::pair<int, std::string>> advanced) {
    Lines times(13, kFrom);
    for (const auto& [kind, time] : advanced) times[static_cast<std::size_t>(kind - 1)] = time;
    return times;
  }
  bool Logged(const std::string& line) {
    return std::find(Log().begin(), Log().end(), line) != Log().end();
  }

  const std::string tk = Record("TK", "20230105", "tk");
  const std::string ra1 = Record("RA", "20230105", "ra1");
  const std::string ra2 = Record("RA", "20230106", "ra2");
  const std::string se1 = Record("SE", "20230105", "se1");
  const std::string se2 = Record("SE", "20230106", "se2");
  const std::string hr = Record("HR", "20230105", "hr");
  const std::string um = Record("UM", "20230105", "um");
};

TEST_F(SetAcquisitionTest, RaceOnlySetWritesItsRecordTypesAndAdvancesOnlyItsFromTime) {
  DefineSet({{2, {"RA", "SE"}}});
  EXPECT_TRUE(RunSet1().Succeeded());

  EXPECT_EQ(Log(), (Lines{"《 セット取得 》", "> 蓄積(RACE) …… OK", "", "> 処理終了",
                          "  ﾀﾞｳﾝﾛｰﾄﾞ : 0.000 sec", "", kDashes, ""}));
  EXPECT_EQ(ReadAll(Out("RACE", "RA")), ra1 + ra2);
  EXPECT_EQ(ReadAll(Out("RACE", "SE")), se1 + se2);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(store.outDir),
                          std::filesystem::directory_iterator()),
            2) << "no HR file, nothing of TOKU";
  EXPECT_EQ(SavedFromTimes(), FromTimes({{2, "20230107120000"}}));
  EXPECT_EQ(core.Request.Option, 1);
  EXPECT_TRUE(core.Request.UseRecFilter);
}

TEST_F(SetAcquisitionTest, KindsWithoutDataAreNoFailureFirstOrLast) {
  DefineSet({{1, {"TK"}}, {2, {"RA"}}, {9, {"CK"}}});
  std::filesystem::remove_all(store.storeDir + "/stored/TOKU");
  EXPECT_TRUE(RunSet1().Succeeded());

  EXPECT_EQ(Lines(Log().begin(), Log().begin() + 5),
            (Lines{"《 セット取得 》", "> 蓄積(TOKU) データなし", "> 蓄積(RACE) …… OK",
                   "> 蓄積(SNPN) データなし", ""}));
  EXPECT_EQ(Log()[5], "> 処理終了");
  EXPECT_EQ(SavedFromTimes(), FromTimes({{2, "20230107120000"}}));
}

TEST_F(SetAcquisitionTest, AnErrorOnTheSecondTargetKeepsTheFirstFromTimeAndSkipsTheThird) {
  DefineSet({{1, {"TK"}}, {2, {"RA"}}, {3, {"UM"}}});
  store.WriteStoreIni("[Faults]\r\nReadErrorFile=RARA2023010520230106120000.jvd\r\n"
                      "ReadErrorCode=-403\r\n");
  RunOutcome outcome = RunSet1();
  EXPECT_EQ(outcome.result, kResultFailed);

  EXPECT_EQ(Log()[1], "> 蓄積(TOKU) …… OK");
  EXPECT_EQ(Log()[2], "> 蓄積(RACE) …… ERROR");
  EXPECT_FALSE(Logged("> 蓄積(DIFN)"));
  EXPECT_TRUE(Logged("*** 正常に取得できませんでした"));
  EXPECT_EQ(SavedFromTimes(), FromTimes({{1, "20230106100000"}}));
  EXPECT_EQ(ReadAll(Out("TOKU", "TK")), tk);
}

TEST_F(SetAcquisitionTest, CancelInsideOrBetweenRequestsStopsTheSet) {
  struct Case {
    const char* name;
    const char* cancelWhenLastLine;  // the log line showing when the cancel button is pressed
    Lines logStart;
    Lines fromTimes;
  };
  const Case cases[] = {
      {"inside the first request", "> 蓄積(TOKU)",
       {"《 セット取得 》", "> 蓄積(TOKU)", "", "> キャンセルされました", "",
        "*** 正常に取得できませんでした"},
       FromTimes({})},
      {"between two requests", "> 蓄積(TOKU) …… OK",
       {"《 セット取得 》", "> 蓄積(TOKU) …… OK", "", "> キャンセル - 処理中断", "",
        "*** 正常に取得できませんでした"},
       FromTimes({{1, "20230106100000"}})},
  };
  store.SetPace(1);  // the download wait lets events through
  DefineSet({{1, {"TK"}}, {2, {"RA"}}});
  for (const Case& c : cases) {
    ClearRecords();
    for (std::string& fromTime : core.Config().FromTime) fromTime = kFrom;
    std::filesystem::remove(store.programDir + "/" + kDownloadCacheFile);
    host.onPump = [&] {
      if (host.mainPane.lastLine() == c.cancelWhenLastLine) core.Cancel();
    };
    EXPECT_EQ(RunSet1().result, kResultCancelled) << c.name;
    EXPECT_EQ(Lines(Log().begin(), Log().begin() + 6), c.logStart) << c.name;
    EXPECT_FALSE(Logged("> 蓄積(RACE)")) << c.name;
    EXPECT_EQ(SavedFromTimes(), c.fromTimes) << c.name;
  }
}

TEST_F(SetAcquisitionTest, RefusedFolderOrNoTargetMakesNoRequest) {
  core.Config().OutDir[1] = store.root.file("missing");
  DefineSet({{2, {"RA"}}});
  std::string settingsBefore = ReadAll(core.Config().IniPath);
  EXPECT_EQ(RunSet1().result, kResultFailed);  // the folder question is answered No
  EXPECT_EQ(host.texts(HostMessage::Ask).size(), 1u);
  EXPECT_FALSE(Logged("> 蓄積(RACE)"));
  EXPECT_EQ(ReadAll(core.Config().IniPath), settingsBefore) << "settings not saved";

  core.Config().OutDir[1].clear();
  DefineSet({});
  ClearRecords();
  EXPECT_TRUE(RunSet1().Succeeded());
  EXPECT_EQ(Log()[1], "");
  EXPECT_EQ(Log()[2], "> 処理終了");
}

}  // namespace
