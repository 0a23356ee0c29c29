#include "other_records.h"

#include "jv_fields.h"
#include "record_builder.h"
#include "rng.h"
#include "util/cp932.h"

#include <algorithm>

namespace {

std::string HalfKanaOf(const std::string& cp932Name) {
  CodecResult utf8 = Utf8FromCp932(cp932Name);
  CodecResult half = Cp932FromUtf8(HalfWidthKana(utf8.text));
  return half.ok ? half.text : "";
}

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void PutRaceIdentity(RecordBuilder& r, const RaceProgram& p) {
  r.num("特別競走番号", p.specialNo);
  r.text("競走名本題", p.name.name);
  r.text("競走名略称10文字", p.name.short10);
  r.text("競走名略称6文字", p.name.short6);
  r.text("競走名略称3文字", p.name.short3);
  r.num("重賞回次[第N回]", p.graded() ? p.edition : 0);
  r.raw("グレードコード", std::string(1, p.grade));
  r.num("競走種別コード", p.typeCode);
  r.raw("競走記号コード", p.symbol);
  r.num("重量種別コード", p.weightRule);
  r.num("距離", p.distance);
  r.num("トラックコード", p.track);
}

int NominationWeight(const RaceProgram& p, const Horse& h, int age) {
  int base = age == 2 ? 550 : 570;
  if (p.weightRule == 1) return std::clamp(540 + (h.ability - 55) * 2, 480, 600) / 5 * 5;
  if (p.weightRule == 2) base += (h.ability % 4) * 10;
  return base - (h.sex == 2 ? 20 : 0);
}

// Long descriptions: sentences repeated up to the field's width.
std::string Description(const std::vector<std::string>& sentences, std::size_t width) {
  std::string text;
  for (std::size_t i = 0; text.size() < width / 3; ++i) text += sentences[i % sentences.size()];
  return text;
}

}  // namespace

std::string YsRecord(const World& world, const RaceDay& day, int slot, char dataKind, int madeDay) {
  const CourseMeeting& meeting = day.courses[static_cast<std::size_t>(slot)];
  RecordBuilder r("YS");
  PutHeader(r, dataKind, madeDay);
  PutMeetingKey(r, day.day, meeting);
  r.num("曜日コード", WeekdayCode(day.day));
  RaceProgram main = MakeProgram(world.seed, day, slot, 11);
  const std::string group = "重賞案内";
  for (int n = 1; n <= 3; ++n) r.num(group, n, "特別競走番号", 0);
  if (main.graded()) {
    r.num(group, 1, "特別競走番号", main.specialNo);
    r.text(group, 1, "競走名本題", main.name.name);
    r.text(group, 1, "競走名略称10文字", main.name.short10);
    r.text(group, 1, "競走名略称6文字", main.name.short6);
    r.text(group, 1, "競走名略称3文字", main.name.short3);
    r.num(group, 1, "重賞回次[第N回]", main.edition);
    r.raw(group, 1, "グレードコード", std::string(1, main.grade));
    r.num(group, 1, "競走種別コード", main.typeCode);
    r.raw(group, 1, "競走記号コード", main.symbol);
    r.num(group, 1, "重量種別コード", main.weightRule);
    r.num(group, 1, "距離", main.distance);
    r.num(group, 1, "トラックコード", main.track);
  }
  return r.record();
}

std::string TkRecord(const World& world, const RaceDay& day, int slot, const RaceProgram& p,
                     const std::vector<int>& nominees, char dataKind, int madeDay) {
  RecordBuilder r("TK");
  PutHeader(r, dataKind, madeDay);
  PutMeetingKey(r, day.day, day.courses[static_cast<std::size_t>(slot)]);
  r.num("レース番号", p.raceNo);
  r.num("曜日コード", WeekdayCode(day.day));
  PutRaceIdentity(r, p);
  r.raw("競走名本題欧字", p.name.english);
  r.raw("競走条件コード 2歳条件", ConditionCode(p, 2));
  r.raw("競走条件コード 3歳条件", ConditionCode(p, 3));
  r.raw("競走条件コード 4歳条件", ConditionCode(p, 4));
  r.raw("競走条件コード 5歳以上条件", ConditionCode(p, 5));
  r.raw("競走条件コード 最若年条件", ConditionCode(p, 0));
  bool handicap = p.weightRule == 1;
  if (handicap) r.raw("ハンデ発表日", Yyyymmdd(day.day - 5));
  bool weightsKnown = !handicap || dataKind == '2';
  r.num("登録頭数", static_cast<long long>(nominees.size()));
  const std::string group = "登録馬毎情報";
  static const char* const subs[] = {"連番", "血統登録番号", "馬名", "馬記号コード", "性別コード",
                                     "調教師東西所属コード", "調教師コード", "調教師名略称", "負担重量", "交流区分"};
  for (int n = 1; n <= 300; ++n) {
    std::size_t i = static_cast<std::size_t>(n - 1);
    if (i >= nominees.size()) {
      for (const char* sub : subs) r.raw(group, n, sub, "");
      continue;
    }
    const Horse& h = world.horses[static_cast<std::size_t>(nominees[i])];
    const Person& trainer = world.trainers[static_cast<std::size_t>(h.trainer)];
    r.num(group, n, "連番", n);
    r.raw(group, n, "血統登録番号", h.regNo);
    r.text(group, n, "馬名", h.name.name);
    r.num(group, n, "馬記号コード", h.mark);
    r.num(group, n, "性別コード", h.sex);
    r.num(group, n, "調教師東西所属コード", trainer.affiliation);
    r.num(group, n, "調教師コード", trainer.code);
    r.text(group, n, "調教師名略称", trainer.name.shortName);
    r.num(group, n, "負担重量", weightsKnown ? NominationWeight(p, h, world.ageOn(h, day.day)) : 0);
    r.raw(group, n, "交流区分", "0");
  }
  return r.record();
}

std::string WhRecord(const World& world, const Race& race, int madeDay) {
  RecordBuilder r("WH");
  PutHeader(r, '1', madeDay);
  PutRaceKey(r, race);
  int minutes = race.startTime / 100 * 60 + race.startTime % 100 - 70;
  r.raw("発表月日時分", AnnouncedAt(race.day, minutes / 60 * 100 + minutes % 60));
  const std::string group = "馬体重情報";
  static const char* const subs[] = {"馬番", "馬名", "馬体重", "増減符号", "増減差"};
  for (int n = 1; n <= 18; ++n) {
    if (n > race.registered()) {
      for (const char* sub : subs) r.raw(group, n, sub, "");
      continue;
    }
    const Entrant& e = EntrantAt(world, race.field[static_cast<std::size_t>(n - 1)]);
    r.num(group, n, "馬番", e.number);
    r.text(group, n, "馬名", HorseOf(world, e).name.name);
    if (e.abnormality == 1) {
      r.raw(group, n, "馬体重", "").raw(group, n, "増減符号", "").raw(group, n, "増減差", "");
      continue;
    }
    r.num(group, n, "馬体重", e.bodyWeight);
    r.raw(group, n, "増減符号", e.bodyChange > 0 ? "+" : e.bodyChange < 0 ? "-" : " ");
    r.num(group, n, "増減差", std::abs(e.bodyChange));
  }
  return r.record();
}

std::string WeRecord(int day, const CourseMeeting& meeting, int hhmm, int changeKind, const Going& now,
                     const Going& before) {
  RecordBuilder r("WE");
  PutHeader(r, '1', day);
  PutMeetingKey(r, day, meeting);
  r.raw("発表月日時分", AnnouncedAt(day, hhmm));
  r.num("変更識別", changeKind);
  r.num("現在 天候コード", now.weather).num("現在 芝馬場状態コード", now.turf).num("現在 ダート馬場状態コード", now.dirt);
  if (changeKind != 1) {
    r.num("変更前 天候コード", before.weather).num("変更前 芝馬場状態コード", before.turf).num("変更前 ダート馬場状態コード", before.dirt);
  }
  return r.record();
}

namespace {

// The opening of a race-day announcement about one horse (AV, JC).
RecordBuilder HorseNews(const char* type, const World& world, const Race& race, const Entrant& e, int hhmm) {
  RecordBuilder r(type);
  PutHeader(r, '1', race.day);
  PutRaceKey(r, race);
  r.raw("発表月日時分", AnnouncedAt(race.day, hhmm));
  r.num("馬番", e.number);
  r.text("馬名", HorseOf(world, e).name.name);
  return r;
}

}  // namespace

std::string AvRecord(const World& world, const Race& race, const Entrant& e, int hhmm) {
  RecordBuilder r = HorseNews("AV", world, race, e, hhmm);
  r.raw("事由区分", "001");
  return r.record();
}

std::string JcRecord(const World& world, const Race& race, const Entrant& e, int hhmm) {
  const Person& now = world.jockeys[static_cast<std::size_t>(e.jockey)];
  const Person& before = world.jockeys[static_cast<std::size_t>(e.prevJockey)];
  RecordBuilder r = HorseNews("JC", world, race, e, hhmm);
  r.num("変更後情報 負担重量", e.weight).num("変更後情報 騎手コード", now.code);
  r.text("変更後情報 騎手名", now.name.full);
  r.num("変更後情報 騎手見習コード", e.apprentice);
  r.num("変更前情報 負担重量", e.prevWeight).num("変更前情報 騎手コード", before.code);
  r.text("変更前情報 騎手名", before.name.full);
  r.num("変更前情報 騎手見習コード", e.prevApprentice);
  return r.record();
}

std::string TcRecord(const Race& race, int hhmm) {
  RecordBuilder r("TC");
  PutHeader(r, '1', race.day);
  PutRaceKey(r, race);
  r.raw("発表月日時分", AnnouncedAt(race.day, hhmm));
  r.num("変更後 発走時刻", race.startTime);
  r.num("変更前 発走時刻", race.prevStartTime);
  return r.record();
}

namespace {

void PutForecastKey(RecordBuilder& r, const Race& race, char dataKind, int madeDay, int hhmm) {
  PutHeader(r, dataKind, madeDay);
  PutRaceKey(r, race);
  r.num("データ作成時分", hhmm);
}

}  // namespace

std::string DmRecord(const World& world, const Race& race, char dataKind, int madeDay, int hhmm) {
  RecordBuilder r("DM");
  PutForecastKey(r, race, dataKind, madeDay, hhmm);
  Rng rng(world.seed, static_cast<std::uint64_t>(race.day) * 131 + static_cast<std::uint64_t>(race.meeting.course * 13 + race.program.raceNo));
  int base = BaseTime(race.program.surface, race.program.distance) * 10;
  const std::string group = "マイニング予想";
  for (int n = 1; n <= 18; ++n) {
    if (n > race.registered()) {
      for (const char* sub : {"馬番", "予想走破タイム", "予想誤差(信頼度)＋", "予想誤差(信頼度)－"}) r.raw(group, n, sub, "");
      continue;
    }
    const Entrant& e = EntrantAt(world, race.field[static_cast<std::size_t>(n - 1)]);
    int predicted = base + (55 - HorseOf(world, e).ability) * 8 + rng.between(-20, 20);
    char time[16];
    std::snprintf(time, sizeof time, "%d%02d%02d", predicted / 6000, predicted / 100 % 60, predicted % 100);
    r.num(group, n, "馬番", e.number);
    r.raw(group, n, "予想走破タイム", time);
    r.num(group, n, "予想誤差(信頼度)＋", rng.between(10, 90));
    r.num(group, n, "予想誤差(信頼度)－", rng.between(10, 90));
  }
  return r.record();
}

std::string TmRecord(const World& world, const Race& race, char dataKind, int madeDay, int hhmm) {
  RecordBuilder r("TM");
  PutForecastKey(r, race, dataKind, madeDay, hhmm);
  const std::string group = "マイニング予想";
  for (int n = 1; n <= 18; ++n) {
    if (n > race.registered()) {
      r.raw(group, n, "馬番", "").raw(group, n, "予測スコア", "");
      continue;
    }
    const Entrant& e = EntrantAt(world, race.field[static_cast<std::size_t>(n - 1)]);
    r.num(group, n, "馬番", e.number);
    r.num(group, n, "予測スコア", std::clamp(HorseOf(world, e).ability * 10, 0, 999));
  }
  return r.record();
}

std::string HnRecord(const Ancestor& horse, const Ancestor& sire, const Ancestor& dam, int sex, int birthYear,
                     char dataKind, int madeDay) {
  RecordBuilder r("HN");
  PutHeader(r, dataKind, madeDay);
  r.raw("繁殖登録番号", horse.regNo);
  r.raw("繁殖馬抹消区分", "0");
  if (IsAscii(horse.name)) {
    r.raw("馬名欧字", horse.name);
  } else {
    r.text("馬名", horse.name);
    r.raw("馬名半角カナ", HalfKanaOf(horse.name));
  }
  r.num("生年", birthYear);
  r.num("性別コード", sex);
  r.num("品種コード", 1);
  r.num("毛色コード", 3);
  r.raw("繁殖馬持込区分", IsAscii(horse.name) ? "1" : "0");
  if (IsAscii(horse.name)) r.num("輸入年", birthYear + 5);
  r.text("産地名", IsAscii(horse.name) ? Sjis("アメリカ") : Sjis("安平町"));
  r.raw("父馬繁殖登録番号", sire.regNo);
  r.raw("母馬繁殖登録番号", dam.regNo);
  return r.record();
}

std::string SkRecord(const World& world, const Horse& h, char dataKind, int madeDay) {
  const Stallion& sire = world.stallions[static_cast<std::size_t>(h.sire)];
  const Stallion& damSire = world.stallions[static_cast<std::size_t>(h.damSire)];
  const Stallion& damDamSire = world.stallions[static_cast<std::size_t>(h.damDamSire)];
  DamLine dams = DamLineOf(h);
  RecordBuilder r("SK");
  PutHeader(r, dataKind, madeDay);
  r.raw("血統登録番号", h.regNo);
  r.raw("生年月日", Yyyymmdd(h.birthDay));
  r.num("性別コード", h.sex).num("品種コード", 1).num("毛色コード", h.coat);
  r.raw("産駒持込区分", "0");
  r.num("生産者コード", world.breeders[static_cast<std::size_t>(h.breeder)].code);
  r.text("産地名", h.place);
  const std::pair<const char*, const Ancestor*> line[] = {
      {"父", &sire.self},         {"母", &dams.dam},           {"父父", &sire.sire},       {"父母", &sire.dam},
      {"母父", &damSire.self},    {"母母", &dams.damDam},      {"父父父", &sire.sireSire}, {"父父母", &sire.sireDam},
      {"父母父", &sire.damSire},  {"父母母", &sire.damDam},    {"母父父", &damSire.sire},  {"母父母", &damSire.dam},
      {"母母父", &damDamSire.self}, {"母母母", &dams.damDamDam}};
  for (const auto& [who, ancestor] : line) r.raw(std::string("3代血統 ") + who + " 繁殖登録番号", ancestor->regNo);
  return r.record();
}

std::string BtRecord(const Stallion& founder, int lineage, char dataKind, int madeDay) {
  RecordBuilder r("BT");
  PutHeader(r, dataKind, madeDay);
  r.raw("繁殖登録番号", founder.self.regNo);
  r.raw("系統ID", std::to_string(100 + lineage) + "01");
  std::string name = IsAscii(founder.sireSire.name) ? Sjis("ノーザン系") : founder.sireSire.name + Sjis("系");
  r.text("系統名", name);
  std::vector<std::string> sentences = {
      Sjis("父系をさかのぼると輸入種牡馬に行き着く系統で、"), Sjis("芝の中距離を中心に多くの活躍馬を送り出してきた。"),
      Sjis("近年はダートでも産駒の勝ち上がりが目立ち、"), Sjis("早い時期から仕上がる傾向がある。")};
  r.text("系統説明", Description(sentences, 6800));
  return r.record();
}

std::string HcRecord(const World& world, const Horse& h, int day, int hhmm, std::uint64_t salt, int madeDay) {
  Rng rng(world.seed, salt);
  const Person& trainer = world.trainers[static_cast<std::size_t>(h.trainer)];
  int lap4 = 125 + rng.below(25), lap3 = 122 + rng.below(20), lap2 = 120 + rng.below(18), lap1 = 118 + rng.below(18);
  RecordBuilder r("HC");
  PutHeader(r, '1', madeDay);
  r.num("トレセン区分", trainer.affiliation == 1 ? 0 : 1);
  r.raw("調教年月日", Yyyymmdd(day));
  r.num("調教時刻", hhmm);
  r.raw("血統登録番号", h.regNo);
  r.num("4ハロンタイム合計(800M～0M)", lap4 + lap3 + lap2 + lap1);
  r.num("ラップタイム(800M～600M)", lap4);
  r.num("3ハロンタイム合計(600M～0M)", lap3 + lap2 + lap1);
  r.num("ラップタイム(600M～400M)", lap3);
  r.num("2ハロンタイム合計(400M～0M)", lap2 + lap1);
  r.num("ラップタイム(400M～200M)", lap2);
  r.num("ラップタイム(200M～0M)", lap1);
  return r.record();
}

std::string CkRecord(const World& world, const Race& race, const Entrant& e, char dataKind, int madeDay) {
  const Horse& h = HorseOf(world, e);
  HorseStats s = HorseStatsOf(world, h, race.day);
  const Person& jockey = world.jockeys[static_cast<std::size_t>(e.jockey)];
  const Person& trainer = world.trainers[static_cast<std::size_t>(e.trainer)];
  RecordBuilder r("CK");
  PutHeader(r, dataKind, madeDay);
  PutRaceKey(r, race);
  const std::string horse = "競走馬情報 ";
  r.raw(horse + "血統登録番号", h.regNo);
  r.text(horse + "馬名", h.name.name);
  r.num(horse + "平地本賞金累計", s.flatPrize).num(horse + "障害本賞金累計", s.jumpPrize);
  r.num(horse + "平地付加賞金累計", s.flatAdded).num(horse + "障害付加賞金累計", s.jumpAdded);
  r.num(horse + "平地収得賞金累計", s.flatEarned).num(horse + "障害収得賞金累計", s.jumpEarned);
  r.raw(horse + "総合着回数", s.total.text(3));
  r.raw(horse + "中央合計着回数", s.total.text(3));
  r.raw(horse + "馬場別着回数 芝直", s.turfStraight.text(3));
  r.raw(horse + "馬場別着回数 芝右", s.turfRight.text(3));
  r.raw(horse + "馬場別着回数 芝左", s.turfLeft.text(3));
  r.raw(horse + "馬場別着回数 ダート直", s.dirtStraight.text(3));
  r.raw(horse + "馬場別着回数 ダート右", s.dirtRight.text(3));
  r.raw(horse + "馬場別着回数 ダート左", s.dirtLeft.text(3));
  r.raw(horse + "馬場別着回数 障害", s.jump.text(3));
  r.num(horse + "脚質傾向 逃げ回数", s.styles[0]).num(horse + "脚質傾向 先行回数", s.styles[1]);
  r.num(horse + "脚質傾向 差し回数", s.styles[2]).num(horse + "脚質傾向 追込回数", s.styles[3]);
  r.num(horse + "登録レース数", s.races);
  r.num("騎手情報 騎手コード", jockey.code);
  r.text("騎手情報 騎手名", jockey.name.full);
  r.num("調教師情報 調教師コード", trainer.code);
  r.text("調教師情報 調教師名", trainer.name.full);
  for (int n = 1; n <= 2; ++n) {
    int year = ToYmd(race.day).y;
    r.num("騎手情報 本年・累計成績情報", n, "設定年", year);
    r.num("調教師情報 本年・累計成績情報", n, "設定年", year);
  }
  return r.record();
}

std::string HsRecord(const World& world, const Horse& h, int madeDay) {
  Rng rng(world.seed, static_cast<std::uint64_t>(h.id) * 3 + 1);
  const Stallion& sire = world.stallions[static_cast<std::size_t>(h.sire)];
  bool yearling = rng.percent(70);
  int saleYear = h.birthYear + (yearling ? 1 : 0);
  int start = DayNumber(saleYear, yearling ? 7 : 8, rng.between(10, 20));
  RecordBuilder r("HS");
  PutHeader(r, '1', madeDay);
  r.raw("血統登録番号", h.regNo);
  r.raw("父馬繁殖登録番号", sire.self.regNo);
  r.raw("母馬繁殖登録番号", DamLineOf(h).dam.regNo);
  r.num("生年", h.birthYear);
  r.num("主催者・市場コード", yearling ? 100101 : 100201);
  r.text("主催者名称", Sjis("北海道市場協会"));
  r.text("市場の名称", yearling ? Sjis("１歳馬市場") : Sjis("当歳馬市場"));
  r.raw("市場の開催期間(開始日)", Yyyymmdd(start));
  r.raw("市場の開催期間(終了日)", Yyyymmdd(start + 3));
  r.num("取引時の競走馬の年齢", yearling ? 1 : 0);
  r.num("取引価格", (5 + rng.below(300)) * 100000LL);
  return r.record();
}

std::string HyRecord(const Horse& h, int madeDay) {
  RecordBuilder r("HY");
  PutHeader(r, '1', madeDay);
  r.raw("血統登録番号", h.regNo);
  r.text("馬名", h.name.name);
  r.text("馬名の意味由来", h.name.meaning);
  return r.record();
}

std::string CsRecord(int course, const CourseLayout& layout, int madeDay) {
  RecordBuilder r("CS");
  PutHeader(r, '1', madeDay);
  r.num("競馬場コード", course);
  r.num("距離", layout.distance);
  r.num("トラックコード", layout.track);
  r.raw("コース改修年月日", Yyyymmdd(DayNumber(2014 + course % 8, 4, 1)));
  std::string surface = layout.track >= 23 && layout.track <= 29 ? "ダート" : "芝";
  std::vector<std::string> sentences = {
      CourseName(course) + Sjis(surface + "コース。"),
      Sjis("スタートから最初のコーナーまでの距離が十分にあり、"), Sjis("枠順による有利不利は小さい。"),
      Sjis("直線は平坦で、先行した馬がそのまま押し切る場面が多い。")};
  r.text("コース説明", Description(sentences, 6800));
  return r.record();
}
