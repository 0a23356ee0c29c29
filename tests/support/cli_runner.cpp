#include "support/cli_runner.h"

#include "support/temp_dir.h"

#include <sys/wait.h>

#include <cstdlib>

namespace {

std::string ShellQuote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

CliRun RunCli(const std::string& program, const std::vector<std::string>& args,
              const std::string& scratchDir) {
  const std::string out = scratchDir + "/out";
  const std::string err = scratchDir + "/err";
  std::string command = ShellQuote(program);
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  command += " </dev/null >" + ShellQuote(out) + " 2>" + ShellQuote(err);
  int raw = std::system(command.c_str());
  CliRun result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadAll(out);
  result.err = ReadAll(err);
  return result;
}
