#include "gui/screenshots.h"

#include "app/app_core.h"
#include "gui/message_prompter.h"
#include "gui/qt_text.h"
#include "gui/tfrm_about.h"
#include "gui/tfrm_emulator_setting.h"
#include "gui/tfrm_get_directory.h"
#include "gui/tfrm_main.h"
#include "gui/tfrm_schedule_dialog.h"
#include "gui/tfrm_set_teigi.h"
#include "gui/tfrm_setting.h"
#include "jvlink/emulator_settings.h"
#include "sets/schedule.h"
#include "util/host.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTabWidget>

namespace {

class Shots {
 public:
  explicit Shots(const QString& folder) : folder_(folder) {}

  // Shows the widget, lets it lay out and paint, and saves what it shows.
  void Take(QWidget& widget, const QString& name) {
    widget.show();
    QApplication::processEvents();
    Save(widget.grab(), name);
  }

  void Save(const QPixmap& pixmap, const QString& name) {
    if (!error.empty()) return;
    QString file = name + ".png";
    if (pixmap.isNull() || !pixmap.save(QDir(folder_).filePath(file), "PNG")) {
      error = "cannot write " + U(QDir(folder_).filePath(file));
      return;
    }
    written.push_back(file);
  }

  std::vector<QString> written;
  std::string error;

 private:
  QString folder_;
};

void TakeMainWindow(Shots& shots, TfrmMain& window) {
  auto* pages = window.findChild<QTabWidget*>("pageMain");
  for (int i = 0; i < pages->count(); ++i) {
    if (!pages->isTabVisible(i)) continue;
    window.ShowPage(static_cast<RunPage>(i));
    shots.Take(window, QString("main_%1_%2").arg(i + 1).arg(pages->widget(i)->objectName()));
  }
  // A download under way, as the status bar and the log show it.
  TAppCore& core = window.Core();
  Host& host = window.WindowHost();
  window.ShowPage(RunPage::Chikuseki);
  core.AddLog("《 個別取得（蓄積系） 》", 0, 0);
  core.AddLog("> ダウンロード", 1, 1);
  core.AddLog("> 蓄積(RACE)", 0, 0);
  host.setStatus(kRunningStatus);
  host.setProgress(3, 8);
  shots.Take(window, "main_8_downloading");
  host.setProgress(0, 0);
  host.setStatus("");
  host.mainLog().clear();

  int index = 0;
  for (QAction* action : window.menuBar()->actions()) {
    QMenu* menu = action->menu();
    if (menu == nullptr) continue;
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    shots.Save(menu->grab(), QString("menu_%1").arg(++index));
    menu->hide();
  }
}

// Every page of the options dialog, and both sub-pages of its folder page; with the FTP group
// shown, so that every control is in the pictures.
void TakeOptionsDialog(Shots& shots, TfrmMain& window) {
  TAppCore& core = window.Core();
  bool ftpEnabled = core.Config().FtpEnabled;
  core.Config().FtpEnabled = true;
  TfrmSetting setting(core, window.WindowHost(), &window);
  auto* pages = setting.findChild<QTabWidget*>("pageSetting");
  auto* folderPages = setting.findChild<QTabWidget*>("pageFolder");
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    shots.Take(setting, QString("setting_%1_%2").arg(i + 1).arg(pages->widget(i)->objectName()));
    if (pages->widget(i)->isAncestorOf(folderPages)) {
      for (int j = 1; j < folderPages->count(); ++j) {
        folderPages->setCurrentIndex(j);
        shots.Take(setting,
                   QString("setting_%1_%2").arg(i + 1).arg(folderPages->widget(j)->objectName()));
      }
      folderPages->setCurrentIndex(0);
    }
  }
  setting.close();
  core.Config().FtpEnabled = ftpEnabled;
}

}  // namespace

std::vector<QString> SaveScreenshots(TfrmMain& window, const QString& folder, std::string& error) {
  Shots shots(folder);
  if (!QDir().mkpath(folder)) {
    error = "cannot create " + U(folder);
    return {};
  }
  TakeMainWindow(shots, window);

  TfrmSetTeigi setTeigi(window.Core().Sets(), window.WindowHost(), 0, &window);
  shots.Take(setTeigi, "dialog_set_teigi");
  setTeigi.close();
  TfrmScheduleDialog schedule(QDate::currentDate(), &window);
  shots.Take(schedule, "dialog_schedule");
  schedule.close();
  TakeOptionsDialog(shots, window);
  TfrmGetDirectory picker("", window.Core().Config().AppDir, "", window.Core().Config(),
                          window.WindowHost(), &window);
  shots.Take(picker, "dialog_get_directory");
  picker.close();
  TfrmAbout about(&window);
  shots.Take(about, "dialog_about");
  about.close();
  TfrmEmulatorSetting emulator(LoadEmulatorSettings(window.Core().Config().AppDir),
                               window.WindowHost(), &window);
  shots.Take(emulator, "dialog_emulator_setting");
  emulator.close();
  std::unique_ptr<QMessageBox> box = NewMessageBox(MessageKind::Info, kNoScheduleNotice, &window);
  shots.Take(*box, "message_info");
  box->close();

  error = shots.error;
  return error.empty() ? shots.written : std::vector<QString>{};
}
