#pragma once
// A log pane shown in a read-only text box (memoLog); the newest line is kept in view.

#include "util/host.h"

class QPlainTextEdit;

class TMemoLogPane : public LogPane {
 public:
  explicit TMemoLogPane(QPlainTextEdit& memo) : memo_(memo) {}

  int lineCount() const override;
  void clear() override;
  void appendLine(const std::string& line) override;
  void replaceLastLine(const std::string& line) override;
  std::string lastLine() const override;

 private:
  void ScrollToEnd();

  QPlainTextEdit& memo_;
  // An empty box and a box holding one empty line look alike; this tells them apart.
  bool empty_ = true;
};
