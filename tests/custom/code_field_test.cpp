#include "custom/code_field.h"
#include "custom/field_type.h"

#include "util/cp932.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Expected texts are converted from UTF-8 by the codec, or written as bytes where the width of a
// character is the point (half-width kana, full-width digits and blanks, ASCII "2").
struct Case {
  const char* type;
  std::string value;
  int form;
  bool trim;
  std::string expected;
};

// Every case goes through the type's name, as the definition files give it, so a name mapped to
// the wrong table fails too.
void ExpectConversions(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    std::optional<FieldType> type = FieldTypeFromName(c.type);
    ASSERT_TRUE(type) << c.type;
    std::string actual = ConvertCodeField(*type, c.value, c.form, c.trim);
    EXPECT_EQ(actual, c.expected)
        << c.type << " value \"" << Utf8FromCp932Lossy(c.value) << "\" form " << c.form
        << " trim " << c.trim << ": got \"" << Utf8FromCp932Lossy(actual) << "\", expected \""
        << Utf8FromCp932Lossy(c.expected) << '"';
  }
}

TEST(CourseCountryCode, NumbersFirstThenCountriesThenThePlaceMark) {
  ExpectConversions({
      {"FT_JOCODE", "01", 1, false, Sjis("札幌")},
      {"FT_JOCODE", "01", 2, false, Sjis("札")},
      {"FT_JOCODE", "07", 1, false, Sjis("中京")},
      {"FT_JOCODE", "07", 2, false, Sjis("名")},
      {"FT_JOCODE", "61", 1, false, Sjis("中京")},
      {"FT_JOCODE", "61", 2, false, Sjis("名")},
      {"FT_JOCODE", "00", 1, false, Sjis("？？")},
      {"FT_JOCODE", "00", 2, false, Sjis("？")},
      {"FT_JOCODE", "30", 1, false, Sjis("門別")},
      {"FT_JOCODE", "48", 2, false, Sjis("古")},
      {"FT_JOCODE", " 5", 1, false, Sjis("東京")},
      {"FT_JOCODE", "11", 1, false, Sjis("場11")},
      {"FT_JOCODE", "11", 2, false, "11"},
      {"FT_JOCODE", "62", 1, false, Sjis("場62")},
      {"FT_JOCODE", "A0", 1, false, Sjis("他外")},
      {"FT_JOCODE", "A0", 2, false, Sjis("外")},
      {"FT_JOCODE", "I4", 1, false, Sjis("チェ")},
      {"FT_JOCODE", "N6", 2, false, Sjis("毛")},
      {"FT_JOCODE", "C4", 1, false, ""},
      {"FT_JOCODE", "C4", 2, false, ""},
      {"FT_JOCODE", "G6", 1, false, ""},
      {"FT_JOCODE", "M4", 1, false, "\x9A\xD2\x81\x40"},
      {"FT_JOCODE", "M4", 2, false, "\x9A\xD2\x81\x40"},
      {"FT_JOCODE", "M8", 2, false, Sjis("華　")},
      {"FT_JOCODE", "  ", 1, false, Sjis("場  ")},
      {"FT_JOCODE", "  ", 2, false, "  "},
      {"FT_JOCODE", "a0", 1, false, Sjis("場a0")},
      {"FT_JOCODE", "", 1, false, Sjis("場")},
      {"FT_JOCODE", "01", 3, false, "01"},
      {"FT_JOCODE", "A0", 3, true, "A0"},
  });
}

TEST(SingleFormCodes, RepresentativeEntriesFallbacksAndAnyForm) {
  ExpectConversions({
      {"FT_SZCODE", "1", 1, false, Sjis("美浦")},
      {"FT_SZCODE", "4", 1, false, Sjis("外国")},
      {"FT_SZCODE", "5", 1, false, ""},
      {"FT_SZCODE", " ", 1, false, ""},
      {"FT_MASSHO_KUBUN", "0", 1, false, Sjis("現役")},
      {"FT_MASSHO_KUBUN", "1", 1, false, Sjis("抹消")},
      {"FT_MASSHO_KUBUN", "2", 1, false, Sjis("？？")},
      {"FT_MASSHO_KUBUN", " ", 1, false, Sjis("？？")},
      {"FT_MASSHO_KUBUN", "", 1, false, Sjis("？？")},
      {"FT_UKCODE", "01", 1, false, "(" + Sjis("抽") + ")"},
      {"FT_UKCODE", "02", 1, false, Sjis("[抽]")},
      {"FT_UKCODE", "12", 1, false, Sjis("(父)(市)(地)")},
      {"FT_UKCODE", "13", 1, false, ""},
      {"FT_UKCODE", "31", 1, false, Sjis("(持)")},
      {"FT_UKCODE", "41", 1, false, Sjis("(父)(外)[地]")},
      {"FT_UKCODE", "42", 1, false, ""},
      {"FT_SXCODE", "1", 1, false, Sjis("牡")},
      {"FT_SXCODE", "3", 1, false, "\xBE\xDD"},
      {"FT_SXCODE", "2", 3, false, Sjis("牝")},
      {"FT_SXCODE", "0", 1, false, ""},
      {"FT_HSCODE", "2", 1, false, Sjis("サラ系")},
      {"FT_HSCODE", "8", 1, false, Sjis("中半")},
      {"FT_HSCODE", "9", 1, false, ""},
      {"FT_KECODE", "10", 1, false, Sjis("青粕毛")},
      {"FT_KECODE", "11", 2, false, Sjis("白毛")},
      {"FT_KECODE", "12", 1, false, ""},
      {"FT_BLINKER", "1", 1, false, "B"},
      {"FT_BLINKER", " 1", 1, false, ""},
      {"FT_BLINKER", "0", 1, false, ""},
      {"FT_MNCODE", "1", 1, false, Sjis("☆")},
      {"FT_MNCODE", "9", 1, false, Sjis("◇")},
      {"FT_MNCODE", "5", 1, false, ""},
      {"FT_SHIKAKU_CODE", "1", 1, false, Sjis("平・障害")},
      {"FT_SHIKAKU_CODE", "4", 1, false, ""},
      {"FT_JSCODE", "1", 1, false, Sjis("ハンデ")},
      {"FT_JSCODE", "4", 1, false, Sjis("定量")},
      {"FT_WECODE", "6", 1, false, Sjis("小雪")},
      {"FT_WECODE", "7", 1, false, ""},
      {"FT_DOCHAKU", "1", 1, false, Sjis("同着")},
      {"FT_DOCHAKU", "0", 1, false, ""},
      {"FT_RECORD", "2", 1, false, Sjis("レコード")},
      {"FT_RECORD", "3", 1, false, ""},
      {"FT_MINING", "3", 1, false, Sjis("直前")},
      {"FT_KYAKUSHITSU", "4", 1, false, Sjis("追")},
      {"FT_KYAKUSHITSU", "A", 1, false, ""},
  });
}

TEST(MultiFormCodes, EachFormAndAFormTheTableLacks) {
  ExpectConversions({
      {"FT_YOCODE", "1", 1, false, Sjis("土曜日")},
      {"FT_YOCODE", "1", 2, false, Sjis("土")},
      {"FT_YOCODE", "3", 1, false, Sjis("祝日")},
      {"FT_YOCODE", "8", 2, false, Sjis("金")},
      {"FT_YOCODE", "1", 3, false, ""},
      {"FT_YOCODE", "9", 1, false, ""},
      {"FT_KSCODE", "11", 1, false, Sjis("サラブレッド系２歳")},
      {"FT_KSCODE", "11", 2, false, "\x82\x51\x8D\xCE"},
      {"FT_KSCODE", "19", 1, false, Sjis("サラブレッド系障害４歳上")},
      {"FT_KSCODE", "24", 2, false, Sjis("アラ４歳上")},
      {"FT_KSCODE", "15", 1, false, ""},
      {"FT_KSCODE", "11", 3, false, ""},
      {"FT_KJCODE", "005", 1, false, Sjis("500万円以下")},
      {"FT_KJCODE", "005", 2, false, Sjis("500万")},
      {"FT_KJCODE", "001", 1, false, Sjis("100万円以下")},
      {"FT_KJCODE", "699", 2, false, Sjis("69900万")},
      {"FT_KJCODE", "700", 1, false, ""},
      {"FT_KJCODE", "000", 1, false, ""},
      {"FT_KJCODE", "701", 2, false, Sjis("新馬")},
      {"FT_KJCODE", "703", 1, false, Sjis("未勝利")},
      {"FT_KJCODE", "999", 1, false, Sjis("オープン")},
      {"FT_KJCODE", "999", 2, false, Sjis("オープン")},
      {"FT_KJCODE", "   ", 1, false, ""},
      {"FT_KJCODE", "005", 3, false, ""},
      {"FT_KJCODE", "999", 3, false, ""},
      {"FT_TRCODE", "10", 1, false, Sjis("芝・直")},
      {"FT_TRCODE", "10", 2, false, Sjis("芝")},
      {"FT_TRCODE", "15", 1, false, "\x8E\xC5\x81\x45\x8D\xB6\x93\xE0\x32\x8E\xFC"},
      {"FT_TRCODE", "22", 2, false, Sjis("芝")},
      {"FT_TRCODE", "27", 1, false, Sjis("サンド・左")},
      {"FT_TRCODE", "28", 2, false, Sjis("サンド")},
      {"FT_TRCODE", "29", 1, false, Sjis("ダート・直")},
      {"FT_TRCODE", "29", 2, false, Sjis("ダート")},
      {"FT_TRCODE", "51", 2, false, "\x8F\xE1\x8A\x51\x81\x69\x8E\xC5\x81\x6A"},
      {"FT_TRCODE", "52", 1, false, Sjis("障害芝→ダート")},
      {"FT_TRCODE", "52", 2, false, Sjis("障害（芝→ダ）")},
      {"FT_TRCODE", "59", 1, false, Sjis("障害芝・外2周")},
      {"FT_TRCODE", "30", 1, false, ""},
      {"FT_TRCODE", "50", 2, false, ""},
      {"FT_TRCODE", "10", 3, false, ""},
      {"FT_BJCODE", "1", 1, false, Sjis("良")},
      {"FT_BJCODE", "2", 1, false, Sjis("稍重")},
      {"FT_BJCODE", "2", 2, false, Sjis("稍")},
      {"FT_BJCODE", "4", 2, false, Sjis("不")},
      {"FT_BJCODE", "1", 3, false, Sjis("○")},
      {"FT_BJCODE", "4", 3, false, Sjis("■")},
      {"FT_BJCODE", "0", 1, false, ""},
      {"FT_BJCODE", "1", 4, false, ""},
      {"FT_IJCODE", "1", 1, false, Sjis("出走取消")},
      {"FT_IJCODE", "1", 2, false, Sjis("消")},
      {"FT_IJCODE", "3", 2, false, Sjis("除")},
      {"FT_IJCODE", "7", 1, false, Sjis("降着")},
      {"FT_IJCODE", "8", 1, false, ""},
      {"FT_IJCODE", "1", 3, false, ""},
  });
}

TEST(TextCodes, ComparedExactlyBlanksIncluded) {
  ExpectConversions({
      {"FT_GRCODE", "A", 1, false, "G1"},
      {"FT_GRCODE", "D", 1, false, Sjis("重賞")},
      {"FT_GRCODE", "F", 1, false, "J\xA5G1"},
      {"FT_GRCODE", "H", 2, false, Sjis("J･G3")},
      {"FT_GRCODE", "L", 1, false, "L"},
      {"FT_GRCODE", " ", 1, false, ""},
      {"FT_GRCODE", "a", 1, false, ""},
      {"FT_GRCODE", "I", 1, false, ""},
      {"FT_KKCODE", "A13", 1, false, Sjis("(混合) 牡[指定]")},
      {"FT_KKCODE", "001", 1, false, Sjis("(指定)")},
      {"FT_KKCODE", "000", 1, false, ""},
      {"FT_KKCODE", "010", 1, false, ""},
      {"FT_KKCODE", "032", 1, false, Sjis("牡・") + "\xBE\xDD" + Sjis("若手騎手")},
      {"FT_KKCODE", "F04", 1, false, Sjis("(市) (抽)(特指)")},
      {"FT_KKCODE", "N40", 1, false, Sjis("(国際) 牡・牝")},
      {"FT_KKCODE", "ZZ3", 1, false, Sjis("[指定]")},
      {"FT_KKCODE", "M05", 1, false, Sjis("九州産馬")},
      {"FT_KKCODE", "A1", 1, false, ""},
      {"FT_KKCODE", "A130", 1, false, ""},
      {"FT_SACODE", " 12", 1, false, "1/2"},
      {"FT_SACODE", "1  ", 1, false, "1"},
      {"FT_SACODE", "1", 1, false, ""},
      {"FT_SACODE", "112", 1, false, "1 1/2"},
      {"FT_SACODE", "Z  ", 1, false, "10"},
      {"FT_SACODE", "A  ", 1, false, "\xB1\xC0\xCF"},
      {"FT_SACODE", "H  ", 1, false, "\xCA\xC5"},
      {"FT_SACODE", "K  ", 1, false, "\xB8\xCB\xDE"},
      {"FT_SACODE", "D  ", 1, false, Sjis("同着")},
      {"FT_SACODE", "T  ", 1, false, Sjis("大差")},
      {"FT_SACODE", "   ", 1, false, ""},
      {"FT_SACODE", " 12 ", 1, false, ""},
  });
}

TEST(TimeCodes, SeparatorsByFormAndLeadingZerosByTrim) {
  ExpectConversions({
      {"FT_HHNN", "0945", 1, false, "09:45"},
      {"FT_HHNN", "0945", 1, true, "9:45"},
      {"FT_HHNN", "1530", 1, true, "15:30"},
      {"FT_HHNN", "945", 1, true, "945"},
      {"FT_HHNN", "09450", 1, false, "09450"},
      {"FT_SOHA", "1345", 1, false, "1:34.5"},
      {"FT_SOHA", "1345", 2, false, "1.34.5"},
      {"FT_SOHA", "1345", 3, false, "1.34.5"},
      {"FT_SOHA", "1345", 1, true, "1:34.5"},
      {"FT_SOHA", "0595", 1, true, "59.5"},
      {"FT_SOHA", "0595", 2, true, "59.5"},
      {"FT_SOHA", "0595", 1, false, "0:59.5"},
      {"FT_SOHA", "0000", 1, true, ""},
      {"FT_SOHA", "0000", 1, false, "0:00.0"},
      {"FT_SOHA", "000", 1, true, "000"},
      {"FT_MINING_SOHA", "13456", 1, false, "1:34.56"},
      {"FT_MINING_SOHA", "13456", 2, false, "1.34.56"},
      {"FT_MINING_SOHA", "05956", 1, true, "59.56"},
      {"FT_MINING_SOHA", "00000", 1, true, "00.00"},
      {"FT_MINING_SOHA", "00000", 1, false, "0:00.00"},
      {"FT_MINING_SOHA", "1345", 1, false, "1345"},
  });
}

TEST(FlagArrays, PositionsPlainForEightFlagsTwoDigitsOtherwise) {
  const std::string eighteen = "1" + std::string(17, '0');
  std::string nineteen(19, '0');
  nineteen[1] = nineteen[18] = '1';
  ExpectConversions({
      {"FT_ARRAY", "10000001", 1, false, "1/8"},
      {"FT_ARRAY", "00100100", 1, false, "3/6"},
      {"FT_ARRAY", eighteen, 1, false, "01"},
      {"FT_ARRAY", nineteen, 1, false, "02/19"},
      {"FT_ARRAY", "0000000001", 1, false, "10"},
      {"FT_ARRAY", "00000000", 1, false, ""},
      {"FT_ARRAY", "", 1, false, ""},
      {"FT_ARRAY", "1 2 1", 1, false, "01/05"},
  });
}

TEST(Combinations, SeparatorByTypeAndNumbersByTrim) {
  ExpectConversions({
      {"FT_KUMIBAN", "12", 1, false, "1-2"},
      {"FT_KUMIBAN_TAN", "12", 1, true, "1>2"},
      {"FT_KUMIBAN", "0102", 1, true, "1-2"},
      {"FT_KUMIBAN", "0102", 1, false, "01-02"},
      {"FT_KUMIBAN", "1018", 1, true, "10-18"},
      {"FT_KUMIBAN", "010203", 1, true, "1-2-3"},
      {"FT_KUMIBAN_TAN", "010203", 1, true, "1>2>3"},
      {"FT_KUMIBAN_TAN", "010203", 1, false, "01>02>03"},
      {"FT_KUMIBAN", "    ", 1, true, ""},
      {"FT_KUMIBAN", "    ", 1, false, "    "},
      {"FT_KUMIBAN_TAN", "", 1, false, ""},
      {"FT_KUMIBAN", "123", 1, true, "123"},
      {"FT_KUMIBAN", "01020304", 1, true, "01020304"},
      {"FT_KUMIBAN", "01  ", 1, true, "1-  "},
  });
}

TEST(CodeForms, BelowOneMeansNoConversion) {
  ExpectConversions({
      {"FT_JOCODE", "05", 0, false, "05"},
      {"FT_SXCODE", "1", 0, false, "1"},
      {"FT_GRCODE", "A", -1, true, "A"},
      {"FT_SOHA", "0000", 0, true, "0000"},
      {"FT_KUMIBAN", "    ", -1, true, "    "},
  });
}

TEST(FieldTypeNames, OnlyExactNamesResolve) {
  for (const char* name : {"FT_SACORD", "FT_ZAIKYU_FLG", "ft_jocode", "FT_JOCODE ", "", "X"}) {
    EXPECT_FALSE(FieldTypeFromName(name)) << '"' << name << '"';
  }
}

}  // namespace
