// set N: the set page's run (run kind 1) for set N, as its start button starts it.

#include "cli/cli_core.h"
#include "sets/set_def.h"
#include "util/host.h"
#include "util/integer_text.h"
#include "util/result_codes.h"

namespace {

int RunSetCommand(CliContext& context, const std::vector<std::string>& args) {
  std::optional<int> number = args.size() == 1 ? ParseInteger(args[0]) : std::nullopt;
  if (!number || *number < 1 || *number > kSetCount) {
    context.host.warn("usage: set N (the set number, 1 to 13)");
    return kExitRefused;
  }
  std::unique_ptr<TAppCore> core = StartCliCore(context);
  if (!core) return kResultFailed;
  core->Inputs.set.selectedSet = *number - 1;
  return RunFromPage(*core, RunPage::Set);
}

}  // namespace

REGISTER_CLI_COMMAND(set, "set", "N",
                     "fetch the data kinds of set N from their last time stamps (output slot 1)",
                     RunSetCommand);
