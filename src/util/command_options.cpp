#include "util/command_options.h"

bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& option,
               std::optional<std::string>& value) {
  const std::string& arg = args[i];
  if (arg == option) {
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
  }
  if (arg.rfind(option + "=", 0) == 0) {
    value = arg.substr(option.size() + 1);
    return true;
  }
  return false;
}

bool ParseCommandOptions(const std::vector<std::string>& args,
                         const std::vector<std::string>& names,
                         std::map<std::string, std::string>& values) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    bool taken = false;
    for (const std::string& name : names) {
      std::optional<std::string> value;
      if (TakeValue(args, i, name, value)) {
        values[name] = *value;
        taken = true;
        break;
      }
    }
    if (!taken) return false;
  }
  return true;
}
