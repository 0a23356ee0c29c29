#include "util/local_time.h"

#include <ctime>

namespace {

std::tm LocalNowTm() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return local;
}

}  // namespace

std::chrono::year_month_day LocalToday() { return LocalNow().date; }

LocalDateTime LocalNow() {
  std::tm now = LocalNowTm();
  return {std::chrono::year_month_day{std::chrono::year{now.tm_year + 1900},
                                      std::chrono::month{static_cast<unsigned>(now.tm_mon + 1)},
                                      std::chrono::day{static_cast<unsigned>(now.tm_mday)}},
          now.tm_hour, now.tm_min, now.tm_sec};
}

std::string LocalTimeStampDaysAgo(int days) {
  std::tm then = LocalNowTm();
  then.tm_mday -= days;
  then.tm_isdst = -1;  // same wall-clock time, whatever daylight saving says
  std::time_t normalised = std::mktime(&then);
  ::localtime_r(&normalised, &then);
  char text[16];
  std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &then);
  return text;
}
