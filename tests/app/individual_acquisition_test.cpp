// Individual acquisition through the run driver and the emulator: run kinds 5 and 6 with the
// inputs of their pages.

#include "app/individual_acquisition.h"
#include "app/number_field.h"
#include "support/core_fixture.h"
#include "support/temp_dir.h"
#include "util/local_time.h"
#include "util/result_codes.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kLongAgoQuestion =
    "31日以上前の日付が指定されました。\r\n\r\nデータ種別によってはDLするデータ量が多くなる\r\n"
    "可能性があります。\r\nよろしいですか？";

bool Logged(const Lines& log, const std::string& prefix) {
  return std::any_of(log.begin(), log.end(),
                     [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

Lines Entries(const std::string& folder) {
  Lines names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class IndividualTest : public CoreTest {
 protected:
  IndividualTest()
      : storedDir(store.root.file("stored-out")), realtimeDir(store.root.file("rt-out")) {
    fs::create_directories(storedDir);
    fs::create_directories(realtimeDir);
    TConfig& config = core.Config();
    config.OutDir[18] = storedDir;
    config.OutDir[19] = realtimeDir;
    config.NamingPattern = 0;
    core.SetClock([] { return std::chrono::milliseconds{0}; });
  }

  RunOutcome RunStored(const std::string& code, int option, const std::string& year,
                       const std::string& month, const std::string& day) {
    core.Inputs.activePage = RunPage::Chikuseki;
    core.Inputs.stored = {DataSpecIndex(kIndividualStoredKinds, code), year, month, day,
                          "00", "00", "00", option - 1};
    return core.StartRun(kRunByPage);
  }

  RunOutcome RunRealtime(const std::string& code, int course = 1, int race = 1) {
    core.Inputs.activePage = RunPage::Sokuho;
    core.Inputs.realtime = {DataSpecIndex(kIndividualRealtimeKinds, code), "2023", "01", "05",
                            course - 1, race - 1};
    return core.StartRun(kRunByPage);
  }

  std::string storedDir;
  std::string realtimeDir;
};

// yyyy, mm, dd of the day `days` before today.
std::array<std::string, 3> DaysAgo(int days) {
  std::chrono::year_month_day date{std::chrono::sys_days{LocalToday()} - std::chrono::days{days}};
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  std::string all = text;
  return {all.substr(0, 4), all.substr(4, 2), all.substr(6, 2)};
}

TEST_F(IndividualTest, StoredRunWritesIntoItsFolderAndTheSameRequestTwiceRepeatsTheRecords) {
  const std::string ra = Record("RA", "20230105", "ra");
  const std::string se = Record("SE", "20230105", "se");
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {ra, se});
  core.Config().IgnoreShuseiData = true;
  host.answers = {Answer::Yes, Answer::Yes};  // the 31-day question, twice

  EXPECT_TRUE(RunStored("RACE", 1, "2023", "01", "01").Succeeded());
  EXPECT_EQ(Log(), (Lines{"《 個別取得（蓄積系） 》", "", "> ダウンロード", "",
                          "> 蓄積(RACE) …… OK", "", "> 処理終了", "  ﾀﾞｳﾝﾛｰﾄﾞ : 0.000 sec", "",
                          kDashes, ""}));
  const JVLINK_PARA& request = core.Request;
  EXPECT_EQ(request.FromTime, "20230101000000");
  EXPECT_EQ(request.Option, 1);
  EXPECT_EQ(request.OutDir, storedDir);
  EXPECT_TRUE(request.StopAfterDateTo);
  EXPECT_EQ(core.OkCount, 1);

  EXPECT_TRUE(RunStored("RACE", 1, "2023", "01", "01").Succeeded());
  EXPECT_EQ(ReadAll(storedDir + "/RACE_RA_1_2301010000.txt"), ra + ra);
  EXPECT_EQ(ReadAll(storedDir + "/RACE_SE_1_2301010000.txt"), se + se);
}

TEST_F(IndividualTest, StoredDateIsCheckedAndAnOldOneAskedAbout) {
  store.AddStored("RACE", "RARA", "20230105", "29991231000000", {Record("RA", "20230105", "a")});
  const auto day31 = DaysAgo(31);
  const auto day32 = DaysAgo(32);
  struct Case {
    std::array<std::string, 3> date;
    bool bad;
    bool asked;
    bool runs;
  } cases[] = {
      {day31, false, false, true},
      {day32, false, true, false},  // answered No
      {{"2023", "02", "30"}, true, false, false},
      {{"2023", "13", "01"}, true, false, false},
      {{"20x3", "01", "01"}, true, false, false},
      {{"2023", "01", ""}, true, false, false},
      {{"0000", "01", "01"}, true, false, false},
  };
  for (const Case& c : cases) {
    ClearRecords();
    std::string name = c.date[0] + "-" + c.date[1] + "-" + c.date[2];
    RunOutcome outcome = RunStored("RACE", 1, c.date[0], c.date[1], c.date[2]);

    EXPECT_EQ(outcome.Succeeded(), c.runs) << name;
    EXPECT_EQ(host.texts(HostMessage::Warn), c.bad ? Lines{"日付が不正です"} : Lines{}) << name;
    EXPECT_EQ(host.texts(HostMessage::Ask), c.asked ? Lines{kLongAgoQuestion} : Lines{}) << name;
    EXPECT_EQ(Logged(Log(), "> 蓄積(RACE)"), c.runs) << name;
    bool refused = c.bad || c.asked;
    EXPECT_EQ(events.focusRequests.size(), refused ? 1u : 0u) << name;
    EXPECT_EQ(Logged(Log(), "*** 正常に取得できませんでした"), !c.runs) << name;
  }
}

TEST_F(IndividualTest, DataSpecAndOptionMustGoTogether) {
  store.AddStored("RACE", "RARA", "20230105", "29991231000000", {Record("RA", "20230105", "a")});
  store.WriteStoreIni("[Store]\r\nThisWeekFrom=20230101\r\n");
  const auto today = DaysAgo(0);

  EXPECT_FALSE(RunStored("DIFN", 2, today[0], today[1], today[2]).Succeeded());
  EXPECT_EQ(host.texts(HostMessage::Warn),
            Lines{"パラメタ整合性エラー\r\n\r\nデータ種別「DIFN」にオプション「2」は指定できません"});
  EXPECT_FALSE(Logged(Log(), "> 蓄積"));

  EXPECT_TRUE(RunStored("RACE", 2, today[0], today[1], today[2]).Succeeded());

  struct Case {
    const char* kind;
    int option;
    bool allowed;
  } cases[] = {
      {"RACE", 1, true},  {"TCVN", 1, false}, {"RCVN", 1, false}, {"RACE", 2, true},
      {"TCVN", 2, true},  {"YSCH", 2, false}, {"COMM", 2, false}, {"DIFN", 3, true},
      {"TOKU", 3, false}, {"RCVN", 4, false}, {"MING", 4, true},  {"RACE", 5, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OptionAllowed(c.kind, c.option), c.allowed) << c.kind << " " << c.option;
  }
}

TEST_F(IndividualTest, StoredFolderDeclinedFetchesNothing) {
  core.Config().OutDir[18] = store.root.file("missing");
  EXPECT_FALSE(RunStored("RACE", 1, "2023", "01", "01").Succeeded());
  EXPECT_EQ(host.texts(HostMessage::Ask).size(), 1u) << "only the folder question";
  EXPECT_FALSE(Logged(Log(), "> ダウンロード"));
}

TEST_F(IndividualTest, RaceLevelKindTakesCourseAndRaceIntoKeyAndFileNames) {
  Lines odds;
  for (int i = 1; i <= 6; ++i) {
    odds.push_back(Record("O" + std::to_string(i), "20230105", "odds" + std::to_string(i)));
  }
  store.AddRealtime("0B30", "202301050511", odds);
  struct Case {
    std::uint8_t namingPattern;
    std::string prefix;
    std::string suffix;
  } cases[] = {
      {0, "S_0B30_O", "_202301050511.txt"},
      {1, "SOKUHO_20230105_O", "_0511.txt"},
  };
  for (const Case& c : cases) {
    ClearRecords();
    fs::remove_all(realtimeDir);
    fs::create_directories(realtimeDir);
    core.Config().NamingPattern = c.namingPattern;

    EXPECT_TRUE(RunRealtime("0B30", 5, 11).Succeeded());  // 東京, race 11
    EXPECT_EQ(core.Request.Key, "202301050511");
    Lines expected;
    for (int i = 1; i <= 6; ++i) {
      std::string name = c.prefix + std::to_string(i) + c.suffix;
      expected.push_back(name);
      EXPECT_EQ(ReadAll(realtimeDir + "/" + name), odds[i - 1]) << name;
    }
    EXPECT_EQ(Entries(realtimeDir), expected);
    EXPECT_EQ(Log(), (Lines{"《 個別取得（速報系） 》", "", "> ダウンロード", "",
                            "> 速報オッズ（全賭式）(0B30)", "> 202301050511 …… OK", "",
                            "> 処理終了", "  ﾀﾞｳﾝﾛｰﾄﾞ : 0.000 sec", "", kDashes, ""}));
  }
}

TEST_F(IndividualTest, DayLevelKindTakesTheDateAlone) {
  const std::string ra = Record("RA", "20230105", "ra");
  store.AddRealtime("0B12", "20230105", {ra});

  EXPECT_TRUE(RunRealtime("0B12", 5, 11).Succeeded());
  EXPECT_EQ(core.Request.Key, "20230105");
  EXPECT_EQ(core.Request.RtJyo, "");
  EXPECT_EQ(Entries(realtimeDir), Lines{"S_0B12_RA_20230105.txt"});
  EXPECT_EQ(ReadAll(realtimeDir + "/S_0B12_RA_20230105.txt"), ra);
}

TEST_F(IndividualTest, NoRealtimeDataCopiesNothing) {
  WriteAll(core.Config().TempDir + "/S_0B12_RA_20230104.txt", "left by an earlier run\r\n");

  RunOutcome outcome = RunRealtime("0B12");
  EXPECT_EQ(outcome.result, kResultNoData);
  EXPECT_TRUE(Logged(Log(), "> 20230105 …… 該当データなし"));
  EXPECT_TRUE(Logged(Log(), "*** 正常に取得できませんでした"));
  EXPECT_TRUE(Entries(realtimeDir).empty());
  EXPECT_TRUE(Entries(core.Config().TempDir).empty()) << "the work folder is emptied first";
}

TEST_F(IndividualTest, AFailedCopyFailsTheRun) {
  store.AddRealtime("0B12", "20230105", {Record("RA", "20230105", "ra")});
  fs::create_directories(realtimeDir + "/S_0B12_RA_20230105.txt");  // a folder in the way

  RunOutcome outcome = RunRealtime("0B12");
  EXPECT_EQ(outcome.result, kResultFailed);
  EXPECT_TRUE(Logged(Log(), "> ファイルコピーエラー （" + realtimeDir + "）"));
  EXPECT_TRUE(fs::exists(core.Config().TempDir + "/S_0B12_RA_20230105.txt"));
}

TEST(NumberFieldText, PadsNumbersAndRefusesOtherText) {
  struct Case {
    const char* text;
    std::size_t width;
    std::optional<std::string> expected;
  } cases[] = {
      {"7", 2, "07"},   {"07", 2, "07"},     {"123", 2, "123"}, {"x", 2, std::nullopt},
      {"", 2, std::nullopt}, {"ab", 2, "ab"},  // the right length is not examined
      {"23", 4, "0023"}, {"2023", 4, "2023"}, {"1x", 4, std::nullopt}, {"１２", 2, "１２"},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberFieldText(c.text, c.width), c.expected) << c.text;
}

}  // namespace
