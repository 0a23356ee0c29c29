#include "config/tconfig.h"

#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "util/cp932.h"
#include "util/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string kReadError = "SYSTEM-ERROR\r\nINIファイル読込エラー";
const std::string kWriteError = "SYSTEM-ERROR\r\nINIファイル書込エラー";

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

// Local time `days` days back as "yyyymmddhhnnss", worked out here independently of the program.
std::string StampDaysAgo(int days) {
  std::time_t then = std::time(nullptr) - days * 86400;
  std::tm local{};
  ::localtime_r(&then, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &local);
  return text;
}

// A settings file from UTF-8 lines, as the program's files are: code page 932, CR LF.
std::string IniBytes(const std::vector<std::string>& lines) { return Sjis(JoinCrLf(lines)); }

class ConfigTest : public ::testing::Test {
 protected:
  std::string ini() const { return dir.file("ostravel.ini"); }
  std::string legacyIni() const { return dir.file("vexlegacy.ini"); }

  TempDir dir;
  RecordingHost host;
};

TEST_F(ConfigTest, ConstructionCreatesTheProgramFoldersAndLoadsNothing) {
  std::string home = dir.file("not/yet/there");
  TConfig config(host, home + "/");

  EXPECT_EQ(config.AppDir, home);
  EXPECT_EQ(config.TempDir, home + "/Temp");
  EXPECT_EQ(config.DbDir, home + "/db");
  EXPECT_EQ(config.TemplateDir, home + "/Template");
  EXPECT_EQ(config.UserDefDir, home + "/UserDef");
  EXPECT_EQ(config.LogSaveDir, home + "/LogSave");
  EXPECT_EQ(config.IniPath, home + "/ostravel.ini");
  for (const std::string& folder :
       {config.TempDir, config.DbDir, config.TemplateDir, config.UserDefDir, config.LogSaveDir}) {
    EXPECT_TRUE(fs::is_directory(folder)) << folder;
  }
  EXPECT_FALSE(fs::exists(home + "/Data")) << "the output folder is offered by the runs instead";
  EXPECT_FALSE(fs::exists(config.IniPath));

  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  EXPECT_EQ(static_cast<int>(config.LogDay.year()), local.tm_year + 1900);
  EXPECT_EQ(static_cast<unsigned>(config.LogDay.month()), static_cast<unsigned>(local.tm_mon + 1));
  EXPECT_EQ(static_cast<unsigned>(config.LogDay.day()), static_cast<unsigned>(local.tm_mday));
  EXPECT_EQ(config.AutoDateSpan, 7);
  EXPECT_FALSE(config.FtpEnabled);
  // Persisted fields stay in their construction state until loaded.
  EXPECT_FALSE(config.FuncSet);
  EXPECT_EQ(config.FormSheetWidth, 0);
  EXPECT_EQ(config.OutDir[0], "");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ConfigTest, FirstStartTakesTheDefaultsAndWritesTheWholeFileAtOnce) {
  TConfig config(host, dir.path());
  std::string before = StampDaysAgo(7);
  ASSERT_TRUE(LoadOrCreateSettings(config));
  std::string after = StampDaysAgo(7);
  EXPECT_TRUE(host.messages.empty());

  std::string stamp = config.FromTime[1];
  EXPECT_LE(before, stamp);
  EXPECT_LE(stamp, after);
  for (int kind = 1; kind <= 13; ++kind) EXPECT_EQ(config.FromTime[kind], stamp) << kind;
  EXPECT_EQ(config.LegChihoFromTime, stamp);
  EXPECT_EQ(config.CustomLatestFromTime, stamp);
  EXPECT_EQ(config.OutDir[0], dir.path() + "/Data");
  EXPECT_EQ(config.GetOutDir(12), dir.path() + "/Data");
  EXPECT_TRUE(config.FuncKobetsuSokuho);
  EXPECT_EQ(config.LegSetName[2], "一括3");
  EXPECT_EQ(config.KijunYobi, 5);
  EXPECT_EQ(config.CustomMaxField, 255);

  std::vector<std::string> expected = {
      "[FTP]", "FtpURL=", "FtpUserName=", "FtpPassword=",
      "[FUNCTION]", "FuncSet=1", "FuncLegacy=1", "FuncRtd=1", "FuncCustom=1",
      "FuncKobetsuChikuseki=1", "FuncKobetsuSokuho=1", "FirstPage=0",
      "[FOLDER]", "OutDir0=" + dir.path() + "/Data"};
  for (int slot = 1; slot <= 20; ++slot) expected.push_back("OutDir" + std::to_string(slot) + "=");
  expected.push_back("[SET]");
  for (int kind = 1; kind <= 13; ++kind) {
    expected.push_back("FromTime" + std::to_string(kind) + "=" + stamp);
  }
  for (std::string line : {"[LEGACY]", "LegLzhOut=1", "LegDenmaType=0", "LegSeisekiType=0",
                           "LegChihoType=0"}) {
    expected.push_back(line);
  }
  expected.push_back("LegChihoFromTime=" + stamp);
  for (std::string line :
       {"LegChihoHuseigoYokusei=0", "LegKyuKyu=0", "IgnoreShuseiData=0",
        "LegSetName0=一括1", "LegSetCheck0=00000000000000", "LegSetName1=一括2",
        "LegSetCheck1=00000000000000", "LegSetName2=一括3", "LegSetCheck2=00000000000000",
        "[SOKUHO]", "RealTimeDefault=0", "[TIMER]", "TimerEnabled=0", "NamingPattern=0",
        "ControlPopup=0", "[AUTODATE]", "KijunYobi=5", "KijunHH=18", "KijunNN=30", "[CUSTOM]"}) {
    expected.push_back(line);
  }
  expected.push_back("CustomLatestFromTime=" + stamp);
  for (std::string line : {"FormSheetTop=0", "FormSheetLeft=0", "FormSheetWidth=800",
                           "FormSheetHeight=600", "FormSheetMax=0", "CustomFieldAlarm=1",
                           "CustomMaxField=255"}) {
    expected.push_back(line);
  }
  EXPECT_EQ(ReadAll(ini()), IniBytes(expected));

  struct stat st {};
  ASSERT_EQ(::stat(ini().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << "the file holds the FTP password";
}

void FillEveryField(TConfig& c) {
  c.FtpURL = "ftp.example.jp";
  c.FtpUserName = "ユーザー";
  c.FtpPassword = "パス ワード～①髙";
  c.FuncSet = false;
  c.FuncLegacy = false;
  c.FuncRtd = false;
  c.FuncCustom = false;
  c.FuncKobetsuChikuseki = false;
  c.FuncKobetsuSokuho = false;
  c.FirstPage = -3;
  for (int kind = 1; kind <= 13; ++kind) c.FromTime[kind] = "202401" + std::to_string(10 + kind) + "120000";
  c.LegLzhOut = false;
  c.LegDenmaType = 1;
  c.LegSeisekiType = 255;
  c.LegChihoType = 2;
  c.LegChihoFromTime = "20230405060708";
  c.LegChihoHuseigoYokusei = true;
  c.LegKyuKyu = true;
  c.IgnoreShuseiData = true;
  c.RealTimeDefault = 1;
  c.TimerEnabled = true;
  c.NamingPattern = 1;
  c.ControlPopup = true;
  for (int slot = 0; slot <= 20; ++slot) c.OutDir[slot] = "/out/フォルダ" + std::to_string(slot);
  for (int set = 0; set < 3; ++set) {
    c.LegSetName[set] = "セット" + std::to_string(set);
    c.LegSetCheck[set] = "101010101010101" + std::to_string(set);
  }
  c.KijunYobi = 7;
  c.KijunHH = 65535;
  c.KijunNN = 45;
  c.CustomLatestFromTime = "20240101000000";
  c.FormSheetTop = -100;
  c.FormSheetLeft = 2147483647;
  c.FormSheetWidth = 1024;
  c.FormSheetHeight = -2147483647 - 1;
  c.FormSheetMax = true;
  c.CustomFieldAlarm = false;
  c.CustomMaxField = 65535;
}

void ExpectEveryField(const TConfig& c) {
  EXPECT_EQ(c.FtpURL, "ftp.example.jp");
  EXPECT_EQ(c.FtpUserName, "ユーザー");
  EXPECT_EQ(c.FtpPassword, "パス ワード～①髙");
  EXPECT_FALSE(c.FuncSet);
  EXPECT_FALSE(c.FuncLegacy);
  EXPECT_FALSE(c.FuncRtd);
  EXPECT_FALSE(c.FuncCustom);
  EXPECT_FALSE(c.FuncKobetsuChikuseki);
  EXPECT_FALSE(c.FuncKobetsuSokuho);
  EXPECT_EQ(c.FirstPage, -3);
  for (int kind = 1; kind <= 13; ++kind) {
    EXPECT_EQ(c.FromTime[kind], "202401" + std::to_string(10 + kind) + "120000");
  }
  EXPECT_FALSE(c.LegLzhOut);
  EXPECT_EQ(c.LegDenmaType, 1);
  EXPECT_EQ(c.LegSeisekiType, 255);
  EXPECT_EQ(c.LegChihoType, 2);
  EXPECT_EQ(c.LegChihoFromTime, "20230405060708");
  EXPECT_TRUE(c.LegChihoHuseigoYokusei);
  EXPECT_TRUE(c.LegKyuKyu);
  EXPECT_TRUE(c.IgnoreShuseiData);
  EXPECT_EQ(c.RealTimeDefault, 1);
  EXPECT_TRUE(c.TimerEnabled);
  EXPECT_EQ(c.NamingPattern, 1);
  EXPECT_TRUE(c.ControlPopup);
  for (int slot = 0; slot <= 20; ++slot) {
    EXPECT_EQ(c.OutDir[slot], "/out/フォルダ" + std::to_string(slot));
  }
  for (int set = 0; set < 3; ++set) {
    EXPECT_EQ(c.LegSetName[set], "セット" + std::to_string(set));
    EXPECT_EQ(c.LegSetCheck[set], "101010101010101" + std::to_string(set));
  }
  EXPECT_EQ(c.KijunYobi, 7);
  EXPECT_EQ(c.KijunHH, 65535);
  EXPECT_EQ(c.KijunNN, 45);
  EXPECT_EQ(c.CustomLatestFromTime, "20240101000000");
  EXPECT_EQ(c.FormSheetTop, -100);
  EXPECT_EQ(c.FormSheetLeft, 2147483647);
  EXPECT_EQ(c.FormSheetWidth, 1024);
  EXPECT_EQ(c.FormSheetHeight, -2147483647 - 1);
  EXPECT_TRUE(c.FormSheetMax);
  EXPECT_FALSE(c.CustomFieldAlarm);
  EXPECT_EQ(c.CustomMaxField, 65535);
}

TEST_F(ConfigTest, EveryFieldSurvivesSaveAndLoad) {
  {
    TConfig config(host, dir.path());
    FillEveryField(config);
    ASSERT_TRUE(config.SaveSettings());
  }
  std::string bytes = ReadAll(ini());
  EXPECT_NE(bytes.find("\r\nFtpPassword=" + Sjis("パス ワード～①髙") + "\r\n"), std::string::npos);

  TConfig loaded(host, dir.path());
  ASSERT_TRUE(loaded.LoadSettings());
  ExpectEveryField(loaded);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false, true, false}));
}

TEST_F(ConfigTest, AnEmptyOrMissingSlotFallsBackToTheRepresentativeFolder) {
  WriteAll(ini(), IniBytes({"[FOLDER]", "OutDir0=/data", "OutDir5=", "OutDir20=/custom"}));
  TConfig config(host, dir.path());
  ASSERT_TRUE(config.LoadSettings());
  EXPECT_EQ(config.OutDir[5], "");
  EXPECT_EQ(config.GetOutDir(5), "/data");
  EXPECT_EQ(config.GetOutDir(7), "/data");
  EXPECT_EQ(config.GetOutDir(20), "/custom");
  EXPECT_EQ(config.GetOutDir(0), "/data");
}

TEST_F(ConfigTest, ValuesThatAreNotNumbersTakeTheDefaultAndAnyNonZeroNumberIsTrue) {
  // LF line ends, names in another case, blanks around values: all still read.
  WriteAll(ini(), Sjis("[FUNCTION]\nFuncSet=yes\nFuncLegacy=0\nFuncRtd=-7\nFuncCustom=\n"
                       "FuncKobetsuChikuseki=1.5\nFirstPage=+2\n"
                       "[legacy]\nlegdenmatype=x1\nLegKyuKyu=2\nLegLzhOut= 0 \n"
                       "[AUTODATE]\nKijunYobi=  6\nKijunHH=0x10\n"
                       "[CUSTOM]\nFormSheetWidth=wide\nFormSheetHeight=700\nCustomFieldAlarm=0\n"
                       "CustomMaxField=99999999999\n"));
  TConfig config(host, dir.path());
  ASSERT_TRUE(config.LoadSettings());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(config.FuncSet);
  EXPECT_FALSE(config.FuncLegacy);
  EXPECT_TRUE(config.FuncRtd);
  EXPECT_TRUE(config.FuncCustom);
  EXPECT_TRUE(config.FuncKobetsuChikuseki);
  EXPECT_EQ(config.FirstPage, 2);
  EXPECT_EQ(config.LegDenmaType, 0);
  EXPECT_TRUE(config.LegKyuKyu);
  EXPECT_FALSE(config.LegLzhOut);
  EXPECT_EQ(config.KijunYobi, 6);
  EXPECT_EQ(config.KijunHH, 18);
  EXPECT_EQ(config.FormSheetWidth, 800);
  EXPECT_EQ(config.FormSheetHeight, 700);
  EXPECT_FALSE(config.CustomFieldAlarm);
  EXPECT_EQ(config.CustomMaxField, 255) << "too long for any integer: not a number";
}

TEST_F(ConfigTest, AnOutOfRangeValueStopsTheLoadAndLeavesLaterKeysAsConstructed) {
  struct Case {
    std::string line;  // in section LEGACY, after LegLzhOut and before LegSetName0
  } cases[] = {{"LegDenmaType=300"}, {"LegDenmaType=-1"}, {"LegSeisekiType=256"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TempDir home;
    RecordingHost host;
    std::string bytes = IniBytes({"[FTP]", "FtpURL=ftp.before", "[LEGACY]", "LegLzhOut=0", c.line,
                                  "LegSetName0=名前", "[AUTODATE]", "KijunYobi=3", "[CUSTOM]",
                                  "FormSheetWidth=1000", "CustomMaxField=20"});
    WriteAll(home.file("ostravel.ini"), bytes);
    WriteAll(home.file("vexlegacy.ini"), "FuncSet=False\r\n");

    TConfig config(host, home.path());
    EXPECT_FALSE(LoadOrCreateSettings(config));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, HostMessage::Error);
    EXPECT_TRUE(StartsWith(host.messages[0].text, kReadError)) << host.messages[0].text;
    EXPECT_NE(host.messages[0].text.find(c.line), std::string::npos) << "names the broken key";
    EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false}));

    EXPECT_EQ(config.FtpURL, "ftp.before");
    EXPECT_TRUE(config.FuncSet);
    EXPECT_FALSE(config.LegLzhOut);
    EXPECT_EQ(config.OutDir[0], home.path() + "/Data");
    // Not reached: construction state, not the file's defaults.
    EXPECT_EQ(config.LegDenmaType, 0);
    EXPECT_EQ(config.LegSetName[0], "");
    EXPECT_EQ(config.LegSetCheck[2], "");
    EXPECT_EQ(config.KijunYobi, 0);
    EXPECT_EQ(config.FormSheetWidth, 0);
    EXPECT_EQ(config.CustomMaxField, 0);
    EXPECT_FALSE(config.CustomFieldAlarm);
    // Neither the older file is taken nor the broken file replaced.
    EXPECT_TRUE(fs::exists(home.file("vexlegacy.ini")));
    EXPECT_EQ(ReadAll(home.file("ostravel.ini")), bytes);
    // A later save would drop the unread keys: the whole file is kept beside it, and said so.
    EXPECT_EQ(ReadAll(home.file("ostravel.ini.bak")), bytes);
    EXPECT_NE(host.messages[0].text.find(home.file("ostravel.ini.bak")), std::string::npos);
  }
}

TEST_F(ConfigTest, SixteenBitFieldsTakeUpTo65535) {
  WriteAll(ini(), IniBytes({"[AUTODATE]", "KijunHH=65535", "KijunNN=65536", "[CUSTOM]",
                            "FormSheetWidth=1000"}));
  TConfig config(host, dir.path());
  EXPECT_FALSE(config.LoadSettings());
  EXPECT_EQ(config.KijunHH, 65535);
  EXPECT_EQ(config.KijunNN, 0);
  EXPECT_EQ(config.FormSheetWidth, 0);
  ASSERT_EQ(host.texts(HostMessage::Error).size(), 1u);
}

TEST_F(ConfigTest, BytesThatAreNotCp932StopTheLoadWithAClearMessage) {
  const std::string kanji = Sjis("漢字");
  struct Case {
    const char* name;
    std::string bytes;
    std::string shown;  // how the message names the broken key
  } cases[] = {
      {"undefined lead byte", "[FTP]\r\nFtpURL=ok\r\nFtpUserName=\x81\x20x\r\nFtpPassword=p\r\n",
       "[FTP] FtpUserName=\uFFFD x"},
      {"cut inside a character", "[FTP]\r\nFtpURL=ok\r\nFtpUserName=" + kanji.substr(0, 3),
       "[FTP] FtpUserName=漢\uFFFD"},
      {"in a number", "[FTP]\r\nFtpURL=ok\r\n[LEGACY]\r\nLegDenmaType=\xFF\r\n",
       "[LEGACY] LegDenmaType=\uFFFD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir home;
    RecordingHost host;
    WriteAll(home.file("ostravel.ini"), c.bytes);
    TConfig config(host, home.path());
    EXPECT_FALSE(config.LoadSettings());
    std::vector<std::string> errors = host.texts(HostMessage::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], kReadError + "\r\n\r\n" + c.shown +
                             "\r\n\r\n読み込み前のファイルを保存しました : " +
                             home.file("ostravel.ini.bak"));
    EXPECT_EQ(config.FtpURL, "ok");
    EXPECT_EQ(config.FtpUserName, "");
    EXPECT_EQ(config.FtpPassword, "");
    EXPECT_EQ(config.CustomMaxField, 0);
  }
}

TEST_F(ConfigTest, ATruncatedFileLoadsWhatItHolds) {
  WriteAll(ini(), "[FTP]\r\nFtpURL=ok\r\n[FUNCTION]\r\nFuncSet=0\r\nFuncLeg");
  TConfig config(host, dir.path());
  ASSERT_TRUE(LoadOrCreateSettings(config));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(config.FtpURL, "ok");
  EXPECT_FALSE(config.FuncSet);
  EXPECT_TRUE(config.FuncLegacy);
  EXPECT_EQ(config.CustomMaxField, 255);
}

TEST_F(ConfigTest, AFileThatCannotBeReadIsReportedAndLeftAlone) {
  fs::create_directory(ini());
  TConfig config(host, dir.path());
  EXPECT_FALSE(LoadOrCreateSettings(config));
  std::vector<std::string> errors = host.texts(HostMessage::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(StartsWith(errors[0], kReadError));
  EXPECT_TRUE(fs::is_directory(ini()));
  EXPECT_FALSE(config.FuncSet);
}

TEST_F(ConfigTest, AFailedSaveIsReportedAndKeepsThePreviousFile) {
  TConfig config(host, dir.path());
  ASSERT_TRUE(LoadOrCreateSettings(config));
  const std::string previous = ReadAll(ini());

  // Values the file cannot hold.
  for (std::string password : {"two\r\nlines", "x\n[FTP]", "emoji 😀"}) {
    config.FtpPassword = password;
    EXPECT_FALSE(config.SaveSettings()) << password;
  }
  // The system refusing the write: a folder where the temporary file would go.
  config.FtpPassword = "fine";
  fs::create_directory(ini() + ".tmp" + std::to_string(::getpid()));
  EXPECT_FALSE(config.SaveSettings());

  std::vector<std::string> errors = host.texts(HostMessage::Error);
  ASSERT_EQ(errors.size(), 4u);
  for (const std::string& error : errors) EXPECT_TRUE(StartsWith(error, kWriteError)) << error;
  EXPECT_EQ(ReadAll(ini()), previous);
}

TEST_F(ConfigTest, AProgramFolderThatCannotBeCreatedFailsOnlyTheSave) {
  WriteAll(dir.file("plain-file"), "x");
  TConfig config(host, dir.file("plain-file/home"));
  EXPECT_TRUE(host.messages.empty()) << "folders are not reported at construction";
  EXPECT_FALSE(LoadOrCreateSettings(config));
  std::vector<std::string> errors = host.texts(HostMessage::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(StartsWith(errors[0], kWriteError));
  EXPECT_TRUE(config.FuncSet) << "the defaults are in memory all the same";
}

}  // namespace
