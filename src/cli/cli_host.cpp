#include "cli/cli_host.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace {

// Messages carry CR LF inside (they are the window's box texts); a terminal wants LF.
std::string ForTerminal(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

}  // namespace

CliHost::CliHost(std::optional<bool> answer) : answer_(answer) {
  auto print = [](const std::string& line) { std::cout << line << '\n' << std::flush; };
  mainLog_.setSink(print);
  taskLog_.setSink(print);
}

CliHost::~CliHost() {
  mainLog_.flush();
  taskLog_.flush();
}

void CliHost::info(const std::string& text) { std::cerr << ForTerminal(text) << '\n'; }

void CliHost::warn(const std::string& text) {
  std::cerr << "warning: " << ForTerminal(text) << '\n';
}

void CliHost::error(const std::string& text) { std::cerr << "error: " << ForTerminal(text) << '\n'; }

Answer CliHost::ask(const std::string& text, bool withCancel) {
  mainLog_.flush();
  std::cerr << ForTerminal(text) << '\n';
  if (answer_) {
    std::cerr << (*answer_ ? "-> yes (--yes)" : "-> no (--no)") << '\n';
    return *answer_ ? Answer::Yes : Answer::No;
  }
  if (!::isatty(STDIN_FILENO)) {
    std::cerr << "-> no (no terminal to ask)\n";
    return Answer::No;
  }
  while (true) {
    std::cerr << (withCancel ? "[y]es / [n]o / [c]ancel: " : "[y]es / [n]o: ") << std::flush;
    std::string reply;
    if (!std::getline(std::cin, reply)) return Answer::No;
    if (reply == "y" || reply == "yes") return Answer::Yes;
    if (reply == "n" || reply == "no") return Answer::No;
    if (withCancel && (reply == "c" || reply == "cancel")) return Answer::Cancel;
  }
}
