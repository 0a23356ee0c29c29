#include "util/memory_log_pane.h"

void MemoryLogPane::clear() {
  flush();
  lines_.clear();
}

void MemoryLogPane::appendLine(const std::string& line) {
  flush();
  lines_.push_back(line);
  lastFlushed_ = false;
}

void MemoryLogPane::replaceLastLine(const std::string& line) {
  if (lines_.empty()) {
    appendLine(line);
    return;
  }
  lines_.back() = line;
  lastFlushed_ = false;
}

void MemoryLogPane::flush() {
  if (lastFlushed_ || lines_.empty()) return;
  lastFlushed_ = true;
  if (sink_) sink_(lines_.back());
}
