// individual-realtime: the "[個] 速報" page's run (one real-time request through the work folder
// into output folder slot 19), with the page's inputs taken from the options.

#include "app/individual_acquisition.h"
#include "cli/cli_core.h"
#include "util/command_options.h"
#include "util/host.h"
#include "util/integer_text.h"
#include "util/result_codes.h"

namespace {

constexpr const char* kUsage =
    "usage: individual-realtime --dataspec CODE --date yyyymmdd [--course NN --race NN]";

// 1 to `last` as written, or nullopt.
std::optional<int> NumberUpTo(const std::string& text, int last) {
  std::optional<int> number = ParseInteger(text);
  if (!number || *number < 1 || *number > last) return std::nullopt;
  return number;
}

int RunIndividualRealtimeCommand(CliContext& context, const std::vector<std::string>& args) {
  std::map<std::string, std::string> values;
  if (!ParseCommandOptions(args, {"--dataspec", "--date", "--course", "--race"}, values) ||
      !values.count("--dataspec") || !values.count("--date")) {
    context.host.warn(kUsage);
    return kExitRefused;
  }
  int kindIndex = DataSpecIndex(kIndividualRealtimeKinds, values["--dataspec"]);
  if (kindIndex < 0) {
    context.host.warn("not a real-time data kind of this page: " + values["--dataspec"]);
    return kExitRefused;
  }
  const std::string& date = values["--date"];
  if (!IsDigits(date, 8)) {
    context.host.warn("--date takes yyyymmdd: " + date);
    return kExitRefused;
  }
  bool raceGiven = values.count("--course") || values.count("--race");
  std::optional<int> course;
  std::optional<int> race;
  if (IsDayLevelRealtimeKind(kindIndex)) {
    if (raceGiven) {
      context.host.warn(values["--dataspec"] + " is fetched by date alone: no --course or --race");
      return kExitRefused;
    }
  } else {
    course = NumberUpTo(values["--course"], static_cast<int>(kIndividualCourses.size()));
    race = NumberUpTo(values["--race"], kIndividualRaces);
    if (!course || !race) {
      context.host.warn(values["--dataspec"] + " needs --course 01-10 and --race 01-12");
      return kExitRefused;
    }
  }

  std::unique_ptr<TAppCore> core = StartCliCore(context);
  if (!core) return kResultFailed;
  RealtimePageInput& page = core->Inputs.realtime;
  page.dataSpecIndex = kindIndex;
  page.year = date.substr(0, 4);
  page.month = date.substr(4, 2);
  page.day = date.substr(6, 2);
  if (course) page.courseIndex = *course - 1;
  if (race) page.raceIndex = *race - 1;
  return RunFromPage(*core, RunPage::Sokuho);
}

}  // namespace

REGISTER_CLI_COMMAND(individual_realtime, "individual-realtime",
                     "--dataspec CODE --date yyyymmdd [--course NN --race NN]",
                     "fetch one real-time data kind for a day or a race (output slot 19)",
                     RunIndividualRealtimeCommand);
