#include "support/recording_host.h"

Answer RecordingHost::ask(const std::string& text, bool) {
  messages.push_back({HostMessage::Ask, text});
  if (answers.empty()) return Answer::No;
  Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

void RecordingHost::pump() {
  ++pumpCount;
  if (onPump) onPump();
}

std::vector<std::string> RecordingHost::texts(HostMessage::Kind kind) const {
  std::vector<std::string> out;
  for (const HostMessage& message : messages) {
    if (message.kind == kind) out.push_back(message.text);
  }
  return out;
}
