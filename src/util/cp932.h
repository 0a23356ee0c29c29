#pragma once
// The one place where text crosses between UTF-8 (messages, settings values, names typed by the
// user) and code page 932 (JV-Data records, program files). Uses glibc iconv's "CP932", which
// follows the Microsoft mapping (～ U+FF5E is 81 60, ① is 87 40, 髙 is FB FC).

#include <cstddef>
#include <string>
#include <string_view>

struct CodecResult {
  std::string text;         // converted bytes, up to the first fault when !ok
  bool ok = true;
  std::size_t badOffset = 0;  // byte offset in the input of the first unconvertible character
};

CodecResult Cp932FromUtf8(std::string_view utf8);
CodecResult Utf8FromCp932(std::string_view cp932);

// For display only: undecodable bytes become U+FFFD, so nothing is hidden.
std::string Utf8FromCp932Lossy(std::string_view cp932);

// For literals of the program itself, which are always representable; throws std::invalid_argument
// otherwise (a programming error, never caused by input).
std::string Sjis(std::string_view utf8);
