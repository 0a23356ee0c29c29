// The window's command line ("AUTO", "FTP=ON") and the legacy presets it applies.

#include "app/command_line.h"
#include "app/legacy_preset.h"
#include "support/core_fixture.h"
#include "util/result_codes.h"

namespace {

using Mode = CommandLineStart::Mode;

TEST(ParseCommandLine, ReadsModeAndNumbers) {
  struct Case {
    std::vector<std::string> args;
    Mode mode;
    int preset;
    int raceDay;
    bool error;
  } cases[] = {
      {{}, Mode::None, 0, 0, false},
      {{"AUTO"}, Mode::Auto, 0, 0, false},
      {{"AUTO", "1", "2"}, Mode::Auto, 1, 2, false},
      {{"AUTO", "x", "3"}, Mode::Auto, 0, 3, false},  // not a number counts as 0
      {{"AUTO", "255", "0"}, Mode::Auto, 255, 0, false},
      {{"AUTO", "256"}, Mode::Auto, 0, 0, true},
      {{"AUTO", "1", "-1"}, Mode::Auto, 1, 0, true},
      {{"auto", "1"}, Mode::None, 0, 0, false},
      {{"FTP=ON"}, Mode::Ftp, 0, 0, false},
      {{"FTP=ON", "AUTO"}, Mode::Ftp, 0, 0, false},
      {{"x", "AUTO"}, Mode::None, 0, 0, false},
  };
  for (const Case& c : cases) {
    CommandLineStart start = ParseCommandLine(c.args);
    std::string name;
    for (const std::string& arg : c.args) name += arg + " ";
    EXPECT_EQ(start.mode, c.mode) << name;
    EXPECT_EQ(start.preset, c.preset) << name;
    EXPECT_EQ(start.raceDay, c.raceDay) << name;
    EXPECT_EQ(!start.error.empty(), c.error) << name;
  }
}

TEST(ApplyLegacyPreset, SetsTheBoxesThatTheStringReaches) {
  LegacyPageInput legacy;
  legacy.checkLegKishuKK = legacy.checkLegChokyoshiKK = legacy.checkLegDenmaAll = true;
  legacy.checkLegKishu = true;
  // 14 characters: race cards, old-old race cards and old-old results on, the rest off.
  ApplyLegacyPreset(legacy, "10000000000011", true);
  EXPECT_TRUE(legacy.checkLegDenma);
  EXPECT_FALSE(legacy.checkLegKishu);
  EXPECT_TRUE(legacy.checkLegDenmaKK);
  EXPECT_TRUE(legacy.checkLegSeisekiKK);
  EXPECT_TRUE(legacy.checkLegKishuKK) << "position 15 is beyond the string";
  EXPECT_TRUE(legacy.checkLegChokyoshiKK);
  EXPECT_TRUE(legacy.checkLegDenmaAll);

  // Without LegKyuKyu the old-old boxes are cleared whatever the string says.
  ApplyLegacyPreset(legacy, "00000000000011110", false);
  EXPECT_FALSE(legacy.checkLegDenma);
  EXPECT_FALSE(legacy.checkLegDenmaKK);
  EXPECT_FALSE(legacy.checkLegSeisekiKK);
  EXPECT_FALSE(legacy.checkLegKishuKK);
  EXPECT_FALSE(legacy.checkLegChokyoshiKK);
  EXPECT_FALSE(legacy.checkLegDenmaAll);

  ApplyLegacyPreset(legacy, "00000100001000001", false);
  EXPECT_TRUE(legacy.checkLegSchedule);
  EXPECT_TRUE(legacy.checkLegTokuUma);
  EXPECT_TRUE(legacy.checkLegDenmaAll);
}

class AutoStartTest : public CoreTest {
 protected:
  AutoStartTest() {
    core.RegisterRunKind(kRunLegacy, [this](const RunDates&) {
      seen.push_back(core.Inputs.legacy);
      return result;
    });
    core.Config().LegLzhOut = false;
    core.Config().LegSetCheck[0] = "10000000000000";
    core.Inputs.legacy.raceDayCount = 4;
    core.Inputs.legacy.selectedRaceDay = 0;  // the list selects its first day when filled
  }

  std::vector<LegacyPageInput> seen;
  int result = kResultOk;
};

TEST_F(AutoStartTest, PresetAndRaceDayThenTheRunThenClose) {
  RunOutcome outcome = ActOnCommandLine(core, ParseCommandLine({"AUTO", "1", "2"}));

  EXPECT_TRUE(outcome.Succeeded());
  EXPECT_EQ(core.Inputs.activePage, RunPage::Legacy);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_TRUE(seen[0].checkLegDenma);
  EXPECT_EQ(seen[0].selectedRaceDay, 1);
  EXPECT_EQ(Log().front(), "《 旧仕様変換 》");
  EXPECT_EQ(events.closeRequests, 1);
}

TEST_F(AutoStartTest, AFailedRunKeepsTheProgramOpen) {
  result = kResultFailed;
  ActOnCommandLine(core, ParseCommandLine({"AUTO", "1", "1"}));
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(events.closeRequests, 0);
  EXPECT_NE(std::find(Log().begin(), Log().end(), "*** 正常に取得できませんでした"), Log().end());
}

TEST_F(AutoStartTest, AloneItSelectsNoRaceDaySoRaceCardsAreRefused) {
  core.Inputs.legacy.checkLegDenma = true;

  RunOutcome outcome = ActOnCommandLine(core, ParseCommandLine({"AUTO"}));
  EXPECT_FALSE(outcome.started);
  EXPECT_EQ(host.texts(HostMessage::Warn),
            std::vector<std::string>{"取得対象日付が指定されていません"});
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(events.closeRequests, 0);
}

TEST_F(AutoStartTest, ANumberOutOfRangeIsShownAndNothingRuns) {
  core.Inputs.legacy.checkLegKishu = true;
  RunOutcome outcome = ActOnCommandLine(core, ParseCommandLine({"AUTO", "1", "300"}));
  EXPECT_FALSE(outcome.started);
  EXPECT_EQ(host.texts(HostMessage::Error),
            std::vector<std::string>{"コマンドラインの数値が範囲外です（0～255）: 300"});
  EXPECT_TRUE(seen.empty());

  // The program still closes after a later successful run, as it was started with "AUTO".
  core.Inputs.activePage = RunPage::Legacy;
  core.StartRun(kRunByPage);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(events.closeRequests, 1);
}

TEST_F(AutoStartTest, FtpOnEnablesTheUploadAndOpensTheTimerPage) {
  EXPECT_FALSE(core.Config().FtpEnabled);
  RunOutcome outcome = ActOnCommandLine(core, ParseCommandLine({"FTP=ON"}));
  EXPECT_FALSE(outcome.started);
  EXPECT_TRUE(core.Config().FtpEnabled);
  EXPECT_EQ(core.Inputs.activePage, RunPage::Timer);
  EXPECT_TRUE(Log().empty());
  EXPECT_FALSE(core.CloseOnSuccess);
}

}  // namespace
