#pragma once
// Dates in the program's text form "yyyymmdd".

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// Eight ASCII digits forming a real calendar date; nullopt for anything else (20250230, 2025011).
std::optional<std::chrono::year_month_day> ParseDate8(std::string_view text);

// "yyyymmdd" of a valid date with a year 0..9999.
std::string FormatDate8(std::chrono::year_month_day date);

// The date `days` days later (earlier when negative).
std::chrono::year_month_day AddDays(std::chrono::year_month_day date, int days);

// The long weekday names shown to the user, Sunday first (indexed by weekday::c_encoding()).
inline constexpr std::array<const char*, 7> kWeekdayNames = {
    "日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
