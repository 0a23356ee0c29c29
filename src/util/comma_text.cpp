#include "util/comma_text.h"

namespace {

bool IsSeparatorBlank(char c) {
  unsigned char byte = static_cast<unsigned char>(c);
  return byte >= 1 && byte <= ' ';
}

// The quoted field starting at text[pos] == '"'; pos ends after its closing quote (or at the end
// of the text when the quote is never closed).
std::string TakeQuoted(std::string_view text, std::size_t& pos) {
  std::string field;
  ++pos;
  while (pos < text.size()) {
    char c = text[pos++];
    if (c != '"') {
      field += c;
    } else if (pos < text.size() && text[pos] == '"') {
      field += '"';
      ++pos;
    } else {
      break;
    }
  }
  return field;
}

}  // namespace

std::vector<std::string> SplitCommaText(std::string_view text) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  auto skipBlanks = [&] {
    while (pos < text.size() && IsSeparatorBlank(text[pos])) ++pos;
  };
  skipBlanks();
  while (pos < text.size() && text[pos] != '\0') {
    if (text[pos] == '"') {
      fields.push_back(TakeQuoted(text, pos));
    } else {
      std::size_t start = pos;
      // Bytes above the blank range: Shift-JIS trail bytes never fall into it or onto a comma.
      while (pos < text.size() && static_cast<unsigned char>(text[pos]) > ' ' && text[pos] != ',') {
        ++pos;
      }
      fields.emplace_back(text.substr(start, pos - start));
    }
    skipBlanks();
    if (pos < text.size() && text[pos] == ',') {
      ++pos;
      if (pos == text.size()) fields.emplace_back();
      skipBlanks();
    }
  }
  return fields;
}
