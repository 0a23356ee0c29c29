#pragma once
// A log pane kept in memory, for the command line and tests; an optional sink sees every line
// as it is finished (the command line prints it).

#include "util/host.h"

#include <functional>
#include <string>
#include <vector>

class MemoryLogPane : public LogPane {
 public:
  using Sink = std::function<void(const std::string& line)>;

  int lineCount() const override { return static_cast<int>(lines_.size()); }
  void clear() override;
  void appendLine(const std::string& line) override;
  void replaceLastLine(const std::string& line) override;
  std::string lastLine() const override { return lines_.empty() ? std::string() : lines_.back(); }

  const std::vector<std::string>& lines() const { return lines_; }

  // The sink receives a line when the next one starts or when flush() is called, so that a line
  // later extended (request outcomes are appended to their line) is printed once, whole.
  void setSink(Sink sink) { sink_ = std::move(sink); }
  void flush();

 private:
  std::vector<std::string> lines_;
  Sink sink_;
  bool lastFlushed_ = true;
};
