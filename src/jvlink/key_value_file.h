#pragma once
// A minimal reader of the emulator's small settings files: "key=value" lines, optionally under
// "[Section]" lines, CR LF or LF, ';' or '#' starting a comment line. Sections and keys match
// without regard to ASCII case; values are kept as bytes, surrounding blanks removed.

#include <map>
#include <optional>
#include <string>
#include <string_view>

class KeyValueFile {
 public:
  // An unreadable or missing file reads as an empty one.
  static KeyValueFile Read(const std::string& path);
  static KeyValueFile Parse(std::string_view text);

  std::string value(std::string_view section, std::string_view key) const;  // "" when missing
  // A decimal integer, or nullopt when missing or not a number.
  std::optional<int> intValue(std::string_view section, std::string_view key) const;

 private:
  std::map<std::string, std::string> values_;  // lower-case "section/key" → value
};
