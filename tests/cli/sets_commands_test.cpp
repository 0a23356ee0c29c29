// ostravel-cli set and schedule, run as a separate program on a fresh home against an emulator
// store built by the test.

#include "support/cli_runner.h"
#include "support/store_fixture.h"
#include "support/temp_dir.h"
#include "util/cp932.h"
#include "util/date_text.h"
#include "util/local_time.h"

#include <gtest/gtest.h>

namespace {

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class SetsCommandsTest : public ::testing::Test {
 protected:
  CliRun run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.path(), "--store", store.storeDir});
    return RunCli(OSTRAVEL_CLI, args, scratch.path());
  }

  StoreFixture store;
  TempDir home;
  TempDir scratch;
};

TEST_F(SetsCommandsTest, SetRunsTheSetsKindsAndSavesTheirFromTimes) {
  const std::string ra = Record("RA", "20230105", "ra");
  store.AddStored("RACE", "RARA", "20230105", "29991231000000",
                  {ra, Record("SE", "20230105", "se")});
  WriteAll(home.file("SetDef.dat"), Sjis("SetNo=2\r\nSetTitle=レース\r\n"
                                         "SetDef=2,RACE,1,1,RA,,,,,,,,,,,,,/\r\n"));

  EXPECT_EQ(run({"set", "0"}).status, 2);
  EXPECT_EQ(run({"set", "two"}).status, 2);
  CliRun fetched = run({"--yes", "set", "2"});
  ASSERT_EQ(fetched.status, 0) << fetched.err;
  EXPECT_TRUE(Has(fetched.out, "《 セット取得 》\n> 蓄積(RACE) …… OK\n\n> 処理終了\n"));
  EXPECT_TRUE(Has(ReadAll(home.file("ostravel.ini")), "FromTime2=29991231000000\r\n"));
  EXPECT_TRUE(Has(ReadAll(home.file("SetDef.dat")), Sjis("SetNo=2\r\nSetTitle=レース\r\n")))
      << "the sets are saved on closing, as the window does";
}

TEST_F(SetsCommandsTest, ScheduleUpdateThenShowTodaysRaceDay) {
  std::string today = FormatDate8(LocalToday());
  std::string tomorrow = FormatDate8(AddDays(LocalToday(), 1));
  auto ys = [&](const std::string& course) {
    return "YS1" + today + today + course + "0101" + std::string(19, ' ') + "\r\n";
  };
  store.AddStored("YSCH", "YSYS", today, today + "120000", {ys("06"), ys("05")});

  // The week switches today at midnight, so that today is always inside the week shown.
  unsigned weekday = std::chrono::weekday{std::chrono::sys_days{LocalToday()}}.c_encoding();
  ASSERT_EQ(run({"settings", "set", "AUTODATE.KijunYobi", std::to_string(weekday + 1)}).status, 0);
  ASSERT_EQ(run({"settings", "set", "AUTODATE.KijunHH", "0"}).status, 0);
  ASSERT_EQ(run({"settings", "set", "AUTODATE.KijunNN", "0"}).status, 0);

  CliRun none = run({"schedule", "show"});
  EXPECT_EQ(none.status, 6);
  EXPECT_TRUE(Has(none.err, "開催スケジュール・データが取得されていません"));
  EXPECT_EQ(run({"schedule", "update", "--from", "2026-01-01"}).status, 2);

  CliRun update = run({"schedule", "update"});
  ASSERT_EQ(update.status, 0) << update.err;
  EXPECT_TRUE(Has(update.out, "《 スケジュールの更新 》\n\n> 蓄積(YSCH) …… OK\n\n*** 正常終了\n"));

  CliRun show = run({"schedule", "show"});
  ASSERT_EQ(show.status, 0) << show.err;
  EXPECT_TRUE(Has(show.out, "切替基準日: " + today + "\n終了日: " + tomorrow + "\n1: " +
                                today.substr(2, 2) + "年 "));
  EXPECT_TRUE(Has(show.out, "） 05 東京 06 中山\n"));
}

}  // namespace
