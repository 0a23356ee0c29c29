// schedule update [--from yyyymmdd]: the menu's schedule update, from the given publication date
// (the dialog's today - 14 days by default). schedule show: the switch date, the end date and
// the race days with their courses, as the window's race-day lists offer them.

#include "cli/cli_core.h"
#include "util/command_options.h"
#include "config/app_dir.h"
#include "config/tconfig.h"
#include "custom/code_tables.h"
#include "sets/race_day_lists.h"
#include "sets/schedule.h"
#include "sets/schedule_update.h"
#include "util/cp932.h"
#include "util/date_text.h"
#include "util/host.h"
#include "util/local_time.h"
#include "util/result_codes.h"

#include <iostream>

namespace {

constexpr const char* kUsage = "usage: schedule update [--from yyyymmdd] | schedule show";
constexpr int kDefaultDaysBack = 14;

std::string CourseName(const std::string& code) {
  return Utf8FromCp932Lossy(CourseCountryName(code, 1));
}

int ShowSchedule(const TSchedule& schedule) {
  std::cout << "切替基準日: " << schedule.KijunDate << '\n'
            << "終了日: " << schedule.EndDate << '\n';
  std::vector<std::string> items = RaceDayListItems(schedule);
  for (std::size_t d = 0; d < items.size(); ++d) {
    std::cout << d + 1 << ": " << items[d];
    for (int slot = 1; slot <= kCoursesPerDay; ++slot) {
      std::string code = schedule.GetJoCode(static_cast<int>(d), slot);
      if (code != "00") std::cout << ' ' << code << ' ' << CourseName(code);
    }
    std::cout << '\n';
  }
  return kResultOk;
}

int UpdateCommand(CliContext& context, const std::vector<std::string>& options) {
  std::map<std::string, std::string> values;
  if (!ParseCommandOptions(options, {"--from"}, values)) {
    context.host.warn(kUsage);
    return kExitRefused;
  }
  std::string from = values.count("--from")
                         ? values["--from"]
                         : FormatDate8(AddDays(LocalToday(), -kDefaultDaysBack));
  if (!ParseDate8(from)) {
    context.host.warn("--from takes a date, yyyymmdd: " + from);
    return kExitRefused;
  }
  std::unique_ptr<TAppCore> core = StartCliCore(context);
  if (!core) return kResultFailed;
  int result = UpdateSchedule(*core, from);
  core->Close();
  return result;
}

int ShowCommand(CliContext& context) {
  TConfig config(context.host, ResolveAppDir(context.options.home));
  if (!LoadOrCreateSettings(config)) return kResultFailed;
  TSchedule schedule(config, context.host);
  if (schedule.KijunDate.empty()) {
    context.host.error("週の切替基準時刻の設定が正しくありません（KijunHH=" +
                       std::to_string(config.KijunHH) +
                       ", KijunNN=" + std::to_string(config.KijunNN) + "）");
    return kResultFailed;
  }
  if (!schedule.Loaded) {
    context.host.info(kNoScheduleNotice);
    return kResultNoData;
  }
  return ShowSchedule(schedule);
}

int RunSchedule(CliContext& context, const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == "update") {
    return UpdateCommand(context, {args.begin() + 1, args.end()});
  }
  if (args == std::vector<std::string>{"show"}) return ShowCommand(context);
  context.host.warn(kUsage);
  return kExitRefused;
}

}  // namespace

REGISTER_CLI_COMMAND(schedule, "schedule", "update [--from yyyymmdd] | show",
                     "fetch the race-day schedule published from a date (default: 14 days ago), "
                     "or print the switch date, the end date and this week's race days",
                     RunSchedule);
