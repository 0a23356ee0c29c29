#pragma once
// The main window's Host: messages and questions through a MessagePrompter, the run log in
// memoLog, the run panel and the download progress bar of the status bar, the hourglass cursor,
// and pending window events let through.

#include "gui/message_prompter.h"
#include "gui/memo_log_pane.h"
#include "util/host.h"
#include "util/memory_log_pane.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;

class TMainWindowHost : public Host {
 public:
  TMainWindowHost(MessagePrompter& prompter, QPlainTextEdit& memoLog, QLabel& runPanel,
                  QProgressBar& progress);
  ~TMainWindowHost() override;

  void info(const std::string& text) override { prompter_.show(MessageKind::Info, text); }
  void warn(const std::string& text) override { prompter_.show(MessageKind::Warning, text); }
  void error(const std::string& text) override { prompter_.show(MessageKind::Error, text); }
  Answer ask(const std::string& text, bool withCancel) override {
    return prompter_.ask(text, withCancel);
  }
  bool confirm(const std::string& text) override { return prompter_.confirm(text); }

  void setBusy(bool busy) override;
  void setStatus(const std::string& text) override;
  void setProgress(int done, int total) override;
  void pump() override;

  LogPane& mainLog() override { return mainLog_; }
  // The timer page's task log is kept in memory until that page shows it.
  LogPane& taskLog() override { return taskLog_; }

 private:
  MessagePrompter& prompter_;
  TMemoLogPane mainLog_;
  MemoryLogPane taskLog_;
  QLabel& runPanel_;
  QProgressBar& progress_;
  int busyDepth_ = 0;
};
