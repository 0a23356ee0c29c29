#include "cli/command.h"

namespace {

std::vector<CliCommand>& Registry() {
  static std::vector<CliCommand> commands;
  return commands;
}

}  // namespace

const std::vector<CliCommand>& CliCommands() { return Registry(); }

CliCommandRegistrar::CliCommandRegistrar(CliCommand command) {
  Registry().push_back(std::move(command));
}
