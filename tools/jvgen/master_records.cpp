#include "master_records.h"

#include "jv_fields.h"
#include "record_builder.h"
#include "rng.h"
#include "util/cp932.h"

#include <algorithm>

namespace {

void PutAncestor(RecordBuilder& r, const char* who, const Ancestor& a) {
  std::string prefix = std::string("3代血統 ") + who;
  r.raw(prefix + " 繁殖登録番号", a.regNo);
  r.text(prefix + " 馬名", a.name);
}

void PutYearBlock(RecordBuilder& r, const std::string& group, int n, const YearBlock& b, bool courses) {
  r.num(group, n, "設定年", b.year);
  r.num(group, n, "平地本賞金合計", b.flatPrize);
  r.num(group, n, "障害本賞金合計", b.jumpPrize);
  r.num(group, n, "平地付加賞金合計", b.flatAdded);
  r.num(group, n, "障害付加賞金合計", b.jumpAdded);
  r.raw(group, n, "平地着回数", b.flat.text(6));
  r.raw(group, n, "障害着回数", b.jump.text(6));
  if (!courses) return;
  static const char* const courseNames[10] = {"札幌", "函館", "福島", "新潟", "東京", "中山", "中京", "京都", "阪神", "小倉"};
  for (int i = 0; i < 20; ++i) {
    std::string sub = std::string("競馬場別着回数 ") + courseNames[i % 10] + (i < 10 ? "芝" : "ダート");
    r.raw(group, n, sub, b.course[i].text(6));
  }
  static const char* const distanceNames[6] = {"距離別着回数 芝1200以下", "距離別着回数 芝1201-2200", "距離別着回数 芝2201以上",
                                               "距離別着回数 ダ1200以下", "距離別着回数 ダ1201-2200", "距離別着回数 ダ2201以上"};
  for (int i = 0; i < 6; ++i) r.raw(group, n, distanceNames[i], b.distance[i].text(6));
}

// The race key inside entry n of a group of races ("初騎乗情報(平地,障害)(1) 開催年" …).
void PutGroupRaceKey(RecordBuilder& r, const std::string& group, int n, int day, const CourseMeeting& meeting,
                     int raceNo) {
  std::string date = Yyyymmdd(day);
  r.raw(group, n, "開催年", date.substr(0, 4));
  r.raw(group, n, "開催月日", date.substr(4));
  r.num(group, n, "競馬場コード", meeting.course);
  r.num(group, n, "開催回[第N回]", meeting.meeting);
  r.num(group, n, "開催日目[N日目]", meeting.dayOfMeeting);
  r.num(group, n, "レース番号", raceNo);
}

// One of the recent graded wins of a jockey or trainer.
void PutGradedWin(RecordBuilder& r, const World& world, int n, int entrantIndex) {
  const Entrant& e = EntrantAt(world, entrantIndex);
  const Race& race = world.races[static_cast<std::size_t>(e.race)];
  const std::string group = "最近重賞勝利情報";
  PutGroupRaceKey(r, group, n, race.day, race.meeting, race.program.raceNo);
  r.text(group, n, "競走名本題", race.program.name.name);
  r.text(group, n, "競走名略称10文字", race.program.name.short10);
  r.text(group, n, "競走名略称6文字", race.program.name.short6);
  r.text(group, n, "競走名略称3文字", race.program.name.short3);
  r.raw(group, n, "グレードコード", std::string(1, race.program.grade));
  r.num(group, n, "出走頭数", race.starters);
  r.raw(group, n, "血統登録番号", HorseOf(world, e).regNo);
  r.text(group, n, "馬名", HorseOf(world, e).name.name);
}

// First ride or first win of a jockey. A career older than the simulated years gets a race of
// its own licence year.
void PutFirst(RecordBuilder& r, const World& world, const Person& jockey, const std::string& group, int n,
              int entrantIndex, bool ride) {
  int day = 0;
  CourseMeeting meeting;
  int raceNo = 0, starters = 0, placing = 0, abnormality = 0;
  std::string regNo, name;
  if (entrantIndex >= 0) {
    const Entrant& e = EntrantAt(world, entrantIndex);
    const Race& race = world.races[static_cast<std::size_t>(e.race)];
    day = race.day;
    meeting = race.meeting;
    raceNo = race.program.raceNo;
    starters = race.starters;
    placing = e.placing;
    abnormality = e.abnormality;
    regNo = HorseOf(world, e).regNo;
    name = HorseOf(world, e).name.name;
  } else if (jockey.licenseDay < world.simStart && (n == 1 || jockey.qualification != 2)) {
    Rng rng(world.seed, static_cast<std::uint64_t>(jockey.code * 4 + n * 2 + (ride ? 1 : 0)));
    day = jockey.licenseDay + (ride ? rng.below(30) : 30 + rng.below(200)) + (n == 2 ? 120 : 0);
    while (Weekday(day) != 6) ++day;
    meeting = {rng.between(1, 10), rng.between(1, 5), rng.between(1, 8)};
    raceNo = rng.between(1, 12);
    starters = rng.between(8, 16);
    placing = ride ? rng.between(1, starters) : 1;
    regNo = std::to_string(ToYmd(day).y - 3) + "1" + std::to_string(10000 + rng.below(90000));
    name = MakeHorseName(rng, "").name;
  } else {
    return;
  }
  PutGroupRaceKey(r, group, n, day, meeting, raceNo);
  r.num(group, n, "出走頭数", starters);
  r.raw(group, n, "血統登録番号", regNo);
  r.text(group, n, "馬名", name);
  if (ride) {
    r.num(group, n, "確定着順", placing);
    r.num(group, n, "異常区分コード", abnormality);
  }
}

void PutPersonCommon(RecordBuilder& r, const Person& p, const char* prefix) {
  std::string pre(prefix);
  r.num(pre + "コード", p.code);
  r.raw(pre + "抹消区分", p.retireDay != kNever ? "1" : "0");
  r.raw(pre + "免許交付年月日", Yyyymmdd(p.licenseDay));
  if (p.retireDay != kNever) r.raw(pre + "免許抹消年月日", Yyyymmdd(p.retireDay));
  r.raw("生年月日", Yyyymmdd(p.birthDay));
  r.text(pre + "名", p.name.full);
  r.raw(pre + "名半角カナ", p.name.kana);
  r.text(pre + "名略称", p.name.shortName);
  r.raw(pre + "名欧字", p.name.english);
  r.num("性別区分", p.sex);
}

}  // namespace

std::string UmRecord(const World& world, const Horse& h, char dataKind, int madeDay) {
  HorseStats s = HorseStatsOf(world, h, madeDay + 1);
  const Person& trainer = world.trainers[static_cast<std::size_t>(h.trainer)];
  const Breeder& breeder = world.breeders[static_cast<std::size_t>(h.breeder)];
  const Owner& owner = world.owners[static_cast<std::size_t>(h.owner)];
  const Stallion& sire = world.stallions[static_cast<std::size_t>(h.sire)];
  const Stallion& damSire = world.stallions[static_cast<std::size_t>(h.damSire)];
  const Stallion& damDamSire = world.stallions[static_cast<std::size_t>(h.damDamSire)];
  DamLine dams = DamLineOf(h);
  bool retired = h.retireDay <= madeDay;

  RecordBuilder r("UM");
  PutHeader(r, dataKind, madeDay);
  r.raw("血統登録番号", h.regNo);
  r.raw("競走馬抹消区分", retired ? "1" : "0");
  r.raw("競走馬登録年月日", Yyyymmdd(h.registeredDay));
  if (retired) r.raw("競走馬抹消年月日", Yyyymmdd(h.retireDay));
  r.raw("生年月日", Yyyymmdd(h.birthDay));
  r.text("馬名", h.name.name);
  r.raw("馬名半角カナ", h.name.kana);
  r.raw("馬名欧字", h.name.english);
  r.raw("JRA施設在きゅうフラグ", retired ? "0" : "1");
  r.num("馬記号コード", h.mark);
  r.num("性別コード", h.sex);
  r.num("品種コード", 1);
  r.num("毛色コード", h.coat);
  PutAncestor(r, "父", sire.self);
  PutAncestor(r, "母", dams.dam);
  PutAncestor(r, "父父", sire.sire);
  PutAncestor(r, "父母", sire.dam);
  PutAncestor(r, "母父", damSire.self);
  PutAncestor(r, "母母", dams.damDam);
  PutAncestor(r, "父父父", sire.sireSire);
  PutAncestor(r, "父父母", sire.sireDam);
  PutAncestor(r, "父母父", sire.damSire);
  PutAncestor(r, "父母母", sire.damDam);
  PutAncestor(r, "母父父", damSire.sire);
  PutAncestor(r, "母父母", damSire.dam);
  PutAncestor(r, "母母父", damDamSire.self);
  PutAncestor(r, "母母母", dams.damDamDam);
  r.num("東西所属コード", trainer.affiliation);
  r.num("調教師コード", trainer.code);
  r.text("調教師名略称", trainer.name.shortName);
  r.num("生産者コード", breeder.code);
  r.text("生産者名(法人格無)", breeder.name.name);
  r.text("産地名", h.place);
  r.num("馬主コード", owner.code);
  r.text("馬主名(法人格無)", owner.name.name);
  r.num("平地本賞金累計", s.flatPrize);
  r.num("障害本賞金累計", s.jumpPrize);
  r.num("平地付加賞金累計", s.flatAdded);
  r.num("障害付加賞金累計", s.jumpAdded);
  r.num("平地収得賞金累計", s.flatEarned);
  r.num("障害収得賞金累計", s.jumpEarned);
  r.raw("総合着回数", s.total.text(3));
  r.raw("中央合計着回数", s.total.text(3));
  r.raw("馬場別着回数 芝直", s.turfStraight.text(3));
  r.raw("馬場別着回数 芝右", s.turfRight.text(3));
  r.raw("馬場別着回数 芝左", s.turfLeft.text(3));
  r.raw("馬場別着回数 ダート直", s.dirtStraight.text(3));
  r.raw("馬場別着回数 ダート右", s.dirtRight.text(3));
  r.raw("馬場別着回数 ダート左", s.dirtLeft.text(3));
  r.raw("馬場別着回数 障害", s.jump.text(3));
  static const char* const goings[4] = {"良", "稍重", "重", "不良"};
  for (int g = 0; g < 4; ++g) {
    r.raw(std::string("馬場状態別着回数 芝") + goings[g], s.turfGoing[g].text(3));
    r.raw(std::string("馬場状態別着回数 ダート") + goings[g], s.dirtGoing[g].text(3));
    r.raw(std::string("馬場状態別着回数 障害") + goings[g], s.jumpGoing[g].text(3));
  }
  static const char* const distances[3] = {"1200以下", "1201-2200", "2201以上"};
  for (int d = 0; d < 3; ++d) {
    r.raw(std::string("距離別着回数 芝") + distances[d], s.turfDistance[d].text(3));
    r.raw(std::string("距離別着回数 ダート") + distances[d], s.dirtDistance[d].text(3));
  }
  r.num("脚質傾向 逃げ回数", s.styles[0]);
  r.num("脚質傾向 先行回数", s.styles[1]);
  r.num("脚質傾向 差し回数", s.styles[2]);
  r.num("脚質傾向 追込回数", s.styles[3]);
  r.num("登録レース数", s.races);
  return r.record();
}

std::string KsRecord(const World& world, int index, const PersonStats& s, char dataKind, int madeDay) {
  const Person& j = world.jockeys[static_cast<std::size_t>(index)];
  RecordBuilder r("KS");
  PutHeader(r, dataKind, madeDay);
  PutPersonCommon(r, j, "騎手");
  r.num("騎乗資格コード", j.qualification);
  r.num("騎手見習コード", j.apprentice);
  r.num("騎手東西所属コード", j.affiliation);
  if (j.stable >= 0) {
    const Person& stable = world.trainers[static_cast<std::size_t>(j.stable)];
    r.num("所属調教師コード", stable.code);
    r.text("所属調教師名略称", stable.name.shortName);
  }
  for (int n = 1; n <= 2; ++n) {
    PutFirst(r, world, j, "初騎乗情報(平地,障害)", n, s.firstRide[n - 1], true);
    PutFirst(r, world, j, "初勝利情報(平地,障害)", n, s.firstWin[n - 1], false);
  }
  for (std::size_t i = 0; i < s.gradedWins.size(); ++i) PutGradedWin(r, world, static_cast<int>(i + 1), s.gradedWins[i]);
  PutYearBlock(r, "本年・前年・累計成績情報", 1, s.thisYear, true);
  PutYearBlock(r, "本年・前年・累計成績情報", 2, s.lastYear, true);
  PutYearBlock(r, "本年・前年・累計成績情報", 3, s.total, true);
  return r.record();
}

std::string ChRecord(const World& world, int index, const PersonStats& s, char dataKind, int madeDay) {
  const Person& t = world.trainers[static_cast<std::size_t>(index)];
  RecordBuilder r("CH");
  PutHeader(r, dataKind, madeDay);
  PutPersonCommon(r, t, "調教師");
  r.num("調教師東西所属コード", t.affiliation);
  for (std::size_t i = 0; i < s.gradedWins.size(); ++i) PutGradedWin(r, world, static_cast<int>(i + 1), s.gradedWins[i]);
  PutYearBlock(r, "本年・前年・累計成績情報", 1, s.thisYear, true);
  PutYearBlock(r, "本年・前年・累計成績情報", 2, s.lastYear, true);
  PutYearBlock(r, "本年・前年・累計成績情報", 3, s.total, true);
  return r.record();
}

namespace {

void PutOrgBlocks(RecordBuilder& r, const YearBlock& thisYear, const YearBlock& total) {
  const YearBlock* blocks[2] = {&thisYear, &total};
  for (int n = 1; n <= 2; ++n) {
    const YearBlock& b = *blocks[n - 1];
    PlacingCounts all = b.flat;
    all.merge(b.jump);
    r.num("本年・累計成績情報", n, "設定年", b.year);
    r.num("本年・累計成績情報", n, "本賞金合計", b.flatPrize + b.jumpPrize);
    r.num("本年・累計成績情報", n, "付加賞金合計", b.flatAdded + b.jumpAdded);
    r.raw("本年・累計成績情報", n, "着回数", all.text(6));
  }
}

}  // namespace

std::string BrRecord(const World& world, int index, const YearBlock& thisYear, const YearBlock& total,
                     char dataKind, int madeDay) {
  const Breeder& b = world.breeders[static_cast<std::size_t>(index)];
  RecordBuilder r("BR");
  PutHeader(r, dataKind, madeDay);
  r.num("生産者コード", b.code);
  r.text("生産者名(法人格有)", b.name.legalName);
  r.text("生産者名(法人格無)", b.name.name);
  r.raw("生産者名半角カナ", b.name.kana);
  r.raw("生産者名欧字", b.name.english);
  r.text("生産者住所自治省名", b.address);
  PutOrgBlocks(r, thisYear, total);
  return r.record();
}

std::string BnRecord(const World& world, int index, const YearBlock& thisYear, const YearBlock& total,
                     char dataKind, int madeDay) {
  const Owner& o = world.owners[static_cast<std::size_t>(index)];
  RecordBuilder r("BN");
  PutHeader(r, dataKind, madeDay);
  r.num("馬主コード", o.code);
  r.text("馬主名(法人格有)", o.name.legalName);
  r.text("馬主名(法人格無)", o.name.name);
  r.raw("馬主名半角カナ", o.name.kana);
  r.raw("馬主名欧字", o.name.english);
  r.text("服色標示", o.silks);
  PutOrgBlocks(r, thisYear, total);
  return r.record();
}

std::string RcRecord(const World& world, const CourseRecord& rec, char dataKind, int madeDay) {
  RecordBuilder r("RC");
  PutHeader(r, dataKind, madeDay);
  r.raw("レコード識別区分", "1");
  int day = rec.day;
  CourseMeeting meeting{rec.course, rec.meeting, rec.dayOfMeeting};
  int raceNo = rec.raceNo;
  const Race* race = nullptr;
  if (rec.entrant >= 0) {
    race = &world.races[static_cast<std::size_t>(EntrantAt(world, rec.entrant).race)];
    day = race->day;
    meeting = race->meeting;
    raceNo = race->program.raceNo;
  }
  PutMeetingKey(r, day, meeting);
  r.num("レース番号", raceNo);
  if (race && race->program.special) {
    r.num("特別競走番号", race->program.specialNo);
    r.text("競走名本題", race->program.name.name);
    r.raw("グレードコード", std::string(1, race->program.grade));
  }
  r.num("競走種別コード", rec.typeCode);
  r.num("距離", rec.distance);
  r.num("トラックコード", rec.track);
  r.raw("レコード区分", "2");
  r.raw("レコードタイム", TimeCode(rec.time));
  r.num("天候コード", race ? race->weather : 1);
  r.num(rec.surface == kDirt ? "ダート馬場状態コード" : "芝馬場状態コード",
        race ? (rec.surface == kDirt ? race->goingDirt : race->goingTurf) : 1);
  const std::string holder = "レコード保持馬情報";
  if (race) {
    const Entrant& e = EntrantAt(world, rec.entrant);
    const Horse& h = HorseOf(world, e);
    const Person& trainer = world.trainers[static_cast<std::size_t>(e.trainer)];
    const Person& jockey = world.jockeys[static_cast<std::size_t>(e.jockey)];
    r.raw(holder, 1, "血統登録番号", h.regNo);
    r.text(holder, 1, "馬名", h.name.name);
    r.num(holder, 1, "馬記号コード", h.mark);
    r.num(holder, 1, "性別コード", e.sex);
    r.num(holder, 1, "調教師コード", trainer.code);
    r.text(holder, 1, "調教師名", trainer.name.full);
    r.num(holder, 1, "負担重量", e.weight);
    r.num(holder, 1, "騎手コード", jockey.code);
    r.text(holder, 1, "騎手名", jockey.name.full);
  } else {
    r.raw(holder, 1, "血統登録番号", rec.regNo);
    r.text(holder, 1, "馬名", rec.horseName);
    r.num(holder, 1, "性別コード", rec.sex);
    r.num(holder, 1, "調教師コード", rec.trainerCode);
    r.text(holder, 1, "調教師名", rec.trainerName);
    r.num(holder, 1, "負担重量", rec.weight);
    r.num(holder, 1, "騎手コード", rec.jockeyCode);
    r.text(holder, 1, "騎手名", rec.jockeyName);
  }
  for (int n = 2; n <= 3; ++n) r.raw(holder, n, "血統登録番号", "");
  return r.record();
}
