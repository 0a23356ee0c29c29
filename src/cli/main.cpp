// ostravel-cli: the program's run kinds without the window, for servers, cron and tests.

#include "cli/cli_host.h"
#include "cli/command.h"
#include "util/command_options.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: ostravel-cli [--home DIR] [--store DIR] [--yes|--no] COMMAND [ARGS]\n\n"
         "  --home DIR   program folder (settings, work folders); overrides $OSTRAVEL_HOME\n"
         "  --store DIR  the JV-Link emulator's store\n"
         "  --yes, --no  answer every question so\n\ncommands:\n";
  for (const CliCommand& command : CliCommands()) {
    std::string head = command.name + (command.usage.empty() ? "" : " " + command.usage);
    out << "  " << head << "\n      " << command.summary << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  GlobalOptions options;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      PrintUsage(std::cout);
      return 0;
    }
    if (arg == "--yes" || arg == "--no") {
      options.answer = arg == "--yes";
    } else if (TakeValue(args, i, "--home", options.home) ||
               TakeValue(args, i, "--store", options.store)) {
      continue;
    } else if (arg.rfind("--", 0) == 0) {
      std::cerr << "unknown or incomplete option: " << arg << '\n';
      return kExitRefused;
    } else {
      break;
    }
  }
  if (i >= args.size()) {
    PrintUsage(std::cerr);
    return kExitRefused;
  }
  const std::string& name = args[i];
  std::vector<std::string> commandArgs(args.begin() + static_cast<long>(i) + 1, args.end());
  for (const CliCommand& command : CliCommands()) {
    if (command.name != name) continue;
    CliHost host(options.answer);
    CliContext context{options, host};
    return command.run(context, commandArgs);
  }
  std::cerr << "unknown command: " << name << "\n\n";
  PrintUsage(std::cerr);
  return kExitRefused;
}
