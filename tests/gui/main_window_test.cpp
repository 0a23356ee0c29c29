// The main window as real widgets: start-up on a fresh and a configured home, "AUTO" and
// "FTP=ON", the menu actions, the run log and closing.

#include "app/app_core.h"
#include "app/run_kinds.h"
#include "dialog_test_helpers.h"
#include "gui/memo_log_pane.h"
#include "jvlink/emulator_settings.h"
#include "sets/schedule.h"
#include "support/core_fixture.h"
#include "util/date_text.h"
#include "util/file_io.h"
#include "util/local_time.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// The menu as lines: "-" for a separator, a submenu's items indented, "(off)" for a disabled
// and "(hidden)" for a hidden action.
void DescribeMenu(const QList<QAction*>& actions, const std::string& indent, Lines& out) {
  for (QAction* action : actions) {
    if (action->isSeparator()) {
      out.push_back(indent + "-");
      continue;
    }
    std::string line = indent + action->text().toStdString();
    if (!action->isVisible()) {
      line += " (hidden)";
    } else if (!action->isEnabled()) {
      line += " (off)";
    }
    out.push_back(line);
    if (action->menu() != nullptr) DescribeMenu(action->menu()->actions(), indent + "  ", out);
  }
}

bool Contains(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

Lines ListItems(const QListWidget* list) {
  Lines items;
  for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
  std::sort(items.begin(), items.end());
  return items;
}

TEST_F(MainWindowTest, StartsOnAFreshHomeWithItsPagesMenuAndStatusBar) {
  auto window = Open();
  EXPECT_EQ(window->windowTitle().toStdString(), "Ostravel  (Ver.4.01)");
  EXPECT_EQ(host.texts(HostMessage::Info), Lines{kNoScheduleNotice});
  EXPECT_TRUE(host.texts(HostMessage::Warn).empty()) << "the default folder is set";
  EXPECT_TRUE(fs::exists(store.programDir + "/ostravel.ini")) << "saved at once on a first start";

  auto* pages = Child<QTabWidget>(*window, "pageMain");
  const std::pair<const char*, const char*> expected[] = {
      {"セット取得", "取得定義にしたがってJV-Data（Data Lab.仕様）を取得します"},
      {"旧仕様変換", "旧仕様データを出力します"},
      {"速報オッズ", "指定された速報系データを新／旧レイアウトで出力します"},
      {"カスタム出力", "指定された編集形式でデータを出力します"},
      {"[個] 蓄積", "パラメタを手動設定し、JV-Data（蓄積系）を個別に取得します"},
      {"[個] 速報", "パラメタを手動設定し、JV-Data（速報系）を個別に取得します"},
      {"タイマー", "セット取得・速報データの自動取得を行います"},
  };
  ASSERT_EQ(pages->count(), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(pages->tabText(i).toStdString(), expected[i].first);
    EXPECT_EQ(Child<QLabel>(*pages->widget(i), "banner")->text().toStdString(), expected[i].second);
    EXPECT_TRUE(pages->isTabVisible(i)) << i;
  }
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_EQ(Child<QRadioButton>(*window, "radioTaishoSet1")->text().toStdString(),
            "今週のレース情報")
      << "the set page shows the default sets";

  Lines menu;
  DescribeMenu(window->menuBar()->actions(), "", menu);
  EXPECT_EQ(menu, (Lines{
                      "ファイル(&F)",
                      "  終了(&X)",
                      "データ(&D)",
                      "  出力先ディレクトリのクリア(&D)...",
                      "  -",
                      "  その他の旧仕様データ(&P)",
                      "    騎手・調教師（現役全員）(&A)... (off)",
                      "    -",
                      "    過去の成績データ(&S)... (off)",
                      "  その他の旧々仕様データ(&Q) (hidden)",
                      "    過去の旧々成績データ(&S)... (off)",
                      "  -",
                      "  スケジュール・データの更新(&S)...",
                      "設定(&C)",
                      "  JV-Linkの設定(&J)...",
                      "  -",
                      "  オプション(&O)...",
                      "ヘルプ(&H)",
                      "  WEBマニュアル(&M)",
                      "  -",
                      "  バージョン情報(&A)...",
                  }));

  const char* weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
  std::string today = Today8();
  std::string date =
      " " + today.substr(0, 4) + "年" + today.substr(4, 2) + "月" + today.substr(6, 2) + "日（" +
      weekdays[std::chrono::weekday{std::chrono::sys_days{LocalToday()}}.c_encoding()] + "）";
  EXPECT_EQ(Child<QLabel>(*window, "panelDate")->text().toStdString(), date);
  EXPECT_EQ(Child<QLabel>(*window, "panelLink")->text().toStdString(), "JV-Link : 1.0.0");
  EXPECT_EQ(Child<QLabel>(*window, "panelRun")->text().toStdString(), "");
  EXPECT_EQ(Child<QLabel>(*window, "lblOutDirFileCount")->text().toStdString(), "0個");

  ShowAndSettle(*window);
  EXPECT_FALSE(Child<QPushButton>(*window, "btnFTP")->isVisible()) << "only with FTP=ON";
  EXPECT_FALSE(Child<QProgressBar>(*window, "progressDownload")->isVisible());
}

TEST_F(MainWindowTest, StartsOnAHomeWithSettingsAndSavesThemOnClosing) {
  WriteAll(store.Out("a.txt"), "a");
  WriteAll(store.Out("b.txt"), "b");
  WriteAll(store.Out(".hidden"), "h");
  fs::create_directories(store.Out("folder"));
  WriteSettings({"[FUNCTION]", "FuncLegacy=0", "FuncRtd=0", "FirstPage=4", "[FOLDER]",
                 "OutDir0=" + store.outDir, "[LEGACY]", "LegKyuKyu=1"});
  auto window = Open();
  EXPECT_EQ(host.texts(HostMessage::Warn), Lines{});

  auto* pages = Child<QTabWidget>(*window, "pageMain");
  EXPECT_EQ(pages->currentIndex(), 4) << "FirstPage 4: [個] 蓄積";
  const bool shown[] = {true, false, false, true, true, true, true};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(pages->isTabVisible(i), shown[i]) << i;
  EXPECT_TRUE(Child<QMenu>(*window, "menuKyuKyuOther")->menuAction()->isVisible());
  EXPECT_EQ(ListItems(Child<QListWidget>(*window, "listOutDir")), (Lines{"a.txt", "b.txt"}));
  EXPECT_EQ(Child<QLabel>(*window, "lblOutDirFileCount")->text().toStdString(), "2個");

  ShowAndSettle(*window);
  EXPECT_TRUE(window->close());
  std::string saved = ReadAll(store.programDir + "/ostravel.ini");
  EXPECT_NE(saved.find("FirstPage=4\r\n"), std::string::npos);
  EXPECT_NE(saved.find("FuncSet=1\r\n"), std::string::npos) << "a key the file lacked";
}

// "AUTO 1 2": the legacy page, preset 1 and race day 2, then the run; the window closes only
// when the run succeeded.
TEST_F(MainWindowTest, AutoRunsThePresetOnTheRaceDayAndClosesOnlyOnSuccess) {
  // Two race days this week and this year: today and tomorrow, or yesterday and today on the
  // last day of the year.
  std::chrono::sys_days today{LocalToday()};
  bool yearEnd = std::chrono::year_month_day{today + std::chrono::days{1}}.year() !=
                 std::chrono::year_month_day{today}.year();
  std::chrono::sys_days first = yearEnd ? today - std::chrono::days{1} : today;
  std::string day1 = FormatDate8(first);
  std::string day2 = FormatDate8(first + std::chrono::days{1});
  unsigned weekday = std::chrono::weekday{first}.c_encoding();
  WriteSettings({"[FOLDER]", "OutDir0=" + store.outDir, "[LEGACY]", "LegLzhOut=0",
                 "LegSetCheck0=10000000000000", "[AUTODATE]",
                 "KijunYobi=" + std::to_string(weekday + 1), "KijunHH=0", "KijunNN=0"});
  WriteAll(store.programDir + "/" + kScheduleFileName,
           JoinCrLf({"YS1" + day1 + day1 + "050101", "YS1" + day2 + day2 + "060101"}));

  struct Case {
    const char* name;
    std::optional<int> result;  // the legacy work's result; none when it is not registered
    bool closes;
    const char* lastLine;  // the log line before the dashes
    const char* warning;
  } cases[] = {
      {"succeeds", 0, true, "  変換処理 : 0.000 sec", nullptr},
      {"fails", 9, false, "*** 正常に取得できませんでした", nullptr},
      {"not built yet", std::nullopt, false, nullptr,
       "《 旧仕様変換 》\r\n\r\nこの処理はこのバージョンでは使用できません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host = RecordingHost();
    auto window = Open({"AUTO", "1", "2"});
    auto* pages = Child<QTabWidget>(*window, "pageMain");
    std::optional<LegacyPageInput> seen;
    int pageDuringRun = -1;
    if (c.result) {
      window->Core().RegisterRunKind(kRunLegacy, [&](const RunDates&) {
        seen = window->Core().Inputs.legacy;
        pageDuringRun = pages->currentIndex();
        return *c.result;
      });
    }
    ShowAndSettle(*window);
    if (c.closes) {
      EXPECT_TRUE(WaitUntil([&] { return !window->isVisible(); }));
    } else {
      QCoreApplication::processEvents();
      EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(pages->currentIndex(), 1) << "the legacy page";
    EXPECT_EQ(host.texts(HostMessage::Warn), c.warning ? Lines{c.warning} : Lines{});
    if (c.result) {
      ASSERT_TRUE(seen);
      EXPECT_TRUE(seen->checkLegDenma) << "preset 1";
      EXPECT_EQ(seen->selectedRaceDay, 1) << "race day 2";
      EXPECT_EQ(pageDuringRun, 1);
      Lines log = LogLines(*window);
      ASSERT_GE(log.size(), 4u);
      EXPECT_EQ(log[0], "《 旧仕様変換 》");
      EXPECT_EQ(log[log.size() - 4], c.lastLine);
      EXPECT_EQ(log[log.size() - 2], kDashes);
    } else {
      EXPECT_TRUE(LogLines(*window).empty()) << "a refusal logs nothing";
    }
  }
}

TEST_F(MainWindowTest, FtpOnOpensTheTimerPageWithItsButton) {
  auto window = Open({"FTP=ON"});
  ShowAndSettle(*window);
  EXPECT_TRUE(window->Core().Config().FtpEnabled);
  EXPECT_EQ(Child<QTabWidget>(*window, "pageMain")->currentIndex(), 6);
  auto* ftp = Child<QPushButton>(*window, "btnFTP");
  EXPECT_TRUE(ftp->isVisible());
  EXPECT_EQ(ftp->text().toStdString(), "手動FTP転送");
  ftp->click();
  EXPECT_EQ(host.texts(HostMessage::Warn),
            Lines{"手動FTP転送\r\n\r\nこの処理はこのバージョンでは使用できません。"});
}

TEST_F(MainWindowTest, ClearsTheOutputFolderAfterAskingAndRefreshesItsList) {
  WriteAll(store.Out("a.txt"), "a");
  WriteSettings({"[FOLDER]", "OutDir0=" + store.outDir});
  auto window = Open();
  auto* count = Child<QLabel>(*window, "lblOutDirFileCount");
  EXPECT_EQ(count->text().toStdString(), "1個");

  QAction* clear = Child<QAction>(*window, "acClearOutDir");
  clear->trigger();  // answered No
  EXPECT_TRUE(fs::exists(store.Out("a.txt")));
  host.answers = {Answer::Yes};
  clear->trigger();
  EXPECT_EQ(host.texts(HostMessage::Ask).size(), 2u);
  EXPECT_FALSE(fs::exists(store.Out("a.txt")));
  EXPECT_EQ(count->text().toStdString(), "0個");
  EXPECT_EQ(Child<QListWidget>(*window, "listOutDir")->count(), 0);
}

TEST_F(MainWindowTest, UpdatesTheScheduleFromItsDialog) {
  const std::string today = Today8();
  std::string ys = "YS1" + today + today + "050101";
  ys += std::string(40 - ys.size(), ' ');
  store.AddStored("YSCH", "YSYS", today, "29991231000000", {ys + "\r\n"});
  auto window = Open();
  QAction* update = Child<QAction>(*window, "acUpdateSchedule");
  const std::string schedule = store.programDir + "/" + kScheduleFileName;

  // Cancelled, then accepted at its start date.
  for (bool accept : {false, true}) {
    OnNextModal([accept](QDialog& dialog) {
      if (accept) dialog.accept();
    });
    update->trigger();
    EXPECT_EQ(fs::exists(schedule), accept);
  }
  EXPECT_EQ(ReadAll(schedule), ys + "\r\n");
  Lines log = LogLines(*window);
  EXPECT_TRUE(Contains(log, "《 スケジュールの更新 》"));
  EXPECT_TRUE(Contains(log, "*** 正常終了"));
}

TEST_F(MainWindowTest, OptionsDialogRefillsTheRaceDaysAndAppliesWhatItSaved) {
  auto window = Open();  // without a schedule
  TAppCore& core = window->Core();
  ASSERT_EQ(core.Inputs.legacy.raceDayCount, 0);
  const std::string today = Today8();
  WriteAll(store.programDir + "/" + kScheduleFileName, "YS1" + today + today + "050101" + "\r\n");
  QAction* options = Child<QAction>(*window, "acOption");

  // A new switch date applied, then cancelled: the race days are refilled all the same.
  host.answers = {Answer::Yes};
  OnNextModal([&today](QDialog& dialog) {
    Child<QLineEdit>(dialog, "edtKijunDate")->setText(QString::fromStdString(today));
    Child<QPushButton>(dialog, "btnKijunDateApply")->click();
  });
  options->trigger();
  EXPECT_EQ(core.Inputs.legacy.raceDayCount, 1);

  // A page hidden and saved.
  OnNextModal([](QDialog& dialog) {
    Child<QCheckBox>(dialog, "checkFuncLegacy")->setChecked(false);
    Child<QPushButton>(dialog, "btnOk")->click();
  });
  options->trigger();
  EXPECT_FALSE(Child<QTabWidget>(*window, "pageMain")->isTabVisible(1));
  EXPECT_NE(ReadAll(store.programDir + "/ostravel.ini").find("FuncLegacy=0\r\n"),
            std::string::npos);
}

TEST_F(MainWindowTest, LinkSetupOpensTheEmulatorsDialogAndReportsItsFailure) {
  auto window = Open();
  host = RecordingHost();
  const std::string settingsFile = store.programDir + "/" + kEmulatorSettingsFile;
  QAction* setup = Child<QAction>(*window, "acLinkSetup");
  for (bool saves : {false, true}) {
    SCOPED_TRACE(saves ? "saved" : "cannot be saved");
    fs::remove_all(settingsFile);
    if (!saves) fs::create_directories(settingsFile);  // a folder in the way
    OnNextModal([](QDialog& dialog) {
      EXPECT_EQ(dialog.objectName().toStdString(), "frmEmulatorSetting");
      Child<QSpinBox>(dialog, "edtPace")->setValue(7);
      Child<QPushButton>(dialog, "btnOk")->click();
    });
    setup->trigger();
    EXPECT_EQ(host.texts(HostMessage::Error),
              saves ? Lines{} : Lines{"JVSetUIPropertiesエラー: -100"});
    EXPECT_EQ(LoadEmulatorSettings(store.programDir).pace, saves ? 7 : 20);
    host = RecordingHost();
  }

  bool aboutShown = false;
  OnNextModal([&aboutShown](QDialog& dialog) { aboutShown = dialog.objectName() == "frmAbout"; });
  Child<QAction>(*window, "acAbout")->trigger();
  EXPECT_TRUE(aboutShown);
}

TEST_F(MainWindowTest, ClosingDuringARunCancelsItAndClosesWhenItHasEnded) {
  WriteSettings({"[FOLDER]", "OutDir0=" + store.outDir});
  for (const char* stamp : {"20230106120000", "20230106130000", "20230106140000"}) {
    store.AddStored("RACE", "RARA", "20230105", stamp, {Record("RA", "20230105", stamp)});
  }
  store.SetPace(1);
  auto window = Open();
  ShowAndSettle(*window);
  TAppCore& core = window->Core();
  core.Inputs.activePage = RunPage::Chikuseki;
  core.Inputs.stored = {1, "2023", "01", "01", "00", "00", "00", 0};
  host.answers = {Answer::Yes};  // more than 31 days ago

  bool closedDuringRun = true;
  auto* progress = Child<QProgressBar>(*window, "progressDownload");
  QObject::connect(progress, &QProgressBar::valueChanged, [&](int) {
    if (closedDuringRun && window->isVisible()) closedDuringRun = window->close();
  });
  EXPECT_TRUE(core.StartRun(kRunByPage).started);
  EXPECT_FALSE(closedDuringRun) << "refused while the run is on";
  EXPECT_TRUE(Contains(LogLines(*window), "> キャンセルされました"));
  EXPECT_TRUE(WaitUntil([&] { return !window->isVisible(); }));
}

TEST_F(MainWindowTest, LogPaneCountsItsLinesForTheFiveHundredLineRule) {
  QPlainTextEdit memo;
  TMemoLogPane pane(memo);
  EXPECT_EQ(pane.lineCount(), 0);
  pane.replaceLastLine("first");  // on an empty pane: appended
  pane.appendLine("");
  EXPECT_EQ(pane.lineCount(), 2);
  pane.replaceLastLine("> 蓄積(RACE) …… OK");
  EXPECT_EQ(pane.lastLine(), "> 蓄積(RACE) …… OK");
  EXPECT_EQ(memo.toPlainText().toStdString(), "first\n> 蓄積(RACE) …… OK");
  pane.clear();
  pane.appendLine("");
  EXPECT_EQ(pane.lineCount(), 1) << "one empty line is a line";
  EXPECT_EQ(pane.lastLine(), "");

  auto window = Open();
  TAppCore& core = window->Core();
  for (int i = 0; i < TAppCore::kLogLineLimit; ++i) core.AddLog("line", 0, 0);
  core.AddLog("501", 0, 0);
  EXPECT_EQ(LogLines(*window).size(), 501u) << "500 lines are kept";
  core.AddLog("after", 0, 0);
  EXPECT_EQ(LogLines(*window), Lines{"after"}) << "more than 500 are cleared first";
}

}  // namespace
