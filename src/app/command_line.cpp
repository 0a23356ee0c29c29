#include "app/command_line.h"

#include "app/app_core.h"
#include "app/legacy_preset.h"
#include "app/run_kinds.h"
#include "util/host.h"
#include "util/integer_text.h"

namespace {

constexpr int kMaxArgumentNumber = 255;

// The number of an argument, 0 when it is missing or not a number; false when out of range.
bool ReadNumber(const std::vector<std::string>& args, std::size_t index, int& value,
                std::string& error) {
  value = 0;
  if (index >= args.size()) return true;
  std::optional<int> number = ParseInteger(args[index]);
  if (!number) return true;
  if (*number < 0 || *number > kMaxArgumentNumber) {
    error = "コマンドラインの数値が範囲外です（0～255）: " + args[index];
    return false;
  }
  value = *number;
  return true;
}

}  // namespace

CommandLineStart ParseCommandLine(const std::vector<std::string>& args) {
  CommandLineStart start;
  if (args.empty()) return start;
  if (args[0] == "FTP=ON") {
    start.mode = CommandLineStart::Mode::Ftp;
  } else if (args[0] == "AUTO") {
    start.mode = CommandLineStart::Mode::Auto;
    if (ReadNumber(args, 1, start.preset, start.error)) {
      ReadNumber(args, 2, start.raceDay, start.error);
    }
  }
  return start;
}

RunOutcome ActOnCommandLine(TAppCore& core, const CommandLineStart& start) {
  switch (start.mode) {
    case CommandLineStart::Mode::None:
      break;
    case CommandLineStart::Mode::Ftp:
      core.Config().FtpEnabled = true;
      core.Inputs.activePage = RunPage::Timer;
      break;
    case CommandLineStart::Mode::Auto: {
      // Any later successful run closes the program too, as this one would.
      core.CloseOnSuccess = true;
      if (!start.error.empty()) {
        core.GetHost().error(start.error);
        return RunOutcome::Refused();
      }
      core.Inputs.activePage = RunPage::Legacy;
      LegacyPageInput& legacy = core.Inputs.legacy;
      if (start.preset >= 1 && start.preset <= kLegSets) {
        const TConfig& config = core.Config();
        ApplyLegacyPreset(legacy, config.LegSetCheck[start.preset - 1], config.LegKyuKyu);
      }
      // A number beyond the list selects nothing, as the list box does.
      int item = start.raceDay - 1;
      legacy.selectedRaceDay = item >= 0 && item < legacy.raceDayCount ? item : -1;
      return core.StartRun(kRunByPage);
    }
  }
  return RunOutcome::Refused();
}
