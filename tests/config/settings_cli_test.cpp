// ostravel-cli settings show/set, run as a separate program on a fresh home.

#include "support/cli_runner.h"
#include "support/temp_dir.h"
#include "util/cp932.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

namespace {

class SettingsCliTest : public ::testing::Test {
 protected:
  CliRun run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.path()});
    return RunCli(OSTRAVEL_CLI, args, output.path());
  }
  std::string ini() const { return home.file("ostravel.ini"); }

  TempDir home;
  TempDir output;
};

TEST_F(SettingsCliTest, ShowOnAFreshHomePrintsTheDefaultsInFileOrder) {
  CliRun shown = run({"settings", "show"});
  ASSERT_EQ(shown.status, 0) << shown.err;

  // The file written at first start, read as "Section.Key=value" lines.
  std::string expected;
  std::string section;
  for (const std::string& line : SplitLines(Utf8FromCp932(ReadAll(ini())).text)) {
    if (line.front() == '[') {
      section = line.substr(1, line.size() - 2);
    } else {
      expected += section + "." + line + "\n";
    }
  }
  EXPECT_EQ(shown.out, expected);
  EXPECT_EQ(SplitLines(shown.out).size(), 73u);
  for (const std::string& line : std::vector<std::string>{
           "FTP.FtpURL=\n", "FOLDER.OutDir0=" + home.path() + "/Data\n", "LEGACY.LegSetName1=一括2\n",
        "AUTODATE.KijunYobi=5\n", "CUSTOM.CustomMaxField=255\n"}) {
    EXPECT_NE(shown.out.find(line), std::string::npos) << line;
  }
}

TEST_F(SettingsCliTest, SetChangesOneSettingAndSaves) {
  CliRun set = run({"settings", "set", "FTP.FtpPassword", "秘密 pass～"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_NE(ReadAll(ini()).find("\r\nFtpPassword=" + Sjis("秘密 pass～") + "\r\n"), std::string::npos);

  ASSERT_EQ(run({"settings", "set", "custom.formsheetwidth", "1280"}).status, 0);
  CliRun shown = run({"settings", "show"});
  EXPECT_NE(shown.out.find("\nFTP.FtpPassword=秘密 pass～\n"), std::string::npos);
  EXPECT_NE(shown.out.find("\nCUSTOM.FormSheetWidth=1280\n"), std::string::npos);
}

TEST_F(SettingsCliTest, SetRefusesWhatLoadingWouldRefuse) {
  ASSERT_EQ(run({"settings", "show"}).status, 0);
  const std::string before = ReadAll(ini());
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"settings", "set", "LEGACY.LegDenmaType", "300"}, "out of range"},
      {{"settings", "set", "LEGACY.LegDenmaType", "-1"}, "out of range"},
      {{"settings", "set", "AUTODATE.KijunHH", "65536"}, "out of range"},
      {{"settings", "set", "LEGACY.LegLzhOut", "yes"}, "decimal number"},
      {{"settings", "set", "FTP.FtpURL", "emoji 😀"}, "code page 932"},
      {{"settings", "set", "FTP.FtpURL", "two\nlines"}, "one line"},
      {{"settings", "set", "FTP.NoSuchKey", "1"}, "no such setting"},
      {{"settings", "set", "FTP.FtpURL"}, "usage"},
      {{"settings", "list"}, "usage"},
  };
  for (const Case& c : cases) {
    CliRun refused = run(c.args);
    EXPECT_EQ(refused.status, 2) << c.args.back();
    EXPECT_NE(refused.err.find(c.message), std::string::npos) << refused.err;
  }
  EXPECT_EQ(ReadAll(ini()), before);
}

TEST_F(SettingsCliTest, ABrokenFileIsReportedAndNeverOverwritten) {
  const std::string broken = "[LEGACY]\r\nLegDenmaType=300\r\n[CUSTOM]\r\nFormSheetWidth=900\r\n";
  WriteAll(ini(), broken);
  for (std::vector<std::string> args :
       {std::vector<std::string>{"settings", "show"},
        std::vector<std::string>{"settings", "set", "FTP.FtpURL", "x"}}) {
    CliRun result = run(args);
    EXPECT_EQ(result.status, 9);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("INIファイル読込エラー"), std::string::npos) << result.err;
  }
  EXPECT_EQ(ReadAll(ini()), broken);
}

}  // namespace
