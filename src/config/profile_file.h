#pragma once
// Profile files ("[Section]" header lines, then "Key=Value" lines), the form of the settings file
// and of the timer's run marker. Bytes are code page 932; callers convert values to and from
// UTF-8. Reading follows the usual profile rules: lines may end in CR LF or LF, section and key
// names match without regard to ASCII case, blanks around names and values are ignored, a value
// enclosed in double quotes loses them, and the first of repeated keys counts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ProfileReader {
 public:
  explicit ProfileReader(std::string_view bytes);

  // The value's bytes, or nullopt when the section or the key is missing.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

 private:
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };
  std::vector<Entry> entries_;
};

// Builds a whole profile file in the order of the calls; a section header is written whenever
// the section changes.
class ProfileWriter {
 public:
  // False, and nothing added, for a value holding a line break: it would split the line.
  bool add(std::string_view section, std::string_view key, std::string_view value);
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::string section_;
};
