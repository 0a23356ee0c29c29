// The set store against real files: what Save writes byte for byte, what Load makes of good,
// odd and broken files, and the default file at start-up.

#include "sets/set_def.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "util/cp932.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr const char* kReadError = "SYSTEM-ERROR\r\n取得データ定義ファイル読込エラー";
constexpr const char* kWriteError = "SYSTEM-ERROR\r\n取得データ定義ファイル書込失敗";

std::array<std::string, kRecordSlots> Slots(std::vector<std::string> ids) {
  std::array<std::string, kRecordSlots> slots;
  std::copy(ids.begin(), ids.end(), slots.begin());
  return slots;
}

class SetDefTest : public ::testing::Test {
 protected:
  // The store as start-up makes it: created, then loaded.
  TSetDef& Loaded() {
    store = std::make_unique<TSetDef>(host, dir.path());
    store->Load();
    return *store;
  }
  void WriteFile(const std::string& utf8) { WriteAll(dir.file(kSetDefFileName), Sjis(utf8)); }

  TempDir dir;
  RecordingHost host;
  std::unique_ptr<TSetDef> store;
};

TEST_F(SetDefTest, SaveWritesThirteenBlocksThatLoadBackUnchanged) {
  TSetDef sets(host, dir.path());
  _Bank race = EmptyBank();
  race.SetTitle = "今週=レース";
  race.Specs[0].Taisho = true;
  race.Specs[0].RecSpec = Slots({"TK"});
  race.Specs[1].Taisho = true;
  race.Specs[1].Option = 2;
  race.Specs[1].RecSpec = Slots({"RA", "SE", "", "H1"});
  sets.SetBank(0, race);
  _Bank last = EmptyBank();
  last.SetTitle = "十三";
  last.Specs[12].Option = 255;
  last.Specs[12].RecSpec = Slots({"", "TM"});
  sets.SetBank(12, last);
  ASSERT_TRUE(sets.Save());

  std::optional<std::vector<std::string>> lines = ReadTextLines(sets.FilePath());
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 209u);
  std::string bytes = ReadAll(sets.FilePath());
  std::string head = "[ Set Definition ]\r\nSetNo=1\r\nSetTitle=" + Sjis("今週=レース") + "\r\n";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_EQ((*lines)[3], "SetDef=1,TOKU,1,1,TK,,,,,,,,,,,,,/");
  EXPECT_EQ((*lines)[4], "SetDef=2,RACE,1,2,RA,SE,,H1,,,,,,,,,,/");
  EXPECT_EQ((*lines)[16], "");
  EXPECT_EQ((*lines)[17], "SetNo=2");
  EXPECT_EQ((*lines)[18], "SetTitle=");
  EXPECT_EQ((*lines)[207], "SetDef=13,MING,0,255,,TM,,,,,,,,,,,,/");
  EXPECT_EQ(bytes.substr(bytes.size() - 5), "/\r\n\r\n");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 209);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 209);

  TSetDef& back = Loaded();
  for (int index = 0; index < kSetCount; ++index) {
    EXPECT_TRUE(back.GetBank(index) == sets.GetBank(index)) << "set " << index + 1;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SetDefTest, LoadIsTolerantOfOrderForeignLinesQuotesAndLineEnds) {
  // LF line ends, foreign keys, sets out of order, a title holding "=", quoted and blank
  // separated fields, record fields of the wrong length, fields beyond the end mark.
  WriteFile(
      "; a comment without an equals sign\n"
      "SetNo=3\n"
      "Owner=someone\n"
      "SetDef=2,TOKU,1,1,RA,SE,HR,,,,,,,,,,,/\n"
      "SetTitle=A=B レース\n"
      "SetNo=1\r\n"
      "SetDef=\"2\" RACE \"1\",2,R,SEX,HR,\"H1\",,,,,,,,,JG,/,XX,YY\r\n"
      "SetDef=13,MING,1,1\r\n"
      "setno=5\r\n"
      "SetTitle=最初\r\n");
  TSetDef& sets = Loaded();
  EXPECT_TRUE(host.messages.empty());

  _Bank third = sets.GetBank(2);
  EXPECT_EQ(third.SetTitle, "A=B レース");
  // Field 2 names TOKU, which has one slot: only RA is kept, and the entry stays RACE.
  EXPECT_EQ(third.Specs[1].DataSpec, "RACE");
  EXPECT_TRUE(third.Specs[1].Taisho);
  EXPECT_EQ(third.Specs[1].RecSpec, Slots({"RA"}));

  _Bank first = sets.GetBank(0);
  EXPECT_EQ(first.SetTitle, "最初") << "'setno' is not the key SetNo";
  EXPECT_TRUE(first.Specs[1].Taisho);
  EXPECT_EQ(first.Specs[1].Option, 2);
  EXPECT_EQ(first.Specs[1].RecSpec, Slots({"", "", "HR", "H1", "", "", "", "", "", "", "", "",
                                           "JG"}));
  // A line ending after the option is padded with empty record fields.
  EXPECT_TRUE(first.Specs[12].Taisho);
  EXPECT_EQ(first.Specs[12].RecSpec, Slots({}));
  EXPECT_TRUE(sets.GetBank(4) == EmptyBank());
}

struct BrokenCase {
  const char* name;
  const char* line;  // follows a good block for set 1
};

class SetDefBrokenTest : public SetDefTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(SetDefBrokenTest, EndsReadingAtTheLineKeepsWhatCameBeforeAndTheFile) {
  std::string text = Sjis("SetNo=1\r\nSetTitle=一\r\nSetDef=2,RACE,1,2,RA,/\r\n") +
                     GetParam().line + Sjis("\r\nSetNo=2\r\nSetTitle=二\r\n");
  WriteAll(dir.file(kSetDefFileName), text);
  TSetDef& sets = Loaded();

  ASSERT_EQ(host.texts(HostMessage::Error).size(), 1u);
  EXPECT_EQ(host.texts(HostMessage::Error)[0].rfind(kReadError, 0), 0u);
  EXPECT_NE(host.texts(HostMessage::Error)[0].find(" : 4行目"), std::string::npos);
  EXPECT_EQ(sets.GetBank(0).SetTitle, "一");
  EXPECT_EQ(sets.GetBank(0).Specs[1].RecSpec, Slots({"RA"}));
  EXPECT_EQ(sets.GetBank(1).SetTitle, "") << "nothing after the broken line is read";
  EXPECT_EQ(ReadAll(sets.FilePath() + ".bak"), text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SetDefBrokenTest,
    ::testing::Values(BrokenCase{"SetNoZero", "SetNo=0"},
                      BrokenCase{"SetNo300", "SetNo=300"},
                      BrokenCase{"SetNoText", "SetNo=one"},
                      BrokenCase{"DataKind14", "SetDef=14,MING,1,1,DM,/"},
                      BrokenCase{"DataKindEmpty", "SetDef=,TOKU,1,1,TK,/"},
                      BrokenCase{"Option256", "SetDef=1,TOKU,1,256,TK,/"},
                      BrokenCase{"OptionMissing", "SetDef=1,TOKU,1"},
                      BrokenCase{"TitleNotCp932", "SetTitle=\x80\xFF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetDefTest, ASetNumberAbove13IsBrokenOnlyWhenUsed) {
  WriteFile("SetNo=200\r\nSetNo=2\r\nSetTitle=二\r\nSetNo=14\r\nSetDef=1,TOKU,1,1,TK,/\r\n");
  TSetDef& sets = Loaded();
  EXPECT_EQ(sets.GetBank(1).SetTitle, "二");
  ASSERT_EQ(host.texts(HostMessage::Error).size(), 1u);
  EXPECT_NE(host.texts(HostMessage::Error)[0].find(" : 5行目"), std::string::npos);
}

TEST_F(SetDefTest, MissingFileLeavesEveryEntryOffWithOption1) {
  TSetDef& sets = Loaded();
  EXPECT_TRUE(host.messages.empty());
  for (int index = 0; index < kSetCount; ++index) {
    _Bank bank = sets.GetBank(index);
    EXPECT_EQ(bank.SetTitle, "");
    EXPECT_EQ(bank.Specs[5].DataSpec, "YSCH");
    for (const _BankSpec& bankSpec : bank.Specs) {
      EXPECT_FALSE(bankSpec.Taisho);
      EXPECT_EQ(bankSpec.Option, 1);
      EXPECT_EQ(bankSpec.RecSpec, Slots({}));
    }
  }
  EXPECT_THROW(sets.GetBank(13), std::out_of_range);
}

TEST_F(SetDefTest, SaveFailuresReportAndKeepThePreviousFile) {
  WriteFile("SetNo=1\r\nSetTitle=前\r\n");
  TSetDef& sets = Loaded();
  _Bank bank = sets.GetBank(0);
  bank.SetTitle = "絵文字😀";  // not representable in code page 932
  sets.SetBank(0, bank);
  EXPECT_FALSE(sets.Save());
  EXPECT_EQ(ReadAll(sets.FilePath()), Sjis("SetNo=1\r\nSetTitle=前\r\n"));

  TempDir other;
  fs::create_directory(other.file(kSetDefFileName));  // the name is taken by a folder
  TSetDef blocked(host, other.path());
  EXPECT_FALSE(blocked.Save());
  std::vector<std::string> errors = host.texts(HostMessage::Error);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].rfind(kWriteError, 0), 0u);
  EXPECT_EQ(errors[1].rfind(kWriteError, 0), 0u);
}

TEST(RecSpecCountTest, CountsSlotsOfTheThirteenCodesOnly) {
  const std::pair<const char*, int> cases[] = {
      {"TOKU", 1}, {"RACE", 13}, {"DIFN", 8}, {"BLDN", 3}, {"TCVN", 7}, {"RCVN", 8},
      {"MING", 2}, {"race", 0},  {"RACE ", 0}, {"", 0},    {"0B12", 0}};
  for (auto [code, count] : cases) EXPECT_EQ(TSetDef::RecSpecCount(code), count) << code;
}

TEST(InstallDefaultSetDefTest, MovesOrCopiesTheDefaultOnlyWhenSetDefIsMissing) {
  struct Case {
    bool setDef, localDefault, supplied;
    const char* expected;  // content of SetDef.dat afterwards, "" for no file
    bool localDefaultAfter;
  };
  const Case cases[] = {
      {false, false, false, "", false},
      {false, true, true, "local", false},
      {false, false, true, "supplied", false},
      {true, true, true, "own", true},
  };
  for (const Case& c : cases) {
    TempDir app;
    TempDir data;
    if (c.setDef) WriteAll(app.file(kSetDefFileName), "own");
    if (c.localDefault) WriteAll(app.file(kSetDefDefaultFileName), "local");
    if (c.supplied) WriteAll(data.file(kSetDefDefaultFileName), "supplied");
    InstallDefaultSetDef(app.path(), data.file(kSetDefDefaultFileName));
    EXPECT_EQ(ReadAll(app.file(kSetDefFileName)), c.expected);
    EXPECT_EQ(fs::exists(app.file(kSetDefDefaultFileName)), c.localDefaultAfter);
    if (c.supplied) {
      EXPECT_EQ(ReadAll(data.file(kSetDefDefaultFileName)), "supplied");
    }
  }
}

TEST_F(SetDefTest, TheShippedDefaultLoadsCleanAndIsInSavedForm) {
  InstallDefaultSetDef(dir.path(), kSuppliedSetDefDefault);
  TSetDef& sets = Loaded();
  EXPECT_TRUE(host.messages.empty());
  _Bank week = sets.GetBank(0);
  EXPECT_FALSE(week.SetTitle.empty());
  EXPECT_TRUE(week.Specs[1].Taisho);
  EXPECT_EQ(week.Specs[1].Option, 2);
  EXPECT_EQ(week.Specs[1].RecSpec[12], "JG");
  for (int index = 1; index < 3; ++index) EXPECT_FALSE(sets.GetBank(index).SetTitle.empty());

  std::string shipped = ReadAll(kSuppliedSetDefDefault);
  ASSERT_TRUE(sets.Save());
  EXPECT_EQ(ReadAll(sets.FilePath()), shipped);
}

}  // namespace
