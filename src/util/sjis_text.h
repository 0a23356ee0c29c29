#pragma once
// Shift-JIS (code page 932) aware text operations on byte strings: the half-width to full-width
// conversion the legacy layouts need, blank trimming and removal, and substrings counted in
// characters.

#include <string>
#include <string_view>

bool IsSjisLead(unsigned char b);   // 0x81..0x9F, 0xE0..0xFC
bool IsSjisTrail(unsigned char b);  // 0x40..0x7E, 0x80..0xFC

// Code 0..32 or 127, or the full-width space (0x8140). `code` is a single byte's value or
// lead * 256 + second byte.
bool IsBlankChar(unsigned code);

enum FullWidthMode { kFullWidthAscii = 1, kFullWidthKana = 2, kFullWidthBoth = 3 };

// Mode 1 widens ASCII only, mode 2 half-width katakana only, any other mode both. Double-byte
// characters pass unchanged; the result is at most twice the input's length.
std::string ToFullWidth(std::string_view text, int mode);

std::string TrimBlanks(std::string_view text);
std::string RemoveBlanks(std::string_view text);

// Characters start .. start+count-1 (1-based, a double-byte character counts as one); a start of
// 0 counts as 1; a negative start or a count below 1 gives an empty result.
std::string CopyChars(std::string_view text, int start, int count);
