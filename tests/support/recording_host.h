#pragma once
// A Host for tests: records every message, question and status change, answers questions from a
// queue (default No), and keeps both log panes in memory.

#include "util/host.h"
#include "util/memory_log_pane.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct HostMessage {
  enum Kind { Info, Warn, Error, Ask } kind;
  std::string text;
};

class RecordingHost : public Host {
 public:
  void info(const std::string& text) override { messages.push_back({HostMessage::Info, text}); }
  void warn(const std::string& text) override { messages.push_back({HostMessage::Warn, text}); }
  void error(const std::string& text) override { messages.push_back({HostMessage::Error, text}); }
  Answer ask(const std::string& text, bool withCancel) override;
  void setBusy(bool busy) override { busyChanges.push_back(busy); }
  void setStatus(const std::string& text) override { statusTexts.push_back(text); }
  void setProgress(int done, int total) override { progress.push_back({done, total}); }
  void pump() override;
  LogPane& mainLog() override { return mainPane; }
  LogPane& taskLog() override { return taskPane; }

  // Texts of the messages of one kind, in order.
  std::vector<std::string> texts(HostMessage::Kind kind) const;

  std::vector<HostMessage> messages;
  std::deque<Answer> answers;  // consumed by ask(); empty means No
  std::vector<bool> busyChanges;
  std::vector<std::string> statusTexts;
  std::vector<std::pair<int, int>> progress;
  int pumpCount = 0;
  std::function<void()> onPump;  // lets a test act "while the window processes events"
  MemoryLogPane mainPane;
  MemoryLogPane taskPane;
};
