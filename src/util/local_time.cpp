#include "util/local_time.h"

#include <ctime>

namespace {

std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return local;
}

}  // namespace

std::chrono::year_month_day LocalToday() {
  std::tm now = LocalNow();
  return std::chrono::year_month_day{std::chrono::year{now.tm_year + 1900},
                                     std::chrono::month{static_cast<unsigned>(now.tm_mon + 1)},
                                     std::chrono::day{static_cast<unsigned>(now.tm_mday)}};
}

std::string LocalTimeStampDaysAgo(int days) {
  std::tm then = LocalNow();
  then.tm_mday -= days;
  then.tm_isdst = -1;  // same wall-clock time, whatever daylight saving says
  std::time_t normalised = std::mktime(&then);
  ::localtime_r(&normalised, &then);
  char text[16];
  std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &then);
  return text;
}
