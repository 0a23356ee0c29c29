#include "config/profile_file.h"

#include "util/file_io.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks are single bytes that never occur inside a double-byte character, so trimming bytes is
// safe on code page 932.
std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsQuoted(std::string_view text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

bool SameName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

ProfileReader::ProfileReader(std::string_view bytes) {
  std::string section;
  for (const std::string& line : SplitLines(bytes)) {
    std::string_view text = Trim(line);
    if (!text.empty() && text.front() == '[') {
      std::size_t close = text.rfind(']');
      section = Trim(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
      continue;
    }
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    std::string_view value = Trim(text.substr(equals + 1));
    if (IsQuoted(value)) value = value.substr(1, value.size() - 2);
    entries_.push_back({section, std::string(Trim(text.substr(0, equals))), std::string(value)});
  }
}

std::optional<std::string> ProfileReader::value(std::string_view section, std::string_view key) const {
  for (const Entry& entry : entries_) {
    if (SameName(entry.section, section) && SameName(entry.key, key)) return entry.value;
  }
  return std::nullopt;
}

bool ProfileWriter::add(std::string_view section, std::string_view key, std::string_view value) {
  if (value.find_first_of("\r\n") != std::string_view::npos) return false;
  if (bytes_.empty() || section != section_) {
    section_ = section;
    bytes_ += "[" + section_ + "]\r\n";
  }
  bytes_ += key;
  bytes_ += '=';
  // Quotes keep blanks at the ends, and quotes of the value itself, through the next read.
  bool quote = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsQuoted(value));
  if (quote) bytes_ += '"';
  bytes_ += value;
  if (quote) bytes_ += '"';
  bytes_ += "\r\n";
  return true;
}
