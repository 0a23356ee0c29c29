#include "record_builder.h"

#include "util/cp932.h"
#include "util/fixed_width.h"
#include "util/jvdata_layout.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// The bytes of a field, found through the layout tables.
std::string FieldOf(const std::string& record, const std::string& type, const std::string& name) {
  const JvField* f = FindJvRecordLayout(type)->field(name);
  EXPECT_NE(f, nullptr) << name;
  return f ? std::string(CutField(record, f->pos, f->len)) : "";
}

std::string Repeat(const std::string& unit, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += unit;
  return out;
}

TEST(RecordBuilder, StartsWithWhatJvDataPutsInEmptyFields) {
  const std::string ra = RecordBuilder("RA").record();
  ASSERT_EQ(static_cast<int>(ra.size()), JvRecordLength("RA"));
  EXPECT_EQ(ra.substr(0, 2), "RA");
  EXPECT_EQ(ra.substr(ra.size() - 2), "\r\n");
  EXPECT_EQ(FieldOf(ra, "RA", "距離"), "0000");
  EXPECT_EQ(FieldOf(ra, "RA", "データ作成年月日"), "00000000");
  EXPECT_EQ(FieldOf(ra, "RA", "競走名本題"), Repeat(Sjis("　"), 30));
  EXPECT_EQ(FieldOf(ra, "RA", "競走名本題欧字"), std::string(120, ' '));
  EXPECT_EQ(FieldOf(ra, "RA", "グレードコード"), " ");

  for (const JvRecordLayout& layout : JvRecordLayouts()) {
    EXPECT_EQ(static_cast<int>(RecordBuilder(layout.type).record().size()), layout.length) << layout.type;
  }
}

TEST(RecordBuilder, WritesFieldsByNameAtTheirLayoutPositions) {
  RecordBuilder r("RA");
  r.text("競走名本題", Sjis("湘南ステークス"))
      .text("競走名本題欧字", "Shonan Stakes")
      .num("距離", 1600)
      .num("レース番号", 5)
      .raw("グレードコード", "C")
      .num("本賞金", 2, "", 164000)
      .raw("コーナー通過順位", 3, "各通過順位", "3,5-1");
  const std::string& ra = r.record();
  EXPECT_EQ(FieldOf(ra, "RA", "競走名本題"), Sjis("湘南ステークス") + Repeat(Sjis("　"), 23));
  EXPECT_EQ(FieldOf(ra, "RA", "競走名本題欧字"), "Shonan Stakes" + std::string(107, ' '));
  EXPECT_EQ(FieldOf(ra, "RA", "距離"), "1600");
  EXPECT_EQ(FieldOf(ra, "RA", "レース番号"), "05");
  EXPECT_EQ(FieldOf(ra, "RA", "グレードコード"), "C");
  EXPECT_EQ(FieldOf(ra, "RA", "本賞金(1)"), "00000000");
  EXPECT_EQ(FieldOf(ra, "RA", "本賞金(2)"), "00164000");
  EXPECT_EQ(FieldOf(ra, "RA", "コーナー通過順位(3) 各通過順位"), "3,5-1" + std::string(65, ' '));

  // A name in letters in a full-width field is padded with plain spaces.
  RecordBuilder um("UM");
  um.text("3代血統 父 馬名", "Royal Dancer");
  EXPECT_EQ(FieldOf(um.record(), "UM", "3代血統 父 馬名"), "Royal Dancer" + std::string(24, ' '));
}

TEST(RecordBuilder, ReachesEveryEntryOfLargeRepeatedGroups) {
  RecordBuilder r("O6");
  RepeatedField combo = r.repeated("3連単オッズ", "組番");
  RepeatedField odds = r.repeated("3連単オッズ", "オッズ");
  EXPECT_EQ(combo.count, 4896);
  r.raw(combo, 4896, "181716");
  r.num(odds, 4896, 123456);
  r.blank(odds, 1);
  const std::string& o6 = r.record();
  EXPECT_EQ(FieldOf(o6, "O6", "3連単オッズ(4896) 組番"), "181716");
  EXPECT_EQ(FieldOf(o6, "O6", "3連単オッズ(4896) オッズ"), "0123456");
  EXPECT_EQ(FieldOf(o6, "O6", "3連単オッズ(1) オッズ"), "       ");
  EXPECT_EQ(FieldOf(o6, "O6", "3連単オッズ(4895) オッズ"), "0000000");
}

TEST(RecordBuilder, RefusesMistakesOfTheCaller) {
  RecordBuilder r("SE");
  EXPECT_THROW(r.num("馬番号", 1), std::logic_error);
  EXPECT_THROW(r.num("馬番", 123), std::logic_error);
  EXPECT_THROW(r.num("馬番", -1), std::logic_error);
  EXPECT_THROW(RecordBuilder("ZZ"), std::logic_error);
  RecordBuilder o1("O1");
  EXPECT_THROW(o1.num(o1.repeated("単勝オッズ", "オッズ"), 29, 10), std::logic_error);
  EXPECT_EQ(static_cast<int>(r.record().size()), JvRecordLength("SE"));
}

}  // namespace
