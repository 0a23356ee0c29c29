// status: the program's folders, JV-Link's state and the settings file, as the window shows
// them at start.

#include "cli/cli_core.h"
#include "util/host.h"
#include "util/result_codes.h"

#include <iostream>

namespace {

int RunStatus(CliContext& context, const std::vector<std::string>& args) {
  if (!args.empty()) {
    context.host.warn("usage: status");
    return kExitRefused;
  }
  std::unique_ptr<TAppCore> core = StartCliCore(context);
  if (!core) return kResultFailed;
  const TConfig& config = core->Config();
  std::cout << "program folder : " << config.AppDir << '\n'
            << "work folder    : " << config.TempDir << '\n'
            << "database folder: " << config.DbDir << '\n'
            << "templates      : " << config.TemplateDir << '\n'
            << "user defs      : " << config.UserDefDir << '\n'
            << "log folder     : " << config.LogSaveDir << '\n'
            << "settings file  : " << config.IniPath << '\n'
            << "output folder  : " << config.OutDir[0] << '\n'
            << core->LinkStatus() << '\n';
  return kResultOk;
}

}  // namespace

REGISTER_CLI_COMMAND(status, "status", "",
                     "print the program's folders, the JV-Link state and the settings file",
                     RunStatus);
