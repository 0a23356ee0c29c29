#include "sets/schedule.h"

#include "config/tconfig.h"
#include "sets/kijun_date.h"
#include "sets/schedule_lines.h"
#include "util/date_text.h"
#include "util/file_io.h"
#include "util/host.h"
#include "util/result_codes.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

// A line of the window that the walk may take.
struct RaceLine {
  std::chrono::year_month_day date;
  std::string key;     // date and course, positions 12 to 21
  std::string course;  // "01".."10"
};

// The lines of the current year whose date lies in [begin, end], stably ordered by date.
std::vector<RaceLine> LinesOfWindow(const std::vector<std::string>& lines, const std::string& year,
                                    std::chrono::sys_days begin, std::chrono::sys_days end) {
  std::vector<RaceLine> taken;
  for (const std::string& line : lines) {
    std::optional<ScheduleLine> fields = ReadScheduleLine(line);
    if (!fields || fields->year != year) continue;
    std::chrono::sys_days day{fields->date};
    if (day < begin || day > end) continue;
    taken.push_back({fields->date, line.substr(kScheduleKeyOffset, kScheduleKeyLength),
                     fields->course});
  }
  // The file is sorted when it was written; a substituted race day may have left one line out
  // of date order.
  std::stable_sort(taken.begin(), taken.end(), [](const RaceLine& a, const RaceLine& b) {
    return std::chrono::sys_days{a.date} < std::chrono::sys_days{b.date};
  });
  return taken;
}

}  // namespace

TSchedule::TSchedule(const TConfig& config, Host& host, Clock clock)
    : config_(config),
      host_(host),
      clock_(std::move(clock)),
      path_(config.AppDir + "/" + kScheduleFileName) {
  Clear();
  if (!IsValidKijunYobi(config_.KijunYobi)) {
    host_.warn("週の切替基準曜日の設定が正しくありません（KijunYobi=" +
               std::to_string(config_.KijunYobi) +
               "）。\r\n木曜日として扱います。\r\n\r\n「オプション設定」の「自動日付提示」で"
               "設定し直して下さい。");
  }
  if (CalcKijunDate() == kResultOk) Load();
}

int TSchedule::CalcKijunDate() {
  return ::CalcKijunDate(clock_(), config_.KijunYobi, config_.KijunHH, config_.KijunNN,
                         KijunDate);
}

void TSchedule::Clear() {
  dayCount_ = 0;
  days_.fill(_DateInfo{});
  joFlags_.fill(false);
}

int TSchedule::Load() {
  Clear();
  std::error_code error;
  Loaded = std::filesystem::exists(path_, error);
  std::optional<std::chrono::year_month_day> begin = ParseDate8(KijunDate);
  if (!begin) return kResultFailed;
  if (!Loaded) return kResultNoData;
  std::optional<std::vector<std::string>> lines = ReadTextLines(path_);
  if (!lines) return kResultFailed;
  if (lines->empty()) return kResultNoData;

  std::chrono::sys_days first{*begin};
  std::chrono::sys_days last = first + std::chrono::days{config_.AutoDateSpan - 1};
  std::chrono::sys_days lastRaceDay = first - std::chrono::days{1};
  std::string lastKey;
  int courses = 0;
  for (const RaceLine& line : LinesOfWindow(*lines, CurrentYear(), first, last)) {
    if (line.key == lastKey) continue;
    lastKey = line.key;
    std::chrono::sys_days day{line.date};
    if (day != lastRaceDay) {
      if (dayCount_ == kRaceDaysHeld) break;  // a seventh race day is not held
      std::string date = FormatDate8(line.date);
      days_[dayCount_] = {date.substr(0, 4), date.substr(4, 2), date.substr(6, 2)};
      ++dayCount_;
      lastRaceDay = day;
      courses = 0;
    }
    ++courses;
    if (courses > kCoursesPerDay) continue;
    days_[dayCount_ - 1].JoCode[static_cast<std::size_t>(courses - 1)] = line.course;
    joFlags_[static_cast<std::size_t>(std::stoi(line.course) - 1)] = true;
  }
  EndDate = FormatDate8(std::chrono::year_month_day{lastRaceDay + std::chrono::days{1}});
  return kResultOk;
}

std::string TSchedule::CurrentYear() const { return FormatDate8(clock_().date).substr(0, 4); }

std::string TSchedule::GetDate(int d) const {
  if (d < 0 || d >= kRaceDaysHeld) return "";
  const _DateInfo& day = days_[static_cast<std::size_t>(d)];
  return day.Year.empty() ? "" : day.Year + day.Month + day.Day;
}

std::string TSchedule::GetDateText(int d) const {
  std::optional<std::chrono::year_month_day> date = ParseDate8(GetDate(d));
  if (!date) return "";
  const _DateInfo& day = days_[static_cast<std::size_t>(d)];
  unsigned weekday = std::chrono::weekday{std::chrono::sys_days{*date}}.c_encoding();
  return day.Year.substr(2) + "年 " + day.Month + "月 " + day.Day + "日（" +
         kWeekdayNames[weekday] + "）";
}

std::string TSchedule::GetJoCode(int d, int slot) const {
  if (d < 0 || d >= kRaceDaysHeld || slot < 1 || slot > kCoursesPerDay) return "";
  return days_[static_cast<std::size_t>(d)].JoCode[static_cast<std::size_t>(slot - 1)];
}

bool TSchedule::HasJo(int code) const {
  return code >= 1 && code <= kCourseCodes && joFlags_[static_cast<std::size_t>(code - 1)];
}

SubstituteResult TSchedule::SubstituteRaceDay(const std::string& oldDate,
                                              const std::string& course,
                                              const std::string& newDate) {
  std::optional<std::vector<std::string>> lines = ReadTextLines(path_);
  if (!lines || lines->empty()) return SubstituteResult::NoSchedule;
  if (!SubstituteScheduleLine(*lines, oldDate, course, newDate, FormatDate8(clock_().date))) {
    return SubstituteResult::NotFound;
  }
  if (!WriteFileAtomic(path_, JoinCrLf(*lines))) return SubstituteResult::WriteFailed;
  Load();
  return SubstituteResult::Done;
}
