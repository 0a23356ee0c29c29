// What start-up and closing do with the settings, the set definitions and the schedule.

#include "app/app_core.h"
#include "sets/schedule.h"
#include "sets/set_def.h"
#include "support/core_fixture.h"
#include "util/date_text.h"
#include "util/file_io.h"
#include "util/local_time.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Lines = std::vector<std::string>;

TEST(SetsAtStartTest, DefaultSetsNoticeRaceDayListsAndSavingOnClose) {
  StoreFixture store;
  RecordingHost host;
  RecordingEvents events;
  const std::string setDef = store.programDir + "/" + kSetDefFileName;
  {
    TAppCore core(host, store.programDir, store.Emulator());
    core.SetEvents(events);
    ASSERT_TRUE(core.Start());
    EXPECT_EQ(ReadAll(setDef), ReadAll(kSuppliedSetDefDefault));
    EXPECT_EQ(host.texts(HostMessage::Info), Lines{kNoScheduleNotice});
    EXPECT_EQ(core.Inputs.legacy.raceDayCount, 0);
    EXPECT_EQ(events.raceDayListChanges, 0);

    _Bank bank = core.Sets().GetBank(3);
    bank.SetTitle = "四番";
    core.Sets().SetBank(3, bank);
    EXPECT_TRUE(core.Close());
  }
  TSetDef saved(host, store.programDir);
  saved.Load();
  EXPECT_EQ(saved.GetBank(3).SetTitle, "四番");

  // The week switches today at midnight, and today is a race day at two courses.
  std::string today = FormatDate8(LocalToday());
  unsigned weekday = std::chrono::weekday{std::chrono::sys_days{LocalToday()}}.c_encoding();
  WriteAll(store.programDir + "/ostravel.ini",
           "[AUTODATE]\r\nKijunYobi=" + std::to_string(weekday + 1) +
               "\r\nKijunHH=0\r\nKijunNN=0\r\n");
  WriteAll(store.programDir + "/" + kScheduleFileName,
           JoinCrLf({"YS1" + today + today + "050101", "YS1" + today + today + "060101"}));
  host = RecordingHost();
  TAppCore core(host, store.programDir, store.Emulator());
  core.SetEvents(events);
  ASSERT_TRUE(core.Start());
  EXPECT_TRUE(host.texts(HostMessage::Info).empty());
  EXPECT_EQ(core.Schedule().KijunDate, today);
  EXPECT_EQ(core.Inputs.legacy.raceDayCount, 1);
  EXPECT_EQ(core.Inputs.legacy.selectedRaceDay, 0);
  EXPECT_EQ(core.Inputs.rtd.selectedRaceDay, 0);
  EXPECT_EQ(events.raceDayListChanges, 1);
  EXPECT_TRUE(core.Schedule().HasJo(6));
}

TEST(SetsAtStartTest, SettingsThatFailedToLoadAreNotOverwrittenOnClose) {
  StoreFixture store;
  RecordingHost host;
  const std::string ini = store.programDir + "/ostravel.ini";
  const std::string broken = "[FTP]\r\nFtpURL=ok\r\n[LEGACY]\r\nLegDenmaType=\xFF\r\n";
  WriteAll(ini, broken);
  TAppCore core(host, store.programDir, store.Emulator());
  EXPECT_FALSE(core.Start());
  EXPECT_EQ(host.texts(HostMessage::Error).size(), 1u);
  EXPECT_TRUE(core.Close());
  EXPECT_EQ(ReadAll(ini), broken);
  EXPECT_TRUE(std::filesystem::exists(store.programDir + "/" + kSetDefFileName))
      << "the set definitions are still saved";
}

}  // namespace
