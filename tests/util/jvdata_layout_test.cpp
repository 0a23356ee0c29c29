#include "util/jvdata_layout.h"

#include "support/temp_dir.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(JvDataLayout, EveryRecordIsTheSumOfItsContiguousFields) {
  const auto& layouts = JvRecordLayouts();
  ASSERT_EQ(layouts.size(), 38u);
  for (const JvRecordLayout& layout : layouts) {
    ASSERT_FALSE(layout.fields.empty()) << layout.type;
    int next = 1;
    for (const JvField& field : layout.fields) {
      EXPECT_EQ(field.pos, next) << layout.type << " field " << field.no;
      next = field.pos + field.len;
    }
    EXPECT_EQ(next - 1, layout.length) << layout.type;
  }
}

TEST(JvDataLayout, MatchesTheRecordLengthTable) {
  auto lines = ReadTextLines(OSTRAVEL_SOURCE_DIR "/data/jvdata/records.tsv");
  ASSERT_TRUE(lines);
  int checked = 0;
  for (std::size_t i = 1; i < lines->size(); ++i) {
    const std::string& line = (*lines)[i];
    std::string type = line.substr(0, line.find('\t'));
    int length = std::stoi(line.substr(line.rfind('\t') + 1));
    EXPECT_EQ(JvRecordLength(type), length) << type;
    ++checked;
  }
  EXPECT_EQ(checked, 38);
  EXPECT_EQ(JvRecordLength("ZZ"), 0);
}

TEST(JvDataLayout, FindsFieldsByNumberAndName) {
  const JvRecordLayout* ra = FindJvRecordLayout("RA");
  ASSERT_NE(ra, nullptr);
  const JvField* start = ra->field("発走時刻");
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->pos, 874);
  EXPECT_EQ(start->len, 4);
  EXPECT_EQ(start->kind, "HHNN");
  EXPECT_EQ(ra->field(60), start);
  EXPECT_EQ(ra->field(0), nullptr);
  EXPECT_EQ(ra->field("no such field"), nullptr);

  struct Known {
    const char* type;
    const char* name;
    int pos;
  } known[] = {{"SE", "確定着順", 335}, {"UM", "平地本賞金累計", 1053},
               {"HR", "単勝払戻(1) 馬番", 103}, {"O1", "単勝オッズ(1) オッズ", 46}};
  for (const Known& k : known) {
    const JvRecordLayout* layout = FindJvRecordLayout(k.type);
    ASSERT_NE(layout, nullptr) << k.type;
    const JvField* f = layout->field(k.name);
    ASSERT_NE(f, nullptr) << k.type << " " << k.name;
    EXPECT_EQ(f->pos, k.pos) << k.type << " " << k.name;
  }
}

TEST(JvDataLayout, DataKindsDeliverKnownRecordTypes) {
  const JvDataSpec* race = FindJvDataSpec("RACE");
  ASSERT_NE(race, nullptr);
  EXPECT_FALSE(race->realtime);
  EXPECT_EQ(race->recordTypes.front(), "RA");
  const JvDataSpec* odds = FindJvDataSpec("0B30");
  ASSERT_NE(odds, nullptr);
  EXPECT_TRUE(odds->realtime);
  EXPECT_EQ(odds->keyLevel, "race");
  EXPECT_EQ(odds->recordTypes.size(), 6u);
  std::set<std::string> stored;
  for (const JvDataSpec& kind : JvDataSpecs()) {
    for (const std::string& type : kind.recordTypes) {
      EXPECT_GT(JvRecordLength(type), 0) << kind.code << " delivers unknown " << type;
    }
    if (!kind.realtime) stored.insert(kind.code);
  }
  EXPECT_EQ(stored.size(), 13u);
}

}  // namespace
