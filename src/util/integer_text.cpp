#include "util/integer_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int> ParseInteger(std::string_view text) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  std::size_t digits = (text[start] == '+' || text[start] == '-') ? start + 1 : start;
  if (digits >= text.size() || !IsDigit(text[digits])) return std::nullopt;
  // from_chars takes the minus sign itself (so INT_MIN parses) but not the plus sign.
  std::size_t from = text[start] == '-' ? start : digits;
  int value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data() + from, end, value);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

std::string DecimalMinDigits(int value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*d", digits, value);
  return text;
}

bool IsDigits(std::string_view text, std::size_t length) {
  return text.size() == length && std::all_of(text.begin(), text.end(), IsDigit);
}
