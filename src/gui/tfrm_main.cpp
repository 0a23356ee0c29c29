#include "gui/tfrm_main.h"

#include "app/app_core.h"
#include "config/tconfig.h"
#include "gui/chikuseki_page.h"
#include "gui/main_window_host.h"
#include "gui/page_banner.h"
#include "gui/qt_text.h"
#include "gui/set_page.h"
#include "gui/sokuho_page.h"
#include "gui/tfrm_about.h"
#include "gui/tfrm_emulator_setting.h"
#include "gui/tfrm_schedule_dialog.h"
#include "gui/tfrm_setting.h"
#include "jvlink/jvlink_emulator.h"
#include "sets/schedule_update.h"
#include "util/result_codes.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 784;
constexpr int kClientHeight = 541;
constexpr int kRightColumnWidth = 236;
constexpr const char* kWebManualUrl = "https://ostravel.example/manual/";

// " 2025年01月03日（金）": the weekday as the program's Japanese screens name it.
QString StatusDateText(QDate today) {
  return today.toString(" yyyy年MM月dd日（") +
         QLocale(QLocale::Japanese).dayName(today.dayOfWeek(), QLocale::ShortFormat) + "）";
}

QLabel* NewStatusPanel(const char* name, int width, QWidget* parent) {
  auto* panel = new QLabel(parent);
  panel->setObjectName(name);
  panel->setFixedWidth(width);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return panel;
}

QAction* AddAction(QMenu* menu, const char* name, const char* text, bool enabled = true) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setEnabled(enabled);
  return action;
}

}  // namespace

TfrmMain::TfrmMain(MainWindowSetup setup, MessagePrompter& prompter, QWidget* parent)
    : QMainWindow(parent), commandLine_(ParseCommandLine(setup.args)) {
  setWindowTitle(kMainCaption);
  setObjectName("frmMain");
  BuildMenu();
  QWidget* rightColumn = BuildRightColumn();
  BuildStatusBar();
  host_ = std::make_unique<TMainWindowHost>(prompter, *memoLog, *panelRun, *progressDownload);
  // Where JV-Link is the emulator, its settings dialog is JV-Link's own.
  if (auto* emulator = dynamic_cast<JvLinkEmulator*>(setup.link.get())) {
    UseEmulatorSettingDialog(*emulator, *host_, this);
  }
  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(BuildPages(), 1);
  layout->addWidget(rightColumn);
  setCentralWidget(central);
  core_ = std::make_unique<TAppCore>(*host_, setup.appDir, std::move(setup.link));
  core_->SetEvents(*this);
  panelDate->setText(StatusDateText(QDate::currentDate()));

  core_->Start();
  panelLink->setText(Q(core_->LinkStatus()));
  QWidget* setTab = pages_[static_cast<std::size_t>(RunPage::Set)];
  setPage_ = new TSetPage(core_->Sets(), *host_, setTab);
  static_cast<QVBoxLayout*>(setTab->layout())->insertWidget(1, setPage_);
  chikusekiPage_->ShowInput(core_->Inputs.stored);
  sokuhoPage_->ShowInput(core_->Inputs.realtime);
  ShowSettings();  // the core applied them as it started
  ShowPage(core_->Inputs.activePage);
  connect(pageMain, &QTabWidget::currentChanged, this,
          [this](int index) { core_->Inputs.activePage = static_cast<RunPage>(index); });

  resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  if (QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

TfrmMain::~TfrmMain() {
  if (!closed_) core_->Close();
}

Host& TfrmMain::WindowHost() { return *host_; }

void TfrmMain::BuildMenu() {
  QMenu* file = menuBar()->addMenu("ファイル(&F)");
  connect(AddAction(file, "acExit", "終了(&X)"), &QAction::triggered, this, &QWidget::close);

  QMenu* data = menuBar()->addMenu("データ(&D)");
  connect(AddAction(data, "acClearOutDir", "出力先ディレクトリのクリア(&D)..."),
          &QAction::triggered, this, [this] { core_->ClearOutDir(); });
  data->addSeparator();
  QMenu* legacy = data->addMenu("その他の旧仕様データ(&P)");
  legacy->setObjectName("menuLegacyOther");
  AddAction(legacy, "acLegacyActive", "騎手・調教師（現役全員）(&A)...", false);
  legacy->addSeparator();
  AddAction(legacy, "acLegacyPast", "過去の成績データ(&S)...", false);
  menuKyuKyu = data->addMenu("その他の旧々仕様データ(&Q)");
  menuKyuKyu->setObjectName("menuKyuKyuOther");
  AddAction(menuKyuKyu, "acLegacyPastOld", "過去の旧々成績データ(&S)...", false);
  data->addSeparator();
  connect(AddAction(data, "acUpdateSchedule", "スケジュール・データの更新(&S)..."),
          &QAction::triggered, this, &TfrmMain::acUpdateScheduleExecute);

  QMenu* settings = menuBar()->addMenu("設定(&C)");
  connect(AddAction(settings, "acLinkSetup", "JV-Linkの設定(&J)..."), &QAction::triggered, this,
          &TfrmMain::acLinkSetupExecute);
  settings->addSeparator();
  connect(AddAction(settings, "acOption", "オプション(&O)..."), &QAction::triggered, this,
          &TfrmMain::acOptionExecute);

  QMenu* help = menuBar()->addMenu("ヘルプ(&H)");
  connect(AddAction(help, "acWebManual", "WEBマニュアル(&M)"), &QAction::triggered, this,
          &TfrmMain::acWebManualExecute);
  help->addSeparator();
  connect(AddAction(help, "acAbout", "バージョン情報(&A)..."), &QAction::triggered, this, [this] {
    TfrmAbout about(this);
    about.exec();
  });
}

QWidget* TfrmMain::AddPage(RunPage page, const char* name, const char* caption, const char* banner,
                           const char* band) {
  auto* widget = new QWidget(pageMain);
  widget->setObjectName(name);
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(NewPageBanner(banner, QColor(band), widget));
  pageMain->addTab(widget, caption);
  pages_[static_cast<std::size_t>(page)] = widget;
  return widget;
}

QWidget* TfrmMain::BuildPages() {
  pageMain = new QTabWidget(this);
  pageMain->setObjectName("pageMain");
  pageMain->setStyleSheet("QTabBar::tab { padding: 4px 9px; }");
  AddPage(RunPage::Set, "tabsSet", "セット取得",
          "取得定義にしたがってJV-Data（Data Lab.仕様）を取得します", "#1f4e79");
  AddPage(RunPage::Legacy, "tabsLegacy", "旧仕様変換", "旧仕様データを出力します", "#7a4a12");
  AddPage(RunPage::Rtd, "tabsRtd", "速報オッズ",
          "指定された速報系データを新／旧レイアウトで出力します", "#8b2323");
  AddPage(RunPage::Custom, "tabsCustom", "カスタム出力", "指定された編集形式でデータを出力します",
          "#2e6b30");
  QWidget* chikuseki =
      AddPage(RunPage::Chikuseki, "tabsChikuseki", "[個] 蓄積",
              "パラメタを手動設定し、JV-Data（蓄積系）を個別に取得します", "#4b3b8f");
  QWidget* sokuho = AddPage(RunPage::Sokuho, "tabsSokuho", "[個] 速報",
                            "パラメタを手動設定し、JV-Data（速報系）を個別に取得します", "#7a2f6b");
  QWidget* timer = AddPage(RunPage::Timer, "tabsTimer", "タイマー",
                           "セット取得・速報データの自動取得を行います", "#2f5f6b");

  chikusekiPage_ = new TChikusekiPage(*host_, chikuseki);
  chikuseki->layout()->addWidget(chikusekiPage_);
  sokuhoPage_ = new TSokuhoPage(*host_, sokuho);
  sokuho->layout()->addWidget(sokuhoPage_);

  // Until the FTP transfer is built the button refuses; the rest of the timer page is to come.
  btnFTP = new QPushButton("手動FTP転送", timer);
  btnFTP->setObjectName("btnFTP");
  btnFTP->setVisible(false);
  connect(btnFTP, &QPushButton::clicked, this, &TfrmMain::btnFTPClick);
  timer->layout()->addWidget(btnFTP);

  // The pages of work not built yet show their banner alone.
  for (QWidget* page : pages_) static_cast<QVBoxLayout*>(page->layout())->addStretch();
  return pageMain;
}

QWidget* TfrmMain::BuildRightColumn() {
  auto* column = new QWidget(this);
  column->setFixedWidth(kRightColumnWidth);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  btnStart = new QPushButton("ダウンロード開始", column);
  btnStart->setObjectName("btnStart");
  btnStart->setMinimumHeight(36);
  connect(btnStart, &QPushButton::clicked, this, &TfrmMain::btnStartClick);
  layout->addWidget(btnStart);
  btnCancel = new QPushButton("キャンセル", column);
  btnCancel->setObjectName("btnCancel");
  connect(btnCancel, &QPushButton::clicked, this, [this] { core_->Cancel(); });
  layout->addWidget(btnCancel);

  layout->addSpacing(6);
  layout->addWidget(new QLabel("ログ", column));
  memoLog = new QPlainTextEdit(column);
  memoLog->setObjectName("memoLog");
  memoLog->setReadOnly(true);
  memoLog->setLineWrapMode(QPlainTextEdit::NoWrap);
  memoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(memoLog, 3);

  layout->addWidget(new QLabel("【代表ディレクトリ】に存在するファイル", column));
  lblOutDirFileCount = new QLabel("n個", column);
  lblOutDirFileCount->setObjectName("lblOutDirFileCount");
  lblOutDirFileCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(lblOutDirFileCount);
  listOutDir = new QListWidget(column);
  listOutDir->setObjectName("listOutDir");
  connect(listOutDir, &QListWidget::itemDoubleClicked, this, &TfrmMain::listOutDirDblClick);
  layout->addWidget(listOutDir, 2);
  return column;
}

void TfrmMain::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(false);
  panelDate = NewStatusPanel("panelDate", 140, bar);
  panelLink = NewStatusPanel("panelLink", 96, bar);
  panelRun = NewStatusPanel("panelRun", 400, bar);
  bar->addWidget(panelDate);
  bar->addWidget(panelLink);
  bar->addWidget(panelRun);
  progressDownload = new QProgressBar(bar);
  progressDownload->setObjectName("progressDownload");
  progressDownload->setVisible(false);
  bar->addWidget(progressDownload, 1);
}

void TfrmMain::ApplySettings() {
  core_->ApplySettings();
  ShowSettings();
}

void TfrmMain::ShowSettings() {
  const TConfig& config = core_->Config();
  const bool shown[kPageCount] = {config.FuncSet,
                                  config.FuncLegacy,
                                  config.FuncRtd,
                                  config.FuncCustom,
                                  config.FuncKobetsuChikuseki,
                                  config.FuncKobetsuSokuho,
                                  true};
  for (int i = 0; i < kPageCount; ++i) pageMain->setTabVisible(i, shown[i]);
  menuKyuKyu->menuAction()->setVisible(config.LegKyuKyu);
}

void TfrmMain::ShowPage(RunPage page) { pageMain->setCurrentIndex(static_cast<int>(page)); }

void TfrmMain::StoreInputs() {
  core_->Inputs.set.selectedSet = setPage_->SelectedSet();
  chikusekiPage_->StoreInput(core_->Inputs.stored);
  sokuhoPage_->StoreInput(core_->Inputs.realtime);
}

void TfrmMain::btnStartClick() {
  StoreInputs();
  core_->StartRun(kRunByPage);
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  QTimer::singleShot(0, this, &TfrmMain::FirstShown);
}

void TfrmMain::FirstShown() {
  QCoreApplication::processEvents();  // the window paints before a run starts
  StoreInputs();
  ActOnCommandLine(*core_, commandLine_);
  ShowPage(core_->Inputs.activePage);
  btnFTP->setVisible(core_->Config().FtpEnabled);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (closed_) return;
  if (core_->Running()) {
    // The run still has frames on the stack: cancel it and close once it has ended.
    closeAfterRun_ = true;
    core_->Cancel();
    event->ignore();
    return;
  }
  closed_ = true;
  core_->Close();
  event->accept();
}

void TfrmMain::acUpdateScheduleExecute() {
  TfrmScheduleDialog dialog(QDate::currentDate(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (UpdateSchedule(*core_, dialog.FromDateText()) == kResultOk) core_->FillRaceDayLists();
}

void TfrmMain::acLinkSetupExecute() {
  int code = core_->Session().ShowLinkSetup();
  if (code != kJvOk) host_->error("JVSetUIPropertiesエラー: " + std::to_string(code));
}

void TfrmMain::acOptionExecute() {
  TfrmSetting dialog(*core_, *host_, this);
  if (dialog.exec() == QDialog::Accepted) ApplySettings();
  if (dialog.ScheduleChanged()) core_->FillRaceDayLists();
}

void TfrmMain::acWebManualExecute() { QDesktopServices::openUrl(QUrl(kWebManualUrl)); }

void TfrmMain::btnFTPClick() {
  host_->warn("手動FTP転送\r\n\r\nこの処理はこのバージョンでは使用できません。");
}

void TfrmMain::listOutDirDblClick() {
  QListWidgetItem* item = listOutDir->currentItem();
  if (item == nullptr) return;
  QString path = Q(core_->Config().OutDir[0]) + "/" + item->text();
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TfrmMain::runningChanged(bool running) {
  btnStart->setEnabled(!running);
  if (running) {
    ShowPage(core_->Inputs.activePage);  // "AUTO" runs the legacy page
  } else if (closeAfterRun_) {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

void TfrmMain::outDirListChanged() {
  const std::vector<std::string>& files = core_->OutDirFiles();
  listOutDir->clear();
  for (const std::string& name : files) listOutDir->addItem(Q(name));
  lblOutDirFileCount->setText(QString("%1個").arg(files.size()));
}

void TfrmMain::closeRequested() {
  // StartRun has not returned yet: close once it has.
  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TfrmMain::focusRequested(InputFocus control) {
  if (control == InputFocus::StoredYear) chikusekiPage_->FocusYear();
}
