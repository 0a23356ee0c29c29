// ostravel-cli status, individual-stored, individual-realtime and clear-output, run as a
// separate program on a fresh home against an emulator store built by the test.

#include "support/cli_runner.h"
#include "support/store_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class RunCommandsTest : public ::testing::Test {
 protected:
  CliRun run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.path(), "--store", store.storeDir});
    return RunCli(OSTRAVEL_CLI, args, scratch.path());
  }
  // The default representative folder of a fresh home, where every slot falls back.
  std::string output(const std::string& name = "") const {
    return home.file("Data") + (name.empty() ? "" : "/" + name);
  }

  StoreFixture store;
  TempDir home;
  TempDir scratch;
};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(RunCommandsTest, StatusShowsFoldersJvLinkAndTheSettingsFile) {
  CliRun status = run({"status"});
  ASSERT_EQ(status.status, 0) << status.err;
  EXPECT_TRUE(Has(status.out, "program folder : " + home.path() + "\n"));
  EXPECT_TRUE(Has(status.out, "settings file  : " + home.file("ostravel.ini") + "\n"));
  EXPECT_TRUE(Has(status.out, "\nJV-Link : 1.0.0\n"));
  EXPECT_TRUE(fs::exists(home.file("ostravel.ini")));
}

TEST_F(RunCommandsTest, StatusShowsAJvLinkThatCannotStart) {
  store.WriteStoreIni("[Faults]\r\nInitResult=-301\r\n");
  CliRun status = run({"status"});
  EXPECT_EQ(status.status, 0);
  EXPECT_TRUE(Has(status.out, "\nJV-Link : NG\n"));
  EXPECT_TRUE(Has(status.err, "JVInit（初期化）エラー: -301"));
}

TEST_F(RunCommandsTest, IndividualStoredLogsToStdoutAndWritesTheFiles) {
  const std::string ra = Record("RA", "20230105", "ra");
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {ra});

  // Without --yes and without a terminal the folder question is answered No.
  CliRun declined = run({"individual-stored", "--dataspec", "RACE", "--from", "20230101000000",
                         "--option", "1"});
  EXPECT_EQ(declined.status, 9);
  EXPECT_TRUE(Has(declined.err, "新しく作成しますか？"));
  EXPECT_TRUE(Has(declined.out, "*** 正常に取得できませんでした\n"));
  EXPECT_FALSE(fs::exists(output()));

  CliRun fetched = run({"--yes", "individual-stored", "--dataspec", "RACE", "--from",
                        "20230101000000", "--option=1"});
  ASSERT_EQ(fetched.status, 0) << fetched.err;
  EXPECT_TRUE(Has(fetched.out, "《 個別取得（蓄積系） 》\n\n> ダウンロード\n\n> 蓄積(RACE) …… OK\n\n"
                               "> 処理終了\n  ﾀﾞｳﾝﾛｰﾄﾞ : "));
  EXPECT_TRUE(Has(fetched.out, " sec\n\n------------------------------\n\n"));
  EXPECT_EQ(ReadAll(output("RACE_RA_1_2301010000.txt")), ra);
}

TEST_F(RunCommandsTest, IndividualRealtimeForARaceAndForADay) {
  const std::string o1 = Record("O1", "20230105", "o1");
  store.AddRealtime("0B30", "202301050511", {o1});

  CliRun race = run({"--yes", "individual-realtime", "--dataspec", "0B30", "--date", "20230105",
                     "--course", "05", "--race", "11"});
  ASSERT_EQ(race.status, 0) << race.err;
  EXPECT_TRUE(Has(race.out, "> 速報オッズ（全賭式）(0B30)\n> 202301050511 …… OK\n"));
  EXPECT_EQ(ReadAll(output("S_0B30_O1_202301050511.txt")), o1);

  CliRun day = run({"--yes", "individual-realtime", "--dataspec", "0B12", "--date", "20230105"});
  EXPECT_EQ(day.status, 6);
  EXPECT_TRUE(Has(day.out, "> 20230105 …… 該当データなし\n"));
}

TEST_F(RunCommandsTest, BadArgumentsAreRefusedBeforeAnyRun) {
  const std::vector<std::vector<std::string>> cases = {
      {"individual-stored", "--dataspec", "RACE", "--from", "20230101000000"},
      {"individual-stored", "--dataspec", "XXXX", "--from", "20230101000000", "--option", "1"},
      {"individual-stored", "--dataspec", "RACE", "--from", "202301010000", "--option", "1"},
      {"individual-stored", "--dataspec", "RACE", "--from", "20230101000000", "--option", "5"},
      {"individual-stored", "--dataspec", "RACE", "--from", "20230101000000", "--option", "1", "x"},
      {"individual-realtime", "--dataspec", "0B30", "--date", "20230105"},
      {"individual-realtime", "--dataspec", "0B30", "--date", "20230105", "--course", "11",
       "--race", "1"},
      {"individual-realtime", "--dataspec", "0B12", "--date", "20230105", "--race", "1"},
      {"individual-realtime", "--dataspec", "0B12", "--date", "2023ab05"},
      {"individual-realtime", "--dataspec", "0B12", "--date", "2023015"},
      {"clear-output", "now"},
  };
  for (const auto& args : cases) {
    CliRun refused = run(args);
    EXPECT_EQ(refused.status, 2) << args[2];
    EXPECT_TRUE(refused.out.empty()) << refused.out;
    EXPECT_TRUE(Has(refused.err, "warning: ")) << refused.err;
  }
  EXPECT_FALSE(fs::exists(output()));
}

TEST_F(RunCommandsTest, ARefusedCombinationFailsTheRun) {
  CliRun refused = run({"--yes", "individual-stored", "--dataspec", "DIFN", "--from",
                        "20991231000000", "--option", "2"});
  EXPECT_EQ(refused.status, 9);
  EXPECT_TRUE(Has(refused.err, "データ種別「DIFN」にオプション「2」は指定できません"));
}

TEST_F(RunCommandsTest, ClearOutputAsksAndRefusesTheProgramFolder) {
  fs::create_directories(output());
  WriteAll(output("a.txt"), "a");

  EXPECT_EQ(run({"clear-output"}).status, 5);
  EXPECT_TRUE(fs::exists(output("a.txt")));
  EXPECT_EQ(run({"--yes", "clear-output"}).status, 0);
  EXPECT_FALSE(fs::exists(output("a.txt")));

  CliRun set = RunCli(OSTRAVEL_CLI, {"--home", home.path(), "settings", "set", "FOLDER.OutDir0",
                                     home.path()}, scratch.path());
  ASSERT_EQ(set.status, 0) << set.err;
  CliRun refused = run({"--yes", "clear-output"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(Has(refused.err, "プログラムのあるフォルダ"));
  EXPECT_TRUE(fs::exists(home.file("ostravel.ini")));
}

}  // namespace
