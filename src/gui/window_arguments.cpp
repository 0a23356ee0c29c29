#include "gui/window_arguments.h"

#include "util/command_options.h"

WindowArguments ParseWindowArguments(const std::vector<std::string>& args) {
  WindowArguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (TakeValue(args, i, "--home", parsed.home) || TakeValue(args, i, "--store", parsed.store) ||
        TakeValue(args, i, "--screenshots", parsed.screenshots)) {
      continue;
    }
    if (arg.rfind("--", 0) == 0) {
      parsed.error = "unknown or incomplete option: " + arg;
      return parsed;
    }
    parsed.window.push_back(arg);
  }
  return parsed;
}
