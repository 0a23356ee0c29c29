#include "custom/code_converters.h"

#include "util/cp932.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
  std::string input;
  std::string expected;
};

TEST(RecordSpecName, NamesTheSixRecordTypesAndMarksOthers) {
  const TextCase cases[] = {
      {"RA", Sjis("レース詳細")},   {"SE", Sjis("馬毎レース情報")}, {"HR", Sjis("払戻")},
      {"UM", Sjis("競走馬マスタ")}, {"KS", Sjis("騎手マスタ")},     {"CH", Sjis("調教師マスタ")},
      {"O1", "\x81\x48"},           {"ra", "\x81\x48"},             {"", "\x81\x48"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(RecordSpecName(c.input), c.expected) << c.input;
}

TEST(AffiliationToInviteFlag, LocalAndForeignOnly) {
  const TextCase cases[] = {{"3", "1"}, {"4", "2"}, {"1", "0"}, {"2", "0"}, {" ", "0"}, {"A", "0"}};
  for (const TextCase& c : cases) EXPECT_EQ(AffiliationToInviteFlag(c.input), c.expected) << c.input;
}

TEST(TrackSurfaceLetter, TurfDirtAndTheRest) {
  const TextCase cases[] = {
      {"10", "T"}, {"22", "T"}, {"51", "T"}, {"59", "T"}, {"23", "D"}, {"26", "D"}, {"29", "D"},
      {"27", "?"}, {"28", "?"}, {"09", "?"}, {"30", "?"}, {"50", "?"}, {"60", "?"}, {"  ", "?"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(TrackSurfaceLetter(c.input), c.expected) << c.input;
}

TEST(JraTrackName, TenJraCoursesOnly) {
  const TextCase cases[] = {
      {"01", Sjis("札幌")},   {"07", Sjis("中京")},   {"10", Sjis("小倉")}, {"5", Sjis("東京")},
      {"00", Sjis("？？")},   {"11", Sjis("？？")},   {"30", Sjis("？？")}, {"61", Sjis("？？")},
      {"  ", Sjis("？？")},   {"A0", Sjis("？？")},
  };
  for (const TextCase& c : cases) EXPECT_EQ(JraTrackName(c.input), c.expected) << c.input;
}

TEST(RtdFileName, OneCharacterPerPart) {
  struct Case {
    const char* year;
    const char* course;
    const char* race;
    const char* day;
    const char* meeting;
    const char* expected;
  };
  const Case cases[] = {
      {"2024", "06", "11", "08", "03", "X24638b.rtd"},
      {"2024", "10", "01", "01", "02", "X24a211.rtd"},
      {"2025", "05", "09", "12", "01", "X255129.rtd"},
      {"2025", "05", "10", "02", "01", "X25512a.rtd"},
      {"2025", "05", "12", "02", "01", "X25512c.rtd"},
      {"2024", "06", "13", "08", "03", "X24638.rtd"},
      {"2024", "06", "00", "08", "03", "X24638.rtd"},
      {"2024", "06", "  ", "08", "03", "X24638.rtd"},
      {"24", "6", "1", "8", "3", "X1.rtd"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RtdFileName("X", c.year, c.course, c.race, c.day, c.meeting), c.expected)
        << c.expected;
  }
}

TEST(TimeCodeConversion, TenthsAndMinuteSecondTenthCodes) {
  EXPECT_EQ(TenthsToTimeCode(1234), "2034");
  EXPECT_EQ(TenthsToTimeCode(0), "0000");
  EXPECT_EQ(TenthsToTimeCode(599), "0599");
  EXPECT_EQ(TenthsToTimeCode(600), "1000");
  EXPECT_EQ(TenthsToTimeCode(65535), "109135");
  EXPECT_EQ(TimeCodeToTenths("2034"), 1234);
  EXPECT_EQ(TimeCodeToTenths("9999"), 6399);
  EXPECT_EQ(TimeCodeToTenths(" 595"), 595);
  EXPECT_EQ(TimeCodeToTenths("1-99"), 600);
  EXPECT_EQ(TimeCodeToTenths(""), 0);
  for (int tenths = 0; tenths < 6000; ++tenths) {
    ASSERT_EQ(TimeCodeToTenths(TenthsToTimeCode(static_cast<std::uint16_t>(tenths))), tenths);
  }
}

TEST(Flags, OnlyExactlyOneIsTrue) {
  EXPECT_EQ(BoolToFlag(true), "1");
  EXPECT_EQ(BoolToFlag(false), "0");
  EXPECT_TRUE(FlagToBool("1"));
  for (const char* flag : {"0", "", " 1", "1 ", "01", "2", "true"}) {
    EXPECT_FALSE(FlagToBool(flag)) << '"' << flag << '"';
  }
}

TEST(ArrivalSortKey, UnplacedHorsesSortByAbnormality) {
  struct Case {
    const char* placing;
    const char* abnormality;
    const char* expected;
  };
  const Case cases[] = {
      {"00", "4", "92"}, {"03", "1", "03"}, {"00", "1", "95"}, {"00", "2", "93"},
      {"00", "3", "94"}, {"00", "5", "91"}, {"00", "0", "00"}, {"00", "6", "00"},
      {"00", "7", "00"}, {"00", " ", "00"}, {"01", "0", "01"}, {"  ", "1", "  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ArrivalSortKey(c.placing, c.abnormality), c.expected)
        << c.placing << '/' << c.abnormality;
  }
}

}  // namespace
