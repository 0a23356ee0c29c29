#pragma once
// Commands of ostravel-cli. Each command lives in its own file and registers itself with
// REGISTER_CLI_COMMAND; main() parses the global options and dispatches.

#include <optional>
#include <string>
#include <vector>

class Host;

struct GlobalOptions {
  std::optional<std::string> home;   // --home DIR
  std::optional<std::string> store;  // --store DIR, the emulator's store
  std::optional<bool> answer;        // --yes / --no: the answer to every question
};

struct CliContext {
  GlobalOptions options;
  Host& host;
};

// Exit status: 0 success, the run's result code on failure, 2 for a refusal before any run.
constexpr int kExitRefused = 2;

using CommandFunction = int (*)(CliContext& context, const std::vector<std::string>& args);

struct CliCommand {
  std::string name;
  std::string usage;  // arguments after the name, for the help text
  std::string summary;
  CommandFunction run;
};

const std::vector<CliCommand>& CliCommands();

struct CliCommandRegistrar {
  explicit CliCommandRegistrar(CliCommand command);
};

#define REGISTER_CLI_COMMAND(id, name, usage, summary, function) \
  static const CliCommandRegistrar cliCommandRegistrar_##id({name, usage, summary, function})
