// clear-output: "出力先ディレクトリのクリア", deleting the files directly in the representative
// output folder after the question (answered by --yes/--no).

#include "cli/cli_core.h"
#include "util/host.h"
#include "util/result_codes.h"

namespace {

int RunClearOutput(CliContext& context, const std::vector<std::string>& args) {
  if (!args.empty()) {
    context.host.warn("usage: clear-output");
    return kExitRefused;
  }
  std::unique_ptr<TAppCore> core = StartCliCore(context);
  if (!core) return kResultFailed;
  return ExitStatus(core->ClearOutDir());
}

}  // namespace

REGISTER_CLI_COMMAND(clear_output, "clear-output", "",
                     "delete the files in the representative output folder (asks first)",
                     RunClearOutput);
