#include "util/cp932.h"

#include <gtest/gtest.h>

namespace {

struct Mapping {
  const char* utf8;
  std::string cp932;
};

// Characters where code page 932 differs from plain Shift_JIS, and NEC/IBM extensions.
TEST(Cp932Codec, FollowsTheMicrosoftMappingBothWays) {
  const Mapping cases[] = {
      {"～", "\x81\x60"}, {"＼", "\x81\x5F"}, {"－", "\x81\x7C"}, {"∥", "\x81\x61"},
      {"￢", "\x81\xCA"}, {"①", "\x87\x40"}, {"髙", "\xFB\xFC"}, {"ｱ", "\xB1"},
      {"A", "A"},         {"　", "\x81\x40"},
  };
  for (const Mapping& c : cases) {
    CodecResult encoded = Cp932FromUtf8(c.utf8);
    EXPECT_TRUE(encoded.ok) << c.utf8;
    EXPECT_EQ(encoded.text, c.cp932) << c.utf8;
    CodecResult decoded = Utf8FromCp932(c.cp932);
    EXPECT_TRUE(decoded.ok) << c.utf8;
    EXPECT_EQ(decoded.text, c.utf8);
  }
}

TEST(Cp932Codec, ReportsWhatCannotBeConverted) {
  // U+00E9 has no code page 932 form; it starts at byte 3 of the input.
  CodecResult encoded = Cp932FromUtf8("abc\xC3\xA9xyz");
  EXPECT_FALSE(encoded.ok);
  EXPECT_EQ(encoded.badOffset, 3u);
  EXPECT_EQ(encoded.text, "abc");

  // 0x80 and 0xA0 are not characters of code page 932; a lead byte at the end is cut short.
  const std::string badInputs[] = {"ab\x80", "ab\xA0", "ab\x88"};
  for (const std::string& bad : badInputs) {
    CodecResult decoded = Utf8FromCp932(bad);
    EXPECT_FALSE(decoded.ok);
    EXPECT_EQ(decoded.badOffset, 2u);
  }
  EXPECT_FALSE(Cp932FromUtf8("\xFF").ok);
}

TEST(Cp932Codec, LossyDecodingMarksEveryBadByteAndKeepsTheRest) {
  EXPECT_EQ(Utf8FromCp932Lossy("A\x80" "B\xA0\x88\x9F"), "A\xEF\xBF\xBD" "B\xEF\xBF\xBD" "亜");
  EXPECT_EQ(Utf8FromCp932Lossy(std::string("x\x81", 2)), "x\xEF\xBF\xBD");
}

TEST(Cp932Codec, SjisThrowsOnlyForUnrepresentableLiterals) {
  EXPECT_EQ(Sjis("レース"), "\x83\x8C\x81\x5B\x83\x58");
  EXPECT_THROW(Sjis("\xF0\x9F\x98\x80"), std::invalid_argument);
}

}  // namespace
