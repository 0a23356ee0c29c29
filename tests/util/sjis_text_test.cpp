#include "util/sjis_text.h"

#include "util/cp932.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(SjisByteClasses, LeadTrailAndBlank) {
  EXPECT_TRUE(IsSjisLead(0x81));
  EXPECT_TRUE(IsSjisLead(0x9F));
  EXPECT_TRUE(IsSjisLead(0xE0));
  EXPECT_TRUE(IsSjisLead(0xFC));
  EXPECT_FALSE(IsSjisLead(0x80));
  EXPECT_FALSE(IsSjisLead(0xA0));
  EXPECT_FALSE(IsSjisLead(0xDF));
  EXPECT_FALSE(IsSjisLead(0xFD));
  EXPECT_TRUE(IsSjisTrail(0x40));
  EXPECT_FALSE(IsSjisTrail(0x7F));
  EXPECT_TRUE(IsSjisTrail(0x80));
  EXPECT_FALSE(IsSjisTrail(0xFD));
  for (unsigned code : {0u, 9u, 32u, 127u, 0x8140u}) EXPECT_TRUE(IsBlankChar(code)) << code;
  for (unsigned code : {33u, 126u, 128u, 0x8141u}) EXPECT_FALSE(IsBlankChar(code)) << code;
}

struct WideCase {
  const char* name;
  std::string input;
  int mode;
  std::string expected;
};

TEST(ToFullWidth, ConvertsByMode) {
  const WideCase cases[] = {
      {"kana, blank and digits in mode 3", Sjis("ｶﾞﾝﾊﾞﾚ 123"), 3, Sjis("ガンバレ　１２３")},
      {"mode 1 leaves kana", Sjis("ｱA"), 1, Sjis("ｱＡ")},
      {"mode 2 leaves ASCII", Sjis("ｱA"), 2, Sjis("アA")},
      {"other modes convert both", Sjis("ｱA"), 7, Sjis("アＡ")},
      {"semi-voiced", Sjis("ﾊﾟﾋﾟﾎﾟ"), 3, Sjis("パピポ")},
      {"voiced ﾁ and ﾄ", Sjis("ﾁﾞﾄﾞ"), 3, Sjis("ヂド")},
      {"ｳﾞ character by character", Sjis("ｳﾞ"), 3, Sjis("ウ゛")},
      {"ｶﾟ character by character", Sjis("ｶﾟ"), 3, Sjis("カ゜")},
      {"small kana and marks", Sjis("｡｢｣､･ｦｧｯｰﾝ"), 3, Sjis("。「」、・ヲァッーン")},
      {"letters", "Az", 1, Sjis("Ａｚ")},
      {"ASCII symbols of the table", "\"'\\`~", 1,
       std::string("\x81\x68\x81\x66\x81\x8F\x81\x65\x81\x50")},
      {"double-byte passes", Sjis("漢A"), 3, Sjis("漢Ａ")},
      {"lone lead byte at the end is copied", std::string("A\x88"), 3,
       Sjis("Ａ") + std::string("\x88")},
      {"controls and NUL are copied", std::string("\t\0a", 3), 3,
       std::string("\t\0", 2) + Sjis("ａ")},
  };
  for (const WideCase& c : cases) {
    EXPECT_EQ(ToFullWidth(c.input, c.mode), c.expected) << c.name;
  }
}

TEST(TrimAndRemoveBlanks, HandleFullAndHalfWidthBlanks) {
  EXPECT_EQ(TrimBlanks(Sjis("　 ABC 　")), "ABC");
  EXPECT_EQ(TrimBlanks(Sjis(" A　B ")), Sjis("A　B"));
  EXPECT_EQ(TrimBlanks(Sjis("　　")), "");
  EXPECT_EQ(TrimBlanks(std::string("\0x\0", 3)), "x");
  EXPECT_EQ(RemoveBlanks(Sjis("山　田 太郎")), Sjis("山田太郎"));
  // 0x8140 is a blank only as a whole character: 88 81 is one character, so the "@" (0x40)
  // after it must not pair with its trail byte 0x81.
  EXPECT_EQ(RemoveBlanks("\x88\x81@"), "\x88\x81@");
  EXPECT_EQ(TrimBlanks("\x88\x81@"), "\x88\x81@");
}

TEST(CopyChars, CountsDoubleByteCharactersAsOne) {
  std::string text = Sjis("漢字AB");
  struct Case {
    int start, count;
    std::string expected;
  } cases[] = {
      {2, 2, Sjis("字A")}, {5, 1, ""},        {1, 10, text}, {0, 1, Sjis("漢")},
      {-1, 2, ""},         {1, 0, ""},         {4, 1, "B"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CopyChars(text, c.start, c.count), c.expected) << c.start << "," << c.count;
  }
  EXPECT_EQ(CopyChars("", 1, 1), "");
}

// Random bytes, lone lead bytes at the end and NULs: the operations stay inside their input
// (the sanitizer build checks the accesses) and keep their size promises.
TEST(SjisTextRobustness, RandomBytesStayInBounds) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 12, '\0');
    for (char& b : bytes) b = static_cast<char>(random() % 256);
    if (round % 3 == 0) bytes += '\x81';
    for (int mode = 1; mode <= 3; ++mode) {
      EXPECT_LE(ToFullWidth(bytes, mode).size(), bytes.size() * 2);
    }
    EXPECT_LE(TrimBlanks(bytes).size(), bytes.size());
    EXPECT_LE(RemoveBlanks(bytes).size(), bytes.size());
    EXPECT_LE(CopyChars(bytes, static_cast<int>(random() % 8), static_cast<int>(random() % 8)).size(),
              bytes.size());
  }
}

}  // namespace
