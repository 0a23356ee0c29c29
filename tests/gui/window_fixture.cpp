#include "window_fixture.h"

#include "app/app_core.h"
#include "support/temp_dir.h"
#include "util/date_text.h"
#include "util/file_io.h"
#include "util/local_time.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <chrono>

void RecordingPrompter::show(MessageKind kind, const std::string& text) {
  switch (kind) {
    case MessageKind::Info:
      host_.info(text);
      return;
    case MessageKind::Warning:
      host_.warn(text);
      return;
    case MessageKind::Error:
      host_.error(text);
      return;
  }
}

void MainWindowTest::WriteSettings(const std::vector<std::string>& lines) {
  WriteAll(store.programDir + "/ostravel.ini", JoinCrLf(lines));
}

std::unique_ptr<TfrmMain> MainWindowTest::Open(const std::vector<std::string>& args) {
  auto window = std::make_unique<TfrmMain>(
      MainWindowSetup{store.programDir, store.Emulator(), args}, prompter);
  window->Core().Session().SetPollInterval(std::chrono::milliseconds{0});
  return window;
}

void MainWindowTest::ShowAndSettle(TfrmMain& window) {
  window.show();
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

std::vector<std::string> MainWindowTest::LogLines(const TfrmMain& window) {
  std::vector<std::string> lines;
  auto* memo = window.findChild<QPlainTextEdit*>("memoLog");
  if (memo == nullptr || memo->toPlainText().isEmpty()) return lines;
  for (const QString& line : memo->toPlainText().split('\n')) lines.push_back(line.toStdString());
  return lines;
}

bool WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > 5000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

std::string Today8() { return FormatDate8(LocalToday()); }
