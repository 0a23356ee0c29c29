#include "cli/cli_core.h"

#include "config/app_dir.h"
#include "jvlink/jvlink_emulator.h"
#include "util/result_codes.h"

std::unique_ptr<TAppCore> StartCliCore(CliContext& context) {
  std::string appDir = ResolveAppDir(context.options.home);
  auto core = std::make_unique<TAppCore>(
      context.host, appDir, std::make_unique<JvLinkEmulator>(appDir, context.options.store));
  if (!core->Start()) return nullptr;
  return core;
}

int ExitStatus(const RunOutcome& outcome) {
  return outcome.started ? outcome.result : kExitRefused;
}

int RunFromPage(TAppCore& core, RunPage page) {
  core.Inputs.activePage = page;
  RunOutcome outcome = core.StartRun(kRunByPage);
  core.Close();
  return ExitStatus(outcome);
}
