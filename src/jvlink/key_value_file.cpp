#include "jvlink/key_value_file.h"

#include "util/file_io.h"

#include <charconv>

namespace {

std::string_view Trim(std::string_view text) {
  std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  std::size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

std::string LowerKey(std::string_view section, std::string_view key) {
  std::string out;
  out.reserve(section.size() + key.size() + 1);
  for (char c : section) out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  out += '/';
  for (char c : key) out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return out;
}

}  // namespace

KeyValueFile KeyValueFile::Read(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  return Parse(bytes ? *bytes : std::string());
}

KeyValueFile KeyValueFile::Parse(std::string_view text) {
  KeyValueFile file;
  std::string section;
  for (const std::string& rawLine : SplitLines(text)) {
    std::string_view line = Trim(rawLine);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Trim(line.substr(1, line.size() - 2));
      continue;
    }
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    file.values_[LowerKey(section, Trim(line.substr(0, equals)))] =
        std::string(Trim(line.substr(equals + 1)));
  }
  return file;
}

std::string KeyValueFile::value(std::string_view section, std::string_view key) const {
  auto found = values_.find(LowerKey(section, key));
  return found == values_.end() ? std::string() : found->second;
}

std::optional<int> KeyValueFile::intValue(std::string_view section, std::string_view key) const {
  std::string text = value(section, key);
  int number = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}
