#include "gui/main_window_host.h"

#include "gui/qt_text.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

TMainWindowHost::TMainWindowHost(MessagePrompter& prompter, QPlainTextEdit& memoLog,
                                 QLabel& runPanel, QProgressBar& progress)
    : prompter_(prompter), mainLog_(memoLog), runPanel_(runPanel), progress_(progress) {}

TMainWindowHost::~TMainWindowHost() {
  while (busyDepth_ > 0) setBusy(false);
}

void TMainWindowHost::setBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++busyDepth_;
  } else if (busyDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --busyDepth_;
  }
}

void TMainWindowHost::setStatus(const std::string& text) { runPanel_.setText(Q(text)); }

void TMainWindowHost::setProgress(int done, int total) {
  if (total <= 0) {
    progress_.hide();
    return;
  }
  progress_.show();
  progress_.setRange(0, total);
  progress_.setValue(done);
  progress_.setFormat(QString("%1 / %2").arg(done).arg(total));
}

void TMainWindowHost::pump() { QCoreApplication::processEvents(); }
