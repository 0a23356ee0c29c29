#include "custom/code_formats.h"

#include "util/integer_text.h"
#include "util/sjis_text.h"

#include <optional>

namespace {

// m SS and `fractionDigits` fraction digits, as m:SS.f (form 1) or m.SS.f.
std::string LapTimeText(std::string_view value, int form, bool trim, std::size_t fractionDigits) {
  if (value.size() != 3 + fractionDigits) return std::string(value);
  std::string text;
  text += value[0];
  text += form == 1 ? ':' : '.';
  text += value.substr(1, 2);
  text += '.';
  text += value.substr(3);
  if (trim && text[0] == '0') text.erase(0, 2);
  return text;
}

// A two-digit number of a combination; trimmed, without its leading zero. A pair that is not a
// number stays as it is rather than failing the whole row.
std::string CombinationNumber(std::string_view pair, bool trim) {
  std::optional<int> number = trim ? ParseInteger(pair) : std::nullopt;
  return number ? std::to_string(*number) : std::string(pair);
}

}  // namespace

std::string StartTimeText(std::string_view value, bool trim) {
  if (value.size() != 4) return std::string(value);
  std::string text(value.substr(0, 2));
  text += ':';
  text += value.substr(2, 2);
  if (trim && text[0] == '0') text.erase(0, 1);
  return text;
}

std::string RunningTimeText(std::string_view value, int form, bool trim) {
  if (trim && value == "0000") return {};
  return LapTimeText(value, form, trim, 1);
}

std::string MiningTimeText(std::string_view value, int form, bool trim) {
  return LapTimeText(value, form, trim, 2);
}

std::string FlagArrayText(std::string_view value) {
  const bool plain = value.size() == 8;
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '1') continue;
    if (!text.empty()) text += '/';
    std::string number = std::to_string(i + 1);
    if (!plain && number.size() < 2) text += '0';
    text += number;
  }
  return text;
}

std::string CombinationText(std::string_view value, char separator, bool trim) {
  if (TrimBlanks(value).empty()) return trim ? std::string() : std::string(value);
  switch (value.size()) {
    case 2:
      return {value[0], separator, value[1]};
    case 4:
    case 6: {
      std::string text = CombinationNumber(value.substr(0, 2), trim);
      for (std::size_t pos = 2; pos < value.size(); pos += 2) {
        text += separator;
        text += CombinationNumber(value.substr(pos, 2), trim);
      }
      return text;
    }
    default:
      return std::string(value);
  }
}
