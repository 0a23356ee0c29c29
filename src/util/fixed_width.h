#pragma once
// Byte-position helpers shared by every reader and writer of fixed-width records. Positions are
// 1-based byte positions in code page 932 text, lengths are in bytes.

#include <string>
#include <string_view>

// Bytes pos .. pos+len-1 of the line; a line shorter than asked gives a shorter or empty field.
std::string_view CutField(std::string_view line, int pos, int len);

// A record buffer of `length` bytes, all `fill` (a space or NUL, as the layout wants).
std::string BlankRecord(int length, char fill = ' ');

enum class Align { Left, Right };

// Writes `text` into bytes pos .. pos+len-1 of `record`: cut to the width (whole characters,
// see FitToWidth), padded with `pad` on the side opposite the alignment. Never writes outside
// the record; a field beyond its end is clipped.
void PutField(std::string& record, int pos, int len, std::string_view text,
              Align align = Align::Left, char pad = ' ');

// The longest prefix of `text` of at most `width` bytes that does not end in the middle of a
// double-byte character.
std::string_view FitToWidth(std::string_view text, int width);

// `value` in decimal, right-aligned with leading zeros in `width` digits; a value that needs
// more digits keeps its low-order digits (the field width wins, as in the fixed layouts).
std::string ZeroPadded(unsigned long long value, int width);
