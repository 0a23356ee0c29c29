#include "util/date_text.h"

#include <cstdio>

std::optional<std::chrono::year_month_day> ParseDate8(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  int value[3] = {0, 0, 0};
  const std::size_t widths[3] = {4, 2, 2};
  std::size_t pos = 0;
  for (int part = 0; part < 3; ++part) {
    for (std::size_t i = 0; i < widths[part]; ++i, ++pos) {
      char c = text[pos];
      if (c < '0' || c > '9') return std::nullopt;
      value[part] = value[part] * 10 + (c - '0');
    }
  }
  std::chrono::year_month_day date{std::chrono::year{value[0]},
                                   std::chrono::month{static_cast<unsigned>(value[1])},
                                   std::chrono::day{static_cast<unsigned>(value[2])}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::string FormatDate8(std::chrono::year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::chrono::year_month_day AddDays(std::chrono::year_month_day date, int days) {
  return std::chrono::sys_days{date} + std::chrono::days{days};
}
