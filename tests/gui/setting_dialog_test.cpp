// The options dialog on a started core: what OK takes over and saves, what it refuses, the
// folder buttons with the real folder picker, and the two schedule changes on a real
// "schedule.dat".

#include "dialog_test_helpers.h"
#include "gui/qt_text.h"
#include "gui/tfrm_setting.h"
#include "sets/schedule.h"
#include "support/core_fixture.h"
#include "util/date_text.h"
#include "util/local_time.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int kPageBasic = 0;
constexpr int kPageFolder = 1;
constexpr int kPageAutoDate = 5;

class SettingDialogTest : public CoreTest {
 protected:
  SettingDialogTest() : year(FormatDate8(LocalToday()).substr(0, 4)) {
    // An hour ago, so that any rewrite of the file shows in its time.
    fs::last_write_time(Ini(), fs::file_time_type::clock::now() - std::chrono::hours(1));
    iniTime = fs::last_write_time(Ini());
    iniBytes = ReadAll(Ini());
  }

  const std::string& Ini() { return core.Config().IniPath; }
  bool IniUntouched() {
    return fs::last_write_time(Ini()) == iniTime && ReadAll(Ini()) == iniBytes;
  }
  std::string SchedulePath() { return core.Config().AppDir + "/" + kScheduleFileName; }
  // A YS line of this year: creation date, meeting date "mmdd", course, and a tail.
  std::string Ys(const std::string& monthDay, const std::string& course) const {
    return "YS1" + std::string("20260101") + year + monthDay + course + "0301" + "TAIL";
  }

  static void Type(QDialog& dialog, const char* name, const QString& text) {
    Child<QLineEdit>(dialog, name)->setText(text);
  }
  static void Click(QDialog& dialog, const char* name) {
    Child<QAbstractButton>(dialog, name)->click();
  }

  std::string year;
  fs::file_time_type iniTime;
  std::string iniBytes;
};

TEST_F(SettingDialogTest, OkWithoutChangeClosesAsCancelledAndWritesNothing) {
  TfrmSetting dialog(core, host);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "オプション設定");
  EXPECT_EQ(Child<QTabWidget>(dialog, "pageSetting")->currentIndex(), kPageBasic);
  EXPECT_EQ(Child<QLineEdit>(dialog, "edtDirName0")->text().toStdString(), store.outDir);
  Click(dialog, "btnOk");
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(IniUntouched());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(dialog.ScheduleChanged());
}

TEST_F(SettingDialogTest, OkTakesEveryKindOfControlOverAndSaves) {
  TConfig& config = core.Config();
  config.CustomMaxField = 40;
  TfrmSetting dialog(core, host);
  Type(dialog, "edtDirName5", "/data/chiho");
  Type(dialog, "edtDirName20", "/data/custom");
  Type(dialog, "edtFtpUserName", "利用者");
  Click(dialog, "radioNamingPattern1");
  Click(dialog, "checkControlPopup");
  Click(dialog, "checkFuncCustom");
  Child<QComboBox>(dialog, "comboFirstPage")->setCurrentIndex(3);
  Click(dialog, "radioRealTimeDefault1");
  Type(dialog, "edtFromTime2", "20260102030405");
  Click(dialog, "radioLegDenmaType1");
  Click(dialog, "radioLegChihoType1");
  Type(dialog, "edtLegChihoFromTime", "20250101000000");
  Click(dialog, "checkLegKyuKyu");
  Type(dialog, "edtCustomMaxField", "x");  // not a number: 255
  Child<QComboBox>(dialog, "comboKijunYobi")->setCurrentIndex(0);
  Type(dialog, "edtKijunHH", "9");
  Click(dialog, "btnOk");
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(host.messages.empty());

  RecordingHost readerHost;
  TConfig saved(readerHost, config.AppDir);
  ASSERT_TRUE(saved.LoadSettings());
  for (const TConfig* c : {&config, &saved}) {
    EXPECT_EQ(c->OutDir[5], "/data/chiho");
    EXPECT_EQ(c->OutDir[20], "/data/custom");
    EXPECT_EQ(c->FtpUserName, "利用者");
    EXPECT_EQ(c->NamingPattern, 1);
    EXPECT_TRUE(c->ControlPopup);
    EXPECT_FALSE(c->FuncCustom);
    EXPECT_TRUE(c->FuncSet);
    EXPECT_EQ(c->FirstPage, 3);
    EXPECT_EQ(c->RealTimeDefault, 1);
    EXPECT_EQ(c->FromTime[3], "20260102030405") << "the third edit is the third data kind";
    EXPECT_EQ(c->LegDenmaType, 1);
    EXPECT_EQ(c->LegSeisekiType, 0);
    EXPECT_EQ(c->LegChihoType, 1);
    EXPECT_EQ(c->LegChihoFromTime, "20250101000000");
    EXPECT_TRUE(c->LegKyuKyu);
    EXPECT_EQ(c->CustomMaxField, 255);
    EXPECT_EQ(c->KijunYobi, 1);
    EXPECT_EQ(c->KijunHH, 9);
    EXPECT_EQ(c->KijunNN, 30);
  }
}

TEST_F(SettingDialogTest, OkRefusesAndKeepsTheDialogOpenWithTheSettingsUntouched) {
  struct Case {
    const char* what;
    std::function<void(QDialog&)> edit;
    HostMessage::Kind kind;
    std::string message;
    int page;
  };
  const std::string programDir = core.Config().AppDir;
  const std::vector<Case> cases = {
      {"every page unticked",
       [](QDialog& d) {
         for (const char* name : {"checkFuncSet", "checkFuncLegacy", "checkFuncRtd",
                                  "checkFuncCustom", "checkFuncKobetsuChikuseki",
                                  "checkFuncKobetsuSokuho"}) {
           Child<QCheckBox>(d, name)->setChecked(false);
         }
         Child<QTabWidget>(d, "pageSetting")->setCurrentIndex(3);
       },
       HostMessage::Warn, "全てのページを非表示とすることはできません", kPageBasic},
      {"hour not a number", [](QDialog& d) { Type(d, "edtKijunHH", "x"); }, HostMessage::Error,
       "週の切替時刻が正しくありません。\r\n\r\n時は 0～23、分は 0～59 の数値で指定して下さい。",
       kPageAutoDate},
      {"minute out of range", [](QDialog& d) { Type(d, "edtKijunNN", "60"); },
       HostMessage::Error,
       "週の切替時刻が正しくありません。\r\n\r\n時は 0～23、分は 0～59 の数値で指定して下さい。",
       kPageAutoDate},
      {"program folder typed", [&](QDialog& d) { Type(d, "edtDirName3", Q(programDir + "/")); },
       HostMessage::Warn, "プログラム本体のあるフォルダは指定できません", kPageFolder},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.messages.clear();
    TfrmSetting dialog(core, host);
    Type(dialog, "edtDirName7", "/data/changed");
    c.edit(dialog);
    int closed = 0;
    QObject::connect(&dialog, &QDialog::finished, [&closed] { ++closed; });
    Click(dialog, "btnOk");
    EXPECT_EQ(closed, 0);
    ExpectMessages(host, {{c.kind, c.message}});
    EXPECT_EQ(Child<QTabWidget>(dialog, "pageSetting")->currentIndex(), c.page);
    EXPECT_EQ(core.Config().OutDir[7], "") << "nothing is taken over";
    EXPECT_TRUE(core.Config().FuncSet);
    EXPECT_TRUE(IniUntouched());
  }
}

TEST_F(SettingDialogTest, LimitedFieldsShowLongerValuesButTakeNoMoreTyping) {
  TfrmSetting dialog(core, host);
  struct Case {
    const char* name;
    std::string shown;
    QString typed;
    std::string kept;
  };
  const std::vector<Case> cases = {
      {"edtCustomMaxField", "255", "123", "12"},
      {"edtKijunHH", "18", "123", "12"},
      {"edtFromTime0", core.Config().FromTime[1], "202601020304059", "20260102030405"},
  };
  for (const Case& c : cases) {
    QLineEdit* edit = Child<QLineEdit>(dialog, c.name);
    EXPECT_EQ(edit->text().toStdString(), c.shown) << c.name;
    edit->clear();
    for (QChar key : c.typed) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + key.digitValue(), Qt::NoModifier, key);
      QApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(edit->text().toStdString(), c.kept) << c.name;
  }
}

TEST_F(SettingDialogTest, FtpGroupIsShownOnlyWithFtpEnabled) {
  core.Config().FtpURL = "ftp.example.jp";
  core.Config().FtpPassword = "secret";
  for (bool enabled : {false, true}) {
    core.Config().FtpEnabled = enabled;
    TfrmSetting dialog(core, host);
    EXPECT_EQ(Child<QGroupBox>(dialog, "groupFtp")->isVisibleTo(&dialog), enabled);
    EXPECT_EQ(Child<QLineEdit>(dialog, "edtFtpURL")->text().toStdString(), "ftp.example.jp");
    QLineEdit* password = Child<QLineEdit>(dialog, "edtFtpPassword");
    EXPECT_EQ(password->text().toStdString(), "secret");
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
  }
}

TEST_F(SettingDialogTest, FolderButtonsUseThePickerAndRefuseTheProgramFolder) {
  const std::string programDir = core.Config().AppDir;
  TfrmSetting dialog(core, host);
  QLineEdit* edit = Child<QLineEdit>(dialog, "edtDirName7");
  ASSERT_EQ(edit->text().toStdString(), "");

  std::string startPath;
  OnNextModal([&](QDialog& picker) {
    EXPECT_EQ(picker.windowTitle().toStdString(), "データ出力フォルダの指定");
    startPath = Child<QLineEdit>(picker, "edtPath")->text().toStdString();
    Type(picker, "edtPath", Q(programDir));
    Click(picker, "btnOk");  // refused by the picker
    EXPECT_TRUE(picker.isVisible());
    Type(picker, "edtPath", Q(programDir + "/"));
    Click(picker, "btnOk");  // passes the picker
  });
  Click(dialog, "btnRefDir7");
  EXPECT_EQ(startPath, store.outDir) << "an empty slot starts at the representative folder";
  EXPECT_EQ(host.texts(HostMessage::Warn),
            (std::vector<std::string>{
                "ふさわしくないディレクトリが指定されました\r\n指定し直して下さい。",
                "プログラム本体のあるフォルダは指定できません"}));
  EXPECT_EQ(edit->text().toStdString(), "");

  const std::string chosen = store.outDir + "/jrac/denma";
  host.answers = {Answer::Yes};
  OnNextModal([&](QDialog& picker) {
    Type(picker, "edtPath", Q(chosen + "/"));
    Click(picker, "btnOk");
  });
  Click(dialog, "btnRefDir7");
  EXPECT_TRUE(fs::is_directory(chosen));
  EXPECT_EQ(edit->text().toStdString(), chosen);
  EXPECT_EQ(core.Config().OutDir[7], "") << "the setting changes only with OK";

  OnNextModal([&](QDialog& picker) {
    EXPECT_EQ(Child<QLineEdit>(picker, "edtPath")->text().toStdString(), chosen);
    Click(picker, "btnCancel");
  });
  Click(dialog, "btnRefDir7");
  EXPECT_EQ(edit->text().toStdString(), chosen);
}

TEST_F(SettingDialogTest, SubstitutionRewritesTheMeetingLineOfTheSchedule) {
  const std::vector<std::string> lines = {Ys("0509", "05"), Ys("0510", "05"), Ys("0510", "06")};
  const std::string bytes = Ys("0509", "05") + "\r\n" + Ys("0510", "05") + "\r\n" +
                            Ys("0510", "06") + "\r\n";
  const std::string question =
      "05月10日の東京開催を\r\n05月11日に変更します。\r\n\r\nよろしいですか？";
  const std::string replaced =
      "YS2" + FormatDate8(LocalToday()) + year + "0511" + "05" + "0301" + "TAIL";
  struct Case {
    const char* what;
    bool withFile;
    Answer answer;
    int course;  // index of the drop-down
    std::vector<HostMessage> messages;
    std::string fileAfter;
  };
  const std::vector<Case> cases = {
      {"done", true, Answer::Yes, 4,
       {{HostMessage::Ask, question}, {HostMessage::Info, "変更されました"}},
       Ys("0509", "05") + "\r\n" + replaced + "\r\n" + Ys("0510", "06") + "\r\n"},
      {"declined", true, Answer::No, 4, {{HostMessage::Ask, question}}, bytes},
      {"no such meeting", true, Answer::Yes, 0,
       {{HostMessage::Ask, "05月10日の札幌開催を\r\n05月11日に変更します。\r\n\r\nよろしいですか？"},
        {HostMessage::Warn,
         "指定された日付・場名のデータが見つかりませんでした。\r\n\r\n"
         "変更前後の日付、場名をご確認下さい。"}},
       bytes},
      {"no schedule", false, Answer::Yes, 4,
       {{HostMessage::Ask, question},
        {HostMessage::Warn,
         "スケジュール・データがありません。\r\n"
         "メニューより「スケジュール・データの更新」を実行して下さい。"}},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(SchedulePath());
    if (c.withFile) WriteAll(SchedulePath(), bytes);
    host.messages.clear();
    host.answers = {c.answer};
    TfrmSetting dialog(core, host);
    EXPECT_EQ(Child<QLineEdit>(dialog, "edtDaitaiYear")->text().toStdString(), year);
    Type(dialog, "edtDaitaiOldMonth", "5");
    Type(dialog, "edtDaitaiOldDay", "10");
    Child<QComboBox>(dialog, "comboDaitaiJyo")->setCurrentIndex(c.course);
    Type(dialog, "edtDaitaiNewMonth", "05");
    Type(dialog, "edtDaitaiNewDay", "11");
    Click(dialog, "btnDaitaiApply");
    ExpectMessages(host, c.messages);
    EXPECT_EQ(ReadAll(SchedulePath()), c.fileAfter);
    EXPECT_EQ(dialog.ScheduleChanged(), c.fileAfter != bytes && c.withFile);
  }
}

TEST_F(SettingDialogTest, SubstitutionRefusesANewDateThatIsNoDay) {
  WriteAll(SchedulePath(), Ys("0510", "05") + "\r\n");
  TfrmSetting dialog(core, host);
  Type(dialog, "edtDaitaiOldMonth", "5");
  Type(dialog, "edtDaitaiOldDay", "10");
  Child<QComboBox>(dialog, "comboDaitaiJyo")->setCurrentIndex(4);
  Type(dialog, "edtDaitaiNewMonth", "2");
  Type(dialog, "edtDaitaiNewDay", "30");
  Click(dialog, "btnDaitaiApply");
  EXPECT_EQ(host.texts(HostMessage::Warn),
            std::vector<std::string>{"変更後の日付が正しくありません。"});
  EXPECT_TRUE(host.texts(HostMessage::Ask).empty());
  EXPECT_EQ(ReadAll(SchedulePath()), Ys("0510", "05") + "\r\n");
}

TEST_F(SettingDialogTest, SwitchDateApplyReloadsTheScheduleForThisRun) {
  TSchedule& schedule = core.Schedule();
  const std::string shownBefore = schedule.KijunDate.substr(0, 4) + "/" +
                                  schedule.KijunDate.substr(4, 2) + "/" +
                                  schedule.KijunDate.substr(6, 2);
  const std::string kijun = year + "0507";
  struct Case {
    const char* what;
    bool withFile;
    std::string typed;
    Answer answer;
    std::vector<HostMessage> messages;
    bool applied;
    bool changed;
  };
  const std::string ask = "切替基準日を強制変更します";
  const std::vector<Case> cases = {
      {"applied", true, kijun, Answer::Yes,
       {{HostMessage::Ask, ask}, {HostMessage::Info, "変更されました"}}, true, true},
      {"declined", true, kijun, Answer::No, {{HostMessage::Ask, ask}}, false, false},
      {"without a schedule", false, kijun, Answer::Yes, {{HostMessage::Ask, ask}}, true, false},
      {"not a day", true, year + "0230", Answer::Yes,
       {{HostMessage::Warn, "切替基準日の日付が正しくありません。"}}, false, false},
  };
  const std::string original = schedule.KijunDate;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    schedule.KijunDate = original;
    fs::remove(SchedulePath());
    if (c.withFile) WriteAll(SchedulePath(), Ys("0509", "05") + "\r\n" + Ys("0510", "08") + "\r\n");
    host.messages.clear();
    host.answers = {c.answer};
    TfrmSetting dialog(core, host);
    QLineEdit* edit = Child<QLineEdit>(dialog, "edtKijunDate");
    EXPECT_EQ(edit->text().toStdString(), shownBefore);
    edit->setText(Q(c.typed));
    Click(dialog, "btnKijunDateApply");
    ExpectMessages(host, c.messages);
    EXPECT_EQ(schedule.KijunDate, c.applied ? kijun : original);
    EXPECT_EQ(dialog.ScheduleChanged(), c.changed);
    if (c.changed) {
      EXPECT_EQ(schedule.GetDayCount(), 2);
      EXPECT_EQ(schedule.GetDate(1), year + "0510");
      EXPECT_TRUE(schedule.HasJo(8));
    }
  }
}

}  // namespace
