#include "util/integer_text.h"

#include "util/cp932.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ParseInteger, AcceptsLeadingBlanksAndASignOnly) {
  struct Case {
    std::string text;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {"05", 5},
      {" 5", 5},
      {"007", 7},
      {"0", 0},
      {"+12", 12},
      {"-12", -12},
      {"  -3", -3},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"5 ", std::nullopt},
      {"A1", std::nullopt},
      {"1A", std::nullopt},
      {"+", std::nullopt},
      {"+-5", std::nullopt},
      {"- 5", std::nullopt},
      {"\t5", std::nullopt},
      {"2147483648", std::nullopt},
      {Sjis("１"), std::nullopt},
      {std::string("5\0", 2), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.text), c.expected) << '"' << c.text << '"';
}

TEST(IsDigits, NeedsExactlyThatManyAsciiDigits) {
  EXPECT_TRUE(IsDigits("20230105", 8));
  EXPECT_FALSE(IsDigits("2023010", 8));
  EXPECT_FALSE(IsDigits("202301050", 8));
  EXPECT_FALSE(IsDigits("2023ab05", 8));
  EXPECT_FALSE(IsDigits("2023 105", 8));
  EXPECT_TRUE(IsDigits("", 0));
}

}  // namespace
