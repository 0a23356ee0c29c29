// schedule show: the switch date, the end date and the race days with their courses, as the
// window's race-day lists offer them.

#include "cli/command.h"
#include "config/app_dir.h"
#include "config/tconfig.h"
#include "custom/code_tables.h"
#include "sets/race_day_lists.h"
#include "sets/schedule.h"
#include "util/cp932.h"
#include "util/host.h"
#include "util/result_codes.h"

#include <iostream>

namespace {

constexpr const char* kUsage = "usage: schedule show";

std::string CourseName(const std::string& code) {
  return Utf8FromCp932Lossy(CourseCountryName(code, 1));
}

int ShowSchedule(const TSchedule& schedule) {
  std::cout << "切替基準日: " << schedule.KijunDate << '\n'
            << "終了日: " << schedule.EndDate << '\n';
  std::vector<std::string> items = FillRaceDayLists(schedule);
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

int RunSchedule(CliContext& context, const std::vector<std::string>& args) {
  if (args != std::vector<std::string>{"show"}) {
    context.host.warn(kUsage);
    return kExitRefused;
  }
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

}  // namespace

REGISTER_CLI_COMMAND(schedule, "schedule", "show",
                     "print the switch date, the end date and this week's race days",
                     RunSchedule);
