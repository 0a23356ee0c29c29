#include "util/date_text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

TEST(DateText, ParsesOnlyRealDatesAndFormatsBack) {
  const std::pair<const char*, bool> cases[] = {
      {"20261231", true},  {"20240229", true},  {"00010101", true},  {"20250229", false},
      {"20261301", false}, {"20261200", false}, {"2026123", false},  {"202612311", false},
      {"2026-1-1", false}, {" 2026123", false}, {"", false},
  };
  for (auto [text, valid] : cases) {
    std::optional<year_month_day> date = ParseDate8(text);
    ASSERT_EQ(date.has_value(), valid) << text;
    if (valid) {
      EXPECT_EQ(FormatDate8(*date), text);
    }
  }
  EXPECT_EQ(FormatDate8(AddDays(2026y / 12 / 31, 1)), "20270101");
  EXPECT_EQ(FormatDate8(AddDays(2024y / 3 / 1, -1)), "20240229");
}

}  // namespace
