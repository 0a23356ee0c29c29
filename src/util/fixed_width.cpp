#include "util/fixed_width.h"

#include "util/sjis_text.h"

#include <algorithm>

std::string_view CutField(std::string_view line, int pos, int len) {
  if (pos < 1 || len <= 0) return {};
  std::size_t start = static_cast<std::size_t>(pos - 1);
  if (start >= line.size()) return {};
  return line.substr(start, static_cast<std::size_t>(len));
}

std::string BlankRecord(int length, char fill) {
  return std::string(static_cast<std::size_t>(std::max(length, 0)), fill);
}

std::string_view FitToWidth(std::string_view text, int width) {
  if (width <= 0) return {};
  std::size_t limit = std::min(text.size(), static_cast<std::size_t>(width));
  std::size_t i = 0;
  while (i < limit) {
    bool doubleByte = IsSjisLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    std::size_t step = doubleByte ? 2 : 1;
    if (i + step > limit) break;
    i += step;
  }
  return text.substr(0, i);
}

void PutField(std::string& record, int pos, int len, std::string_view text, Align align,
              char pad) {
  if (pos < 1 || len <= 0) return;
  std::size_t start = static_cast<std::size_t>(pos - 1);
  if (start >= record.size()) return;
  std::string_view fitted = FitToWidth(text, len);
  std::string field(static_cast<std::size_t>(len), pad);
  std::size_t offset = align == Align::Left ? 0 : field.size() - fitted.size();
  field.replace(offset, fitted.size(), fitted);
  std::size_t room = std::min(field.size(), record.size() - start);
  record.replace(start, room, field, 0, room);
}

std::string ZeroPadded(unsigned long long value, int width) {
  if (width <= 0) return {};
  std::string digits = std::to_string(value);
  std::size_t w = static_cast<std::size_t>(width);
  if (digits.size() > w) return digits.substr(digits.size() - w);
  return std::string(w - digits.size(), '0') + digits;
}
