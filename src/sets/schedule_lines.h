#pragma once
// The lines of "schedule.dat": JV-Data YS records (code page 932 bytes, without line ends), of
// which the program reads positions 12 to 15 (year), 16 to 19 (month and day) and 20 to 21
// (course code).

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t kScheduleKeyOffset = 11;  // 0-based start of positions 12 to 21
constexpr std::size_t kScheduleKeyLength = 10;  // date and course

struct ScheduleLine {
  std::string year;  // "yyyy"
  std::chrono::year_month_day date;
  std::string course;  // "01".."10"
};

// The race date and course of a line; nullopt for a line shorter than 21 bytes, an impossible
// date or a course code outside 01..10.
std::optional<ScheduleLine> ReadScheduleLine(std::string_view line);

// Sorted ascending by positions 12 to 21, then by the whole line, ignoring ASCII case.
std::vector<std::string> SortScheduleLines(std::vector<std::string> lines);

// The lines whose positions 12 to 15 equal `year`, in their order.
std::vector<std::string> ScheduleLinesOfYear(const std::vector<std::string>& lines,
                                             std::string_view year);

// The substitute race day: the first line of the meeting at `course` on `oldDate` becomes "YS2",
// `today`, `newDate` and the line's own text from position 20 on. False when no line matches.
bool SubstituteScheduleLine(std::vector<std::string>& lines, std::string_view oldDate,
                            std::string_view course, std::string_view newDate,
                            std::string_view today);
