#include "util/fixed_width.h"

#include "util/cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(CutField, ShortLinesGiveShorterOrEmptyFields) {
  struct Case {
    int pos, len;
    std::string expected;
  } cases[] = {
      {1, 2, "RA"}, {3, 4, "7202"}, {5, 10, "02"}, {7, 1, ""}, {50, 3, ""}, {0, 2, ""}, {2, 0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CutField("RA7202", c.pos, c.len), c.expected);
}

TEST(FitToWidth, NeverSplitsADoubleByteCharacter) {
  std::string name = Sjis("ア") + "B" + Sjis("イ");  // 2 + 1 + 2 bytes
  EXPECT_EQ(FitToWidth(name, 1), "");
  EXPECT_EQ(FitToWidth(name, 2), Sjis("ア"));
  EXPECT_EQ(FitToWidth(name, 4), Sjis("ア") + "B");
  EXPECT_EQ(FitToWidth(name, 9), name);
  EXPECT_EQ(FitToWidth(std::string("a\x81", 2), 2), std::string("a\x81", 2))
      << "a lone lead byte at the end is a character of its own";
}

TEST(PutField, PadsAlignsAndClipsInsideTheRecord) {
  std::string record = BlankRecord(10);
  PutField(record, 1, 3, "AB");
  PutField(record, 4, 4, "12", Align::Right, '0');
  PutField(record, 9, 5, "XYZ");  // clipped at the record's end
  EXPECT_EQ(record, "AB 0012 XY");

  std::string nul = BlankRecord(6, '\0');
  PutField(nul, 2, 3, Sjis("アイ"), Align::Left, '\0');
  EXPECT_EQ(nul, std::string("\0", 1) + Sjis("ア") + std::string("\0\0\0", 3));

  std::string untouched = BlankRecord(4);
  PutField(untouched, 0, 2, "X");
  PutField(untouched, 5, 2, "X");
  EXPECT_EQ(untouched, "    ");
}

TEST(ZeroPadded, KeepsTheFieldWidth) {
  EXPECT_EQ(ZeroPadded(7, 2), "07");
  EXPECT_EQ(ZeroPadded(0, 4), "0000");
  EXPECT_EQ(ZeroPadded(12345, 4), "2345");
  EXPECT_EQ(ZeroPadded(5, 0), "");
}

}  // namespace
