// The representative folder's listing and "出力先ディレクトリのクリア".

#include "support/core_fixture.h"
#include "support/temp_dir.h"
#include "util/result_codes.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

using OutDirTest = CoreTest;

TEST_F(OutDirTest, ListsAtMost1000FilesOfTheRepresentativeFolderItself) {
  for (int i = 0; i < 1500; ++i) WriteAll(store.Out("f" + std::to_string(i) + ".txt"), "");
  fs::create_directories(store.Out("sub"));
  core.Config().OutDir[1] = store.programDir;  // other slots play no part

  core.RefreshOutDirList();
  EXPECT_EQ(core.OutDirFiles().size(), 1000u);
  EXPECT_EQ(events.outDirListChanges, 1);
  for (const std::string& name : core.OutDirFiles()) EXPECT_NE(name, "sub");

  core.Config().OutDir[0].clear();
  core.RefreshOutDirList();
  EXPECT_TRUE(core.OutDirFiles().empty());
}

TEST_F(OutDirTest, ClearingIsRefusedWithoutAFolderAndForTheProgramFolder) {
  const std::string programFolderWarning =
      "代表出力先フォルダにプログラムのあるフォルダが\r\n指定されています。\r\n"
      "「オプション設定」で専用のフォルダを指定し直して下さい。";
  struct Case {
    std::string folder;
    std::string warning;
  } cases[] = {
      {"", "代表出力先フォルダが設定されていません。"},
      {core.Config().AppDir, programFolderWarning},
      // The same folder written differently is the program folder all the same.
      {core.Config().AppDir + "/", programFolderWarning},
      {core.Config().AppDir + "/Temp/..", programFolderWarning},
  };
  host.answers.assign(4, Answer::Yes);
  for (const Case& c : cases) {
    host.messages.clear();
    core.Config().OutDir[0] = c.folder;
    EXPECT_FALSE(core.ClearOutDir().started) << c.folder;
    EXPECT_EQ(host.texts(HostMessage::Warn), Lines{c.warning}) << c.folder;
    EXPECT_TRUE(host.texts(HostMessage::Ask).empty()) << c.folder;
  }
  EXPECT_TRUE(fs::exists(core.Config().IniPath));
}

TEST_F(OutDirTest, ClearingAsksThenDeletesTheFilesButNotTheSubfolders) {
  WriteAll(store.Out("a.txt"), "a");
  fs::create_directories(store.Out("sub"));
  WriteAll(store.Out("sub/inner.txt"), "i");
  core.RefreshOutDirList();

  RunOutcome declined = core.ClearOutDir();
  EXPECT_EQ(declined.result, kResultCancelled);
  EXPECT_EQ(host.texts(HostMessage::Ask),
            Lines{"以下の代表出力先フォルダに存在するファイルをすべて削除します。\r\n\r\n" +
                  store.outDir + "\r\n\r\nよろしいですか？"});
  EXPECT_TRUE(fs::exists(store.Out("a.txt")));

  host.answers.push_back(Answer::Yes);
  EXPECT_TRUE(core.ClearOutDir().Succeeded());
  EXPECT_FALSE(fs::exists(store.Out("a.txt")));
  EXPECT_TRUE(fs::exists(store.Out("sub/inner.txt")));
  EXPECT_TRUE(core.OutDirFiles().empty());
}

}  // namespace
