// The folder picker on real folders, the about box, and the JV-Link emulator's settings dialog
// opened through JVSetUIProperties.

#include "config/tconfig.h"
#include "dialog_test_helpers.h"
#include "gui/qt_text.h"
#include "gui/tfrm_about.h"
#include "gui/tfrm_emulator_setting.h"
#include "gui/tfrm_get_directory.h"
#include "jvlink/jvlink_emulator.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kUnsuitable =
    "ふさわしくないディレクトリが指定されました\r\n指定し直して下さい。";

class FolderPickerTest : public ::testing::Test {
 protected:
  FolderPickerTest() : config(host, dir.file("program")) {
    fs::create_directories(dir.file("elsewhere/sub"));
  }

  TempDir dir;
  RecordingHost host;
  TConfig config;
};

TEST_F(FolderPickerTest, OkRefusesUnsuitableFoldersAndOffersToCreateMissingOnes) {
  struct Case {
    std::string typed;
    Answer answer;
    std::vector<HostMessage> messages;
    bool accepted;
    std::string chosen;
  };
  const std::string program = config.AppDir;
  const std::string missing = dir.file("new/deeper");
  const std::string createQuestion =
      "ディレクトリ " + missing + "/ は存在しません\r\n新しく作成しますか？";
  const std::vector<Case> cases = {
      {"", Answer::Yes, {{HostMessage::Warn, kUnsuitable}}, false, ""},
      {"   ", Answer::Yes, {{HostMessage::Warn, kUnsuitable}}, false, ""},
      {program, Answer::Yes, {{HostMessage::Warn, kUnsuitable}}, false, ""},
      {config.TempDir, Answer::Yes, {{HostMessage::Warn, kUnsuitable}}, false, ""},
      {"relative/folder", Answer::Yes, {{HostMessage::Warn, kUnsuitable}}, false, ""},
      {program + "/", Answer::Yes, {}, true, program},
      {dir.file("elsewhere"), Answer::Yes, {}, true, dir.file("elsewhere")},
      {missing + "/", Answer::No, {{HostMessage::Ask, createQuestion}}, false, ""},
      {missing + "/", Answer::Yes, {{HostMessage::Ask, createQuestion}}, true, missing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("typed: " + c.typed);
    host.messages.clear();
    host.answers = {c.answer};
    TfrmGetDirectory picker("", "", "", config, host);
    Child<QLineEdit>(picker, "edtPath")->setText(Q(c.typed));
    int closed = 0;
    QObject::connect(&picker, &QDialog::finished, [&closed] { ++closed; });
    Child<QPushButton>(picker, "btnOk")->click();
    ExpectMessages(host, c.messages);
    EXPECT_EQ(closed, c.accepted ? 1 : 0);
    if (c.accepted) {
      EXPECT_EQ(picker.result(), QDialog::Accepted);
      EXPECT_EQ(picker.ChosenDirectory(), c.chosen);
    }
    EXPECT_EQ(fs::exists(missing), c.accepted && c.chosen == missing);
  }
}

TEST_F(FolderPickerTest, PathFollowsTheStartPathAndTheTreeWithTheDefaultSubfolder) {
  TfrmGetDirectory fresh("", "", "Data", config, host);
  EXPECT_EQ(fresh.windowTitle().toStdString(), "ディレクトリの設定");
  EXPECT_EQ(Child<QLineEdit>(fresh, "edtPath")->text().toStdString(), config.AppDir + "/Data");

  const std::string start = dir.file("elsewhere");
  TfrmGetDirectory picker("保存先", start, " Data ", config, host);
  EXPECT_EQ(picker.windowTitle().toStdString(), "保存先");
  QLineEdit* path = Child<QLineEdit>(picker, "edtPath");
  EXPECT_EQ(path->text().toStdString(), start);
  QTreeView* tree = Child<QTreeView>(picker, "lstDirectory");
  auto* folders = qobject_cast<QFileSystemModel*>(tree->model());
  ASSERT_NE(folders, nullptr);
  EXPECT_EQ(folders->filePath(tree->currentIndex()).toStdString(), start);

  tree->setCurrentIndex(folders->index(Q(dir.file("elsewhere/sub"))));
  EXPECT_EQ(path->text().toStdString(), dir.file("elsewhere/sub") + "/Data");

  TfrmGetDirectory plain("", "", "", config, host);
  EXPECT_EQ(Child<QLineEdit>(plain, "edtPath")->text().toStdString(), config.AppDir);
  QTreeView* plainTree = Child<QTreeView>(plain, "lstDirectory");
  auto* plainFolders = qobject_cast<QFileSystemModel*>(plainTree->model());
  plainTree->setCurrentIndex(plainFolders->index(Q(start)));
  EXPECT_EQ(Child<QLineEdit>(plain, "edtPath")->text().toStdString(), start);
}

TEST(AboutBoxTest, ShowsNameVersionAndTheYearInItsNotice) {
  TfrmAbout about(QDate(2031, 4, 1), nullptr);
  EXPECT_EQ(about.windowTitle().toStdString(), "バージョン情報");
  EXPECT_EQ(Child<QLabel>(about, "lblName")->text().toStdString(), "Ostravel");
  EXPECT_EQ(Child<QLabel>(about, "lblVersion")->text().toStdString(), "Ver.4.01");
  EXPECT_TRUE(Child<QLabel>(about, "lblCopyright")->text().contains("2031"));
  Child<QPushButton>(about, "btnOk")->click();
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(EmulatorSettingTest, JvSetUiPropertiesEditsTheStoreFolderAndPace) {
  TempDir dir;
  RecordingHost host;
  fs::create_directories(dir.file("other-store"));
  JvLinkEmulator emulator(dir.path());
  UseEmulatorSettingDialog(emulator, host);
  ASSERT_EQ(emulator.StoreDir(), dir.file("store"));

  // A store folder that does not exist is refused; cancel then leaves everything as it was.
  OnNextModal([&](QDialog& dialog) {
    EXPECT_EQ(Child<QLineEdit>(dialog, "edtStoreDir")->text().toStdString(), dir.file("store"));
    EXPECT_EQ(Child<QSpinBox>(dialog, "edtPace")->value(), kDefaultDownloadPace);
    Child<QLineEdit>(dialog, "edtStoreDir")->setText(Q(dir.file("missing")));
    Child<QPushButton>(dialog, "btnOk")->click();
    EXPECT_TRUE(dialog.isVisible());
    Child<QPushButton>(dialog, "btnCancel")->click();
  });
  EXPECT_EQ(emulator.JVSetUIProperties(), 0);
  EXPECT_EQ(host.texts(HostMessage::Warn),
            std::vector<std::string>{"指定されたストアフォルダが存在しません。\r\n\r\n" +
                                     dir.file("missing")});
  EXPECT_EQ(emulator.StoreDir(), dir.file("store"));
  EXPECT_FALSE(fs::exists(dir.file(kEmulatorSettingsFile)));

  OnNextModal([&](QDialog& dialog) {
    Child<QLineEdit>(dialog, "edtStoreDir")->setText(Q(dir.file("other-store")));
    Child<QSpinBox>(dialog, "edtPace")->setValue(3);
    Child<QPushButton>(dialog, "btnOk")->click();
  });
  EXPECT_EQ(emulator.JVSetUIProperties(), 0);
  EXPECT_EQ(emulator.StoreDir(), dir.file("other-store"));
  EmulatorSettings saved = LoadEmulatorSettings(dir.path());
  EXPECT_EQ(saved.storeDir, dir.file("other-store"));
  EXPECT_EQ(saved.pace, 3);
}

}  // namespace
