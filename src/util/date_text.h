#pragma once
// Dates in the program's text form "yyyymmdd".

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
