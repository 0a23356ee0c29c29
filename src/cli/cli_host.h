#pragma once
// The command line's Host: messages on stderr, log lines on stdout, questions answered by
// --yes/--no, asked on a terminal, and answered No otherwise.

#include "util/host.h"
#include "util/memory_log_pane.h"

#include <optional>

class CliHost : public Host {
 public:
  explicit CliHost(std::optional<bool> answer);
  ~CliHost() override;

  void info(const std::string& text) override;
  void warn(const std::string& text) override;
  void error(const std::string& text) override;
  Answer ask(const std::string& text, bool withCancel) override;
  void setBusy(bool) override {}
  void setStatus(const std::string&) override {}
  void setProgress(int, int) override {}
  void pump() override {}
  LogPane& mainLog() override { return mainLog_; }
  LogPane& taskLog() override { return taskLog_; }

 private:
  std::optional<bool> answer_;
  MemoryLogPane mainLog_;
  MemoryLogPane taskLog_;
};
