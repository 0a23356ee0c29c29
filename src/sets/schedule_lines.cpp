#include "sets/schedule_lines.h"

#include "util/date_text.h"
#include "util/integer_text.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t kYearOffset = 11;
constexpr std::size_t kDateLength = 8;
constexpr std::size_t kCourseOffset = 19;
constexpr std::size_t kCourseLength = 2;

std::string_view Field(std::string_view line, std::size_t offset, std::size_t length) {
  return offset < line.size() ? line.substr(offset, length) : std::string_view{};
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    int x = std::tolower(static_cast<unsigned char>(a[i]));
    int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

std::optional<ScheduleLine> ReadScheduleLine(std::string_view line) {
  if (line.size() < kCourseOffset + kCourseLength) return std::nullopt;
  std::optional<std::chrono::year_month_day> date =
      ParseDate8(line.substr(kYearOffset, kDateLength));
  std::string course(line.substr(kCourseOffset, kCourseLength));
  bool courseOk = IsDigits(course, kCourseLength) && course >= "01" && course <= "10";
  if (!date || !courseOk) return std::nullopt;
  return ScheduleLine{std::string(line.substr(kYearOffset, 4)), *date, course};
}

std::vector<std::string> SortScheduleLines(std::vector<std::string> lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    int byKey = CompareIgnoringCase(Field(a, kScheduleKeyOffset, kScheduleKeyLength),
                                    Field(b, kScheduleKeyOffset, kScheduleKeyLength));
    return byKey != 0 ? byKey < 0 : CompareIgnoringCase(a, b) < 0;
  });
  return lines;
}

std::vector<std::string> ScheduleLinesOfYear(const std::vector<std::string>& lines,
                                             std::string_view year) {
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    if (Field(line, kYearOffset, 4) == year) kept.push_back(line);
  }
  return kept;
}

bool SubstituteScheduleLine(std::vector<std::string>& lines, std::string_view oldDate,
                            std::string_view course, std::string_view newDate,
                            std::string_view today) {
  for (std::string& line : lines) {
    if (Field(line, kYearOffset, kDateLength) != oldDate ||
        Field(line, kCourseOffset, kCourseLength) != course) {
      continue;
    }
    line = "YS2" + std::string(today) + std::string(newDate) + line.substr(kCourseOffset);
    return true;
  }
  return false;
}
