#include "config/tconfig.h"

#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "util/cp932.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string kImportError = "SYSTEM-ERROR\r\n設定ファイル読込エラー";

class LegacyImportTest : public ::testing::Test {
 protected:
  std::string legacyIni() const { return dir.file("vexlegacy.ini"); }
  void writeLegacy(const std::vector<std::string>& lines) {
    WriteAll(legacyIni(), Sjis(JoinCrLf(lines)));
  }

  TempDir dir;
  RecordingHost host;
};

TEST_F(LegacyImportTest, OnlyFalseIsFalseAndTheCheckPatternGetsItsTwoDigits) {
  writeLegacy({"[Section]", "Lzh Out=False", "FuncIndividual=0", "LegSetCheck1=00000000000000"});
  TConfig config(host, dir.path());
  ASSERT_TRUE(LoadOrCreateSettings(config));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(config.LegLzhOut);
  EXPECT_TRUE(config.FuncKobetsuChikuseki) << "0 is not \"False\"";
  EXPECT_TRUE(config.FuncKobetsuSokuho);
  EXPECT_EQ(config.LegSetCheck[1], "0000000000000000");
  EXPECT_FALSE(fs::exists(legacyIni())) << "deleted after a complete import";
  EXPECT_NE(ReadAll(config.IniPath).find("\r\nLegLzhOut=0\r\n"), std::string::npos)
      << "the first save carries the imported values";
}

TEST_F(LegacyImportTest, EveryOlderKeyReachesItsField) {
  std::vector<std::string> lines = {
      "FuncSet=False", "FuncLegacy=True", "FuncRtd= False",  // not exactly "False": true
      "FuncIndividual=False", "RealTime Default=1",
      "DenmaType=1", "SeisekiType=255", "ChihoType=two",      // not a number: 0
      "ChihoFromTime=20200102030405", "HuseigoYokusei=1", "LegKyuKyu=x", "DataOutDir=/data",
      "LegSetName0=一括Ａ", "LegSetCheck0=1111111111111111", "LegSetName2=名前=二",
      "LegSetCheck2=000000000000001",
      // Ignored: other keys, other case, blanks around the key, lines without "=".
      "lzh out=1", "Lzh Out =1", "FromTime9=20990101000000", "DIR_O_NEW"};
  const char* dirKeys[] = {"DIR_S_ALL", "DIR_K_DENMA", "DIR_K_KISHU", "DIR_K_CHOKYOSHI",
                           "DIR_K_CHIHO", "DIR_K_HATSU", "DIR_K_SEISEKI", "DIR_K_MAS_KYOSOBA",
                           "DIR_K_MAS_KISHU", "DIR_K_MAS_CHOKYOSHI", "DIR_K_TOKU_UMA",
                           "DIR_K_TOKU_KYOSOBA", "DIR_K_SCHEDULE", "DIR_KK_DENMA",
                           "DIR_KK_SEISEKI", "DIR_O_NEW", "DIR_O_OLD", "DIR_I_CHIKUSEKI",
                           "DIR_I_SOKUHO"};
  for (int slot = 1; slot <= 19; ++slot) {
    lines.push_back(std::string(dirKeys[slot - 1]) + "=/slot" + std::to_string(slot) + "/フォルダ");
  }
  for (int kind = 1; kind <= 8; ++kind) {
    lines.push_back("FromTime" + std::to_string(kind) + "=2021010" + std::to_string(kind) + "000000");
  }
  writeLegacy(lines);

  TConfig config(host, dir.path());
  ASSERT_EQ(config.ImportLegacySettings(), 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(config.FuncSet);
  EXPECT_TRUE(config.FuncLegacy);
  EXPECT_TRUE(config.FuncRtd);
  EXPECT_FALSE(config.FuncKobetsuChikuseki);
  EXPECT_FALSE(config.FuncKobetsuSokuho);
  EXPECT_EQ(config.RealTimeDefault, 1);
  EXPECT_EQ(config.LegDenmaType, 1);
  EXPECT_EQ(config.LegSeisekiType, 255);
  EXPECT_EQ(config.LegChihoType, 0);
  EXPECT_EQ(config.LegChihoFromTime, "20200102030405");
  EXPECT_TRUE(config.LegChihoHuseigoYokusei);
  EXPECT_TRUE(config.LegKyuKyu);
  EXPECT_FALSE(config.LegLzhOut) << "no exact \"Lzh Out\" key: left as constructed";
  EXPECT_EQ(config.OutDir[0], "/data");
  for (int slot = 1; slot <= 19; ++slot) {
    EXPECT_EQ(config.OutDir[slot], "/slot" + std::to_string(slot) + "/フォルダ") << slot;
  }
  EXPECT_EQ(config.OutDir[20], "");
  for (int kind = 1; kind <= 8; ++kind) {
    EXPECT_EQ(config.FromTime[kind], "2021010" + std::to_string(kind) + "000000");
  }
  EXPECT_EQ(config.FromTime[9], "");
  EXPECT_EQ(config.LegSetName[0], "一括Ａ");
  EXPECT_EQ(config.LegSetCheck[0], "1111111111111111") << "sixteen already: unchanged";
  EXPECT_EQ(config.LegSetName[2], "名前=二");
  EXPECT_EQ(config.LegSetCheck[2], "00000000000000100") << "shorter than sixteen: \"00\" added";
  EXPECT_TRUE(fs::exists(legacyIni())) << "only the load deletes the file";
}

TEST_F(LegacyImportTest, TheOlderValueWinsOverTheSettingsFile) {
  WriteAll(dir.file("ostravel.ini"),
           Sjis(JoinCrLf({"[LEGACY]", "LegKyuKyu=0", "LegSetName1=新しい", "[CUSTOM]",
                          "FormSheetWidth=1000"})));
  writeLegacy({"LegKyuKyu=True", "LegSetName1=古い"});
  TConfig config(host, dir.path());
  ASSERT_TRUE(config.LoadSettings());
  EXPECT_TRUE(config.LegKyuKyu);
  EXPECT_EQ(config.LegSetName[1], "古い");
  EXPECT_EQ(config.FormSheetWidth, 1000);
  EXPECT_FALSE(fs::exists(legacyIni()));
}

TEST_F(LegacyImportTest, AFailedImportKeepsTheFileAndIsTriedAgainAtTheNextStart) {
  struct Case {
    const char* name;
    std::string badLine;
  } cases[] = {{"above 255", "DenmaType=999"},
               {"negative", "SeisekiType=-1"},
               {"not code page 932", "LegSetName0=\x81\x20"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir home;
    RecordingHost host;
    std::string bytes = "FuncSet=False\r\n" + c.badLine + "\r\nFuncRtd=False\r\n";
    WriteAll(home.file("vexlegacy.ini"), bytes);
    WriteAll(home.file("ostravel.ini"), "[CUSTOM]\r\nFormSheetWidth=1000\r\n");

    for (int start = 1; start <= 2; ++start) {
      TConfig config(host, home.path());
      EXPECT_TRUE(config.LoadSettings()) << "the settings file itself loaded";
      EXPECT_FALSE(config.FuncSet) << "taken before the failure";
      EXPECT_TRUE(config.FuncRtd) << "after the failure: not taken";
      EXPECT_EQ(config.FormSheetWidth, 1000) << "loading goes on with CUSTOM";
      EXPECT_EQ(ReadAll(home.file("vexlegacy.ini")), bytes);
    }
    std::vector<std::string> errors = host.texts(HostMessage::Error);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].rfind(kImportError, 0), 0u) << errors[0];
  }
}

TEST_F(LegacyImportTest, NoOlderFileGivesNoData) {
  TConfig config(host, dir.path());
  EXPECT_EQ(config.ImportLegacySettings(), 6);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
