#include "util/sjis_text.h"

#include "util/cp932.h"

#include <array>

bool IsSjisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

bool IsSjisTrail(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

bool IsBlankChar(unsigned code) { return code <= 32 || code == 127 || code == 0x8140; }

namespace {

using Code = unsigned short;

// Full-width codes of ASCII 0x20..0x7E.
Code WideAscii(unsigned char b) {
  if (b >= '0' && b <= '9') return static_cast<Code>(0x824F + (b - '0'));
  if (b >= 'A' && b <= 'Z') return static_cast<Code>(0x8260 + (b - 'A'));
  if (b >= 'a' && b <= 'z') return static_cast<Code>(0x8281 + (b - 'a'));
  switch (b) {
    case 0x20: return 0x8140;
    case 0x21: return 0x8149;
    case 0x22: return 0x8168;
    case 0x23: return 0x8194;
    case 0x24: return 0x8190;
    case 0x25: return 0x8193;
    case 0x26: return 0x8195;
    case 0x27: return 0x8166;
    case 0x28: return 0x8169;
    case 0x29: return 0x816A;
    case 0x2A: return 0x8196;
    case 0x2B: return 0x817B;
    case 0x2C: return 0x8143;
    case 0x2D: return 0x817C;
    case 0x2E: return 0x8144;
    case 0x2F: return 0x815E;
    case 0x3A: return 0x8146;
    case 0x3B: return 0x8147;
    case 0x3C: return 0x8183;
    case 0x3D: return 0x8181;
    case 0x3E: return 0x8184;
    case 0x3F: return 0x8148;
    case 0x40: return 0x8197;
    case 0x5B: return 0x816D;
    case 0x5C: return 0x818F;
    case 0x5D: return 0x816E;
    case 0x5E: return 0x814F;
    case 0x5F: return 0x8151;
    case 0x60: return 0x8165;
    case 0x7B: return 0x816F;
    case 0x7C: return 0x8162;
    case 0x7D: return 0x8170;
    case 0x7E: return 0x8150;
    default: return 0;
  }
}

// Full-width codes of half-width katakana 0xA1..0xDF, in JIS X 0201 order.
const std::array<Code, 63>& WideKanaTable() {
  static const std::array<Code, 63> table = [] {
    std::string wide = Sjis(
        "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
        "ハヒフヘホマミムメモヤユヨラリルレロワン゛゜");
    std::array<Code, 63> codes{};
    for (std::size_t i = 0; i < codes.size(); ++i) {
      codes[i] = static_cast<Code>(static_cast<unsigned char>(wide[2 * i]) << 8 |
                                   static_cast<unsigned char>(wide[2 * i + 1]));
    }
    return codes;
  }();
  return table;
}

constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

bool TakesVoicedMark(unsigned char b) { return (b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE); }
bool TakesSemiVoicedMark(unsigned char b) { return b >= 0xCA && b <= 0xCE; }

void AppendCode(std::string& out, Code code) {
  out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

// Length in bytes of the character at i for the blank operations: two when a lead byte has a
// byte after it.
std::size_t CharLength(std::string_view text, std::size_t i) {
  return IsSjisLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

unsigned CharCode(std::string_view text, std::size_t i, std::size_t length) {
  unsigned first = static_cast<unsigned char>(text[i]);
  return length == 2 ? first << 8 | static_cast<unsigned char>(text[i + 1]) : first;
}

}  // namespace

std::string ToFullWidth(std::string_view text, int mode) {
  bool ascii = mode != kFullWidthKana;
  bool kana = mode != kFullWidthAscii;
  std::string out;
  out.reserve(text.size() * 2);
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (IsSjisLead(b) && IsSjisTrail(next)) {
      out.append(text.substr(i, 2));
      i += 2;
    } else if (ascii && b >= 0x20 && b <= 0x7E) {
      AppendCode(out, WideAscii(b));
      i += 1;
    } else if (kana && b >= 0xA1 && b <= 0xDF) {
      Code code = WideKanaTable()[b - 0xA1];
      if (next == kVoicedMark && TakesVoicedMark(b)) {
        AppendCode(out, static_cast<Code>(code + 1));
        i += 2;
      } else if (next == kSemiVoicedMark && TakesSemiVoicedMark(b)) {
        AppendCode(out, static_cast<Code>(code + 2));
        i += 2;
      } else {
        AppendCode(out, code);
        i += 1;
      }
    } else {
      out += static_cast<char>(b);
      i += 1;
    }
  }
  return out;
}

std::string TrimBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t length = CharLength(text, i);
    if (!IsBlankChar(CharCode(text, i, length))) break;
    i += length;
  }
  std::size_t start = i;
  std::size_t end = i;  // end of the last non-blank character
  while (i < text.size()) {
    std::size_t length = CharLength(text, i);
    i += length;
    if (!IsBlankChar(CharCode(text, i - length, length))) end = i;
  }
  return std::string(text.substr(start, end - start));
}

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = CharLength(text, i);
    if (!IsBlankChar(CharCode(text, i, length))) out.append(text.substr(i, length));
    i += length;
  }
  return out;
}

std::string CopyChars(std::string_view text, int start, int count) {
  if (text.empty() || start < 0 || count <= 0) return {};
  if (start == 0) start = 1;
  std::size_t i = 0;
  for (int skipped = 0; skipped < start - 1; ++skipped) {
    if (i >= text.size()) return {};
    i += CharLength(text, i);
  }
  if (i >= text.size()) return {};
  std::size_t from = i;
  for (int taken = 0; taken < count && i < text.size(); ++taken) i += CharLength(text, i);
  return std::string(text.substr(from, i - from));
}
