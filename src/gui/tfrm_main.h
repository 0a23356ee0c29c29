#pragma once
// The main window (TfrmMain): the pages of the program's work, the start and cancel buttons, the
// run log, the representative folder's files, the status bar and the menu. It wraps the
// application core, implements its window events and gives it the window's Host.

#include "app/command_line.h"
#include "app/main_window_events.h"
#include "app/page_inputs.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>
#include <vector>

class Host;
class JvLink;
class MessagePrompter;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class TAppCore;
class TChikusekiPage;
class TMainWindowHost;
class TSetPage;
class TSokuhoPage;

constexpr const char* kMainCaption = "Ostravel  (Ver.4.01)";
constexpr int kPageCount = 7;

struct MainWindowSetup {
  std::string appDir;
  std::unique_ptr<JvLink> link;
  // The window's own arguments: "AUTO" [preset [race day]] or "FTP=ON".
  std::vector<std::string> args;
};

class TfrmMain : public QMainWindow, public MainWindowEvents {
  Q_OBJECT

 public:
  // Start-up: the window's controls, then the core started in its order, then the start page.
  TfrmMain(MainWindowSetup setup, MessagePrompter& prompter, QWidget* parent = nullptr);
  ~TfrmMain() override;

  TAppCore& Core() { return *core_; }
  Host& WindowHost();

  // The settings' effect on the core and on the window: the pages shown, the old-old submenu.
  void ApplySettings();
  void ShowPage(RunPage page);

  // "ダウンロード開始": the page's inputs into the core, then StartRun(0).
  void btnStartClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  QWidget* BuildPages();
  QWidget* BuildRightColumn();
  void BuildStatusBar();
  QWidget* AddPage(RunPage page, const char* name, const char* caption, const char* banner,
                   const char* band);
  void ShowSettings();
  void FirstShown();
  void StoreInputs();

  void acUpdateScheduleExecute();
  void acLinkSetupExecute();
  void acOptionExecute();
  void acWebManualExecute();
  void btnFTPClick();
  void listOutDirDblClick();

  // MainWindowEvents
  void runningChanged(bool running) override;
  void outDirListChanged() override;
  void closeRequested() override;
  void focusRequested(InputFocus control) override;

  CommandLineStart commandLine_;
  std::unique_ptr<TMainWindowHost> host_;
  std::unique_ptr<TAppCore> core_;
  bool shown_ = false;
  bool closed_ = false;
  bool closeAfterRun_ = false;

  QTabWidget* pageMain = nullptr;
  std::array<QWidget*, kPageCount> pages_{};
  TSetPage* setPage_ = nullptr;
  TChikusekiPage* chikusekiPage_ = nullptr;
  TSokuhoPage* sokuhoPage_ = nullptr;
  QPushButton* btnFTP = nullptr;
  QPushButton* btnStart = nullptr;
  QPushButton* btnCancel = nullptr;
  QPlainTextEdit* memoLog = nullptr;
  QLabel* lblOutDirFileCount = nullptr;
  QListWidget* listOutDir = nullptr;
  QLabel* panelDate = nullptr;
  QLabel* panelLink = nullptr;
  QLabel* panelRun = nullptr;
  QProgressBar* progressDownload = nullptr;
  QMenu* menuKyuKyu = nullptr;
};
