// individual-stored: the "[個] 蓄積" page's run (one stored-data request into output folder
// slot 18), with the page's inputs taken from the options.

#include "app/individual_acquisition.h"
#include "cli/cli_core.h"
#include "util/command_options.h"
#include "util/host.h"
#include "util/integer_text.h"
#include "util/result_codes.h"

namespace {

constexpr const char* kUsage =
    "usage: individual-stored --dataspec CODE --from yyyymmddhhnnss --option N";

int RunIndividualStoredCommand(CliContext& context, const std::vector<std::string>& args) {
  std::map<std::string, std::string> values;
  if (!ParseCommandOptions(args, {"--dataspec", "--from", "--option"}, values) || values.size() != 3) {
    context.host.warn(kUsage);
    return kExitRefused;
  }
  int kindIndex = DataSpecIndex(kIndividualStoredKinds, values["--dataspec"]);
  const std::string& from = values["--from"];
  std::optional<int> option = ParseInteger(values["--option"]);
  if (kindIndex < 0) {
    context.host.warn("not a stored data kind: " + values["--dataspec"] + " (TOKU, RACE, … MING)");
    return kExitRefused;
  }
  if (!IsDigits(from, 14)) {
    context.host.warn("--from takes 14 digits, yyyymmddhhnnss: " + from);
    return kExitRefused;
  }
  if (!option || *option < 1 || *option > static_cast<int>(kIndividualOptions.size())) {
    context.host.warn("--option takes 1 to 4: " + values["--option"]);
    return kExitRefused;
  }

  std::unique_ptr<TAppCore> core = StartCliCore(context);
  if (!core) return kResultFailed;
  StoredPageInput& page = core->Inputs.stored;
  page.dataSpecIndex = kindIndex;
  page.year = from.substr(0, 4);
  page.month = from.substr(4, 2);
  page.day = from.substr(6, 2);
  page.hour = from.substr(8, 2);
  page.minute = from.substr(10, 2);
  page.second = from.substr(12, 2);
  page.optionIndex = *option - 1;
  return RunFromPage(*core, RunPage::Chikuseki);
}

}  // namespace

REGISTER_CLI_COMMAND(individual_stored, "individual-stored",
                     "--dataspec CODE --from yyyymmddhhnnss --option N",
                     "fetch one stored data kind from a time with option 1-4 (output slot 18)",
                     RunIndividualStoredCommand);
