#include "app/number_field.h"

#include "util/integer_text.h"

namespace {

// Characters, not bytes: the edits count what the user sees.
std::size_t Utf8Length(const std::string& text) {
  std::size_t length = 0;
  for (unsigned char c : text) length += (c & 0xC0) != 0x80;
  return length;
}

}  // namespace

std::optional<std::string> NumberFieldText(const std::string& text, std::size_t width) {
  if (Utf8Length(text) == width) return text;
  std::optional<int> number = ParseInteger(text);
  if (!number) return std::nullopt;
  return DecimalMinDigits(*number, static_cast<int>(width));
}
