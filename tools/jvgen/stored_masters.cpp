// RCVN and DIFN: the masters and past runs of this week's runners, and the weekly differences of
// all masters with local and overseas race results.

#include "jv_fields.h"
#include "master_records.h"
#include "names.h"
#include "race_records.h"
#include "record_builder.h"
#include "rng.h"
#include "stats.h"
#include "store_plan.h"
#include "util/cp932.h"

#include <algorithm>
#include <map>
#include <set>

void WriteHorseMasters(StoreContext& ctx, const char* kind, const std::vector<int>& horses,
                       const std::vector<int>& riders, const std::vector<int>& courses, int dataDay,
                       int madeDay, int hhmm) {
  if (!ctx.published(madeDay, hhmm)) return;
  const World& w = ctx.world;
  std::vector<std::string> um, ra, se, ks, ch, br, bn, rc;
  std::set<int> trainers, breeders, owners, jockeys(riders.begin(), riders.end());
  for (int id : horses) {
    const Horse& h = w.horses[static_cast<std::size_t>(id)];
    um.push_back(UmRecord(w, h, RunsBefore(w, h, madeDay + 1).empty() ? '1' : '4', madeDay));
    trainers.insert(h.trainer);
    breeders.insert(h.breeder);
    owners.insert(h.owner);
  }
  AppendPastRuns(w, horses, madeDay + 1, ra, se);
  std::vector<PersonStats> jockeyStats = JockeyStats(w, madeDay + 1);
  std::vector<PersonStats> trainerStats = TrainerStats(w, madeDay + 1);
  auto byCode = [](const std::vector<Person>& people, const std::set<int>& chosen) {
    std::vector<int> out(chosen.begin(), chosen.end());
    std::sort(out.begin(), out.end(), [&](int a, int b) { return people[static_cast<std::size_t>(a)].code < people[static_cast<std::size_t>(b)].code; });
    return out;
  };
  if (!riders.empty()) {
    for (int j : byCode(w.jockeys, jockeys)) ks.push_back(KsRecord(w, j, jockeyStats[static_cast<std::size_t>(j)], '2', madeDay));
  }
  for (int t : byCode(w.trainers, trainers)) ch.push_back(ChRecord(w, t, trainerStats[static_cast<std::size_t>(t)], '2', madeDay));
  std::vector<YearBlock> breederYear = BreederTotals(w, madeDay + 1, true), breederAll = BreederTotals(w, madeDay + 1, false);
  for (int b : breeders) br.push_back(BrRecord(w, b, breederYear[static_cast<std::size_t>(b)], breederAll[static_cast<std::size_t>(b)], '2', madeDay));
  std::vector<YearBlock> ownerYear = OwnerTotals(w, madeDay + 1, true), ownerAll = OwnerTotals(w, madeDay + 1, false);
  for (int o : owners) bn.push_back(BnRecord(w, o, ownerYear[static_cast<std::size_t>(o)], ownerAll[static_cast<std::size_t>(o)], '2', madeDay));
  for (const CourseRecord& record : CourseRecords(w, madeDay + 1, courses)) rc.push_back(RcRecord(w, record, '2', madeDay));
  for (const auto* records : {&um, &ra, &se, &ks, &ch, &br, &bn, &rc}) ctx.stored(kind, dataDay, madeDay, hhmm, *records);
}

// The runners of the week's races with their masters, published with the entries of their race
// day: on Thursday for the weekend, the day after for a Monday holiday.
void WriteRunnerMasters(StoreContext& ctx) {
  const World& w = ctx.world;
  std::map<int, std::vector<int>> racesByEntries;
  for (int index : ctx.weekRaces(0)) {
    racesByEntries[EntriesDay(ctx.weekStart(), w.races[static_cast<std::size_t>(index)].day)].push_back(index);
  }
  for (const auto& [entries, races] : racesByEntries) {
    std::set<int> horses, jockeys, courses;
    for (int index : races) {
      const Race& race = w.races[static_cast<std::size_t>(index)];
      courses.insert(race.meeting.course);
      for (int e : race.field) {
        const Entrant& entrant = EntrantAt(w, e);
        horses.insert(entrant.horse);
        jockeys.insert(entrant.jockey);
        if (entrant.prevJockey >= 0) jockeys.insert(entrant.prevJockey);
      }
      for (int e : race.withdrawn) horses.insert(EntrantAt(w, e).horse);
    }
    std::vector<int> byRegNo(horses.begin(), horses.end());
    std::sort(byRegNo.begin(), byRegNo.end(), [&](int a, int b) {
      return w.horses[static_cast<std::size_t>(a)].regNo < w.horses[static_cast<std::size_t>(b)].regNo;
    });
    int firstDay = w.races[static_cast<std::size_t>(races.front())].day;
    WriteHorseMasters(ctx, "RCVN", byRegNo, std::vector<int>(jockeys.begin(), jockeys.end()),
                      std::vector<int>(courses.begin(), courses.end()), firstDay, entries, 1700);
  }
}

namespace {

const int kLocalCourses[] = {30, 35, 42, 43, 44, 45, 46, 47, 48, 50, 54, 55};
const char* const kCountries[] = {"A6", "A8", "G0", "C7", "B6", "A4"};
const char* const kOverseasNames[] = {"インターナショナルカップ", "ゴールドカップ", "チャンピオンステークス",
                                      "ワールドカップ", "グランプリ", "ダービー"};

// A local or overseas race: the RA and the SE of the runners given.
struct OtherRace {
  Race race;
  std::vector<std::string> se;
};

RecordBuilder OtherRa(const Race& race, const std::string& courseCode, const std::string& name, char kind, int madeDay) {
  RecordBuilder r("RA");
  PutHeader(r, kind, madeDay);
  PutMeetingKey(r, race.day, courseCode, race.meeting.meeting, race.meeting.dayOfMeeting);
  r.num("レース番号", race.program.raceNo).num("曜日コード", WeekdayCode(race.day));
  r.text("競走名本題", name);
  r.num("競走種別コード", 13).raw("競走記号コード", "000").num("重量種別コード", 2);
  r.num("距離", race.program.distance).num("トラックコード", race.program.track);
  r.num("発走時刻", race.startTime);
  r.num("天候コード", race.weather).num("ダート馬場状態コード", race.goingDirt).num("芝馬場状態コード", race.goingTurf);
  return r;
}

void WriteLocalDay(StoreContext& ctx, int day, Rng& rng) {
  int course = kLocalCourses[rng.below(static_cast<int>(std::size(kLocalCourses)))];
  std::vector<std::string> ra, se;
  int races = rng.between(2, 4);
  int meeting = rng.between(1, 20), dayOfMeeting = rng.between(1, 6);
  for (int n = 0; n < races; ++n) {
    Race race;
    race.day = day;
    race.meeting = {course, meeting, dayOfMeeting};
    race.program.raceNo = 8 + n;
    race.program.distance = 1200 + 100 * rng.below(9);
    race.program.track = course == 42 || course == 45 ? 23 : 24;
    int minutes = 18 * 60 + n * 35;
    race.startTime = minutes / 60 * 100 + minutes % 60;
    race.weather = rng.between(1, 2);
    race.goingDirt = rng.between(1, 3);
    int runners = rng.between(8, 12);
    int winTime = BaseTime(kDirt, race.program.distance) + 15 + rng.below(20);
    RecordBuilder r = OtherRa(race, std::to_string(course), LocalRaceName(rng), 'A', day + 1);
    r.num("登録頭数", runners).num("出走頭数", runners).num("入線頭数", runners);
    ra.push_back(r.record());
    int behind = 0;
    for (int placing = 1; placing <= runners; ++placing) {
      RecordBuilder s("SE");
      PutHeader(s, 'A', day + 1);
      PutRaceKey(s, race);
      int number = (placing * 7) % runners + 1;
      s.num("枠番", BracketOf(number, runners)).num("馬番", number);
      int age = rng.between(3, 8);
      s.raw("血統登録番号", std::to_string(ToYmd(day).y - age) + "3" + std::to_string(10000 + rng.below(90000)));
      s.text("馬名", MakeHorseName(rng, "").name);
      s.num("性別コード", rng.between(1, 2)).num("品種コード", 1).num("毛色コード", rng.between(1, 4));
      s.num("馬齢", age).num("東西所属コード", 3);
      s.num("調教師コード", 50000 + rng.below(9000)).text("調教師名略称", MakePersonName(rng, false).shortName);
      s.num("負担重量", 540 + rng.below(5) * 10);
      s.num("騎手コード", 60000 + rng.below(9000)).text("騎手名略称", MakePersonName(rng, false).shortName);
      s.num("馬体重", 430 + rng.below(80)).raw("増減符号", " ");
      s.num("入線順位", placing).num("確定着順", placing);
      behind += placing == 1 ? 0 : rng.below(6);
      s.raw("走破タイム", TimeCode(winTime + behind));
      s.num("単勝人気順", (placing * 5) % runners + 1).num("単勝オッズ", 15 + rng.below(500));
      se.push_back(s.record());
    }
  }
  ctx.stored("DIFN", day, day + 1, 1000, ra);
  ctx.stored("DIFN", day, day + 1, 1000, se);
}

void WriteOverseas(StoreContext& ctx, int day, Rng& rng, const std::vector<int>& horses) {
  if (horses.empty()) return;
  const World& w = ctx.world;
  Race race;
  race.day = day;
  race.meeting = {0, 1, rng.between(1, 3)};  // the course code is the country's
  race.program.raceNo = rng.between(5, 9);
  race.program.distance = 1600 + 200 * rng.below(5);
  race.program.track = 17;
  race.startTime = 2200;
  race.weather = 1;
  race.goingTurf = 1;
  std::string country = kCountries[rng.below(static_cast<int>(std::size(kCountries)))];
  RecordBuilder r = OtherRa(race, country, Sjis(kOverseasNames[rng.below(static_cast<int>(std::size(kOverseasNames)))]), 'B', day + 1);
  int runners = rng.between(8, 14);
  r.num("登録頭数", runners).num("出走頭数", runners).num("入線頭数", runners).raw("グレードコード", "A");
  std::vector<std::string> se;
  int placing = rng.between(1, runners);
  for (std::size_t i = 0; i < horses.size(); ++i) {
    const Horse& h = w.horses[static_cast<std::size_t>(horses[i])];
    const Person& trainer = w.trainers[static_cast<std::size_t>(h.trainer)];
    RecordBuilder s("SE");
    PutHeader(s, 'B', day + 1);
    PutMeetingKey(s, day, country, race.meeting.meeting, race.meeting.dayOfMeeting);
    s.num("レース番号", race.program.raceNo);
    int number = static_cast<int>(i) * 3 + 2;
    s.num("枠番", number).num("馬番", number);
    s.raw("血統登録番号", h.regNo).text("馬名", h.name.name);
    s.num("性別コード", h.sex).num("品種コード", 1).num("毛色コード", h.coat).num("馬齢", w.ageOn(h, day));
    s.num("東西所属コード", trainer.affiliation).num("調教師コード", trainer.code).text("調教師名略称", trainer.name.shortName);
    s.num("負担重量", 570);
    s.num("入線順位", placing).num("確定着順", placing);
    s.raw("走破タイム", TimeCode(BaseTime(kTurf, race.program.distance) + placing * 2));
    se.push_back(s.record());
    placing = placing % runners + 1;  // the horses finish apart
  }
  ctx.stored("DIFN", day, day + 1, 1200, {r.record()});
  ctx.stored("DIFN", day, day + 1, 1200, se);
}

}  // namespace

void WriteDifferences(StoreContext& ctx) {
  const World& w = ctx.world;
  const int diffWeeks = 4 * ctx.scale;
  std::set<int> busy;  // horses that the week's other data kinds describe
  for (int id : ctx.weekHorses()) busy.insert(id);

  // The masters of every jockey and trainer, for a setup.
  int setupDay = ctx.weekStart() - 7 * diffWeeks - 1;
  std::vector<PersonStats> jockeyStats = JockeyStats(w, setupDay + 1);
  std::vector<PersonStats> trainerStats = TrainerStats(w, setupDay + 1);
  std::vector<std::string> ks, ch;
  for (std::size_t j = 0; j < w.jockeys.size(); ++j) {
    if (w.jockeys[j].licenseDay <= setupDay) ks.push_back(KsRecord(w, static_cast<int>(j), jockeyStats[j], '1', setupDay));
  }
  for (std::size_t t = 0; t < w.trainers.size(); ++t) {
    if (w.trainers[t].licenseDay <= setupDay) ch.push_back(ChRecord(w, static_cast<int>(t), trainerStats[t], '1', setupDay));
  }
  ctx.stored("DIFN", w.simStart, setupDay, 1200, ks);
  ctx.stored("DIFN", w.simStart, setupDay, 1200, ch);

  // Weekly differences, each made on a Thursday for the week before it.
  std::vector<int> allCourses = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  for (int wk = diffWeeks - 1; wk >= 0; --wk) {
    int made = ctx.weekStart() - 7 * wk;
    int from = made - 7;
    std::vector<std::string> um, ksWeek, chWeek, br, bn, rc;
    std::set<int> owners, breeders;
    for (const Horse& h : w.horses) {
      bool retired = h.retireDay >= from && h.retireDay < made;
      bool registered = h.registeredDay >= from && h.registeredDay < made;
      if (!retired && !registered) continue;
      um.push_back(UmRecord(w, h, retired ? '9' : '1', made));
      if (registered) {
        owners.insert(h.owner);
        breeders.insert(h.breeder);
      }
    }
    jockeyStats = JockeyStats(w, made);
    trainerStats = TrainerStats(w, made);
    std::set<int> riders, trainers;
    for (int index : w.racesBetween(from, made - 1)) {
      for (int e : w.races[static_cast<std::size_t>(index)].field) {
        riders.insert(EntrantAt(w, e).jockey);
        trainers.insert(EntrantAt(w, e).trainer);
      }
    }
    for (std::size_t j = 0; j < w.jockeys.size(); ++j) {
      bool retired = w.jockeys[j].retireDay >= from && w.jockeys[j].retireDay < made;
      if (retired || riders.count(static_cast<int>(j))) ksWeek.push_back(KsRecord(w, static_cast<int>(j), jockeyStats[j], '2', made - 1));
    }
    for (std::size_t t = 0; t < w.trainers.size(); ++t) {
      bool retired = w.trainers[t].retireDay >= from && w.trainers[t].retireDay < made;
      if (retired || trainers.count(static_cast<int>(t))) chWeek.push_back(ChRecord(w, static_cast<int>(t), trainerStats[t], '2', made - 1));
    }
    std::vector<YearBlock> ownerYear = OwnerTotals(w, made, true), ownerAll = OwnerTotals(w, made, false);
    for (int o : owners) bn.push_back(BnRecord(w, o, ownerYear[static_cast<std::size_t>(o)], ownerAll[static_cast<std::size_t>(o)], '1', made - 1));
    std::vector<YearBlock> breederYear = BreederTotals(w, made, true), breederAll = BreederTotals(w, made, false);
    for (int b : breeders) br.push_back(BrRecord(w, b, breederYear[static_cast<std::size_t>(b)], breederAll[static_cast<std::size_t>(b)], '1', made - 1));
    // Course records broken during the week.
    for (const CourseRecord& record : CourseRecords(w, made, allCourses)) {
      if (record.entrant < 0) continue;
      int day = w.races[static_cast<std::size_t>(EntrantAt(w, record.entrant).race)].day;
      if (day >= from) rc.push_back(RcRecord(w, record, '2', made - 1));
    }
    for (const auto* records : {&um, &ksWeek, &chWeek, &br, &bn, &rc}) ctx.stored("DIFN", made, made, 1200, *records);
  }

  // Local results every day and an overseas race every Sunday, published the day after.
  Rng rng(w.seed, 0xD1F);
  std::vector<int> travellers;
  for (const Horse& h : w.horses) {
    if (h.horseClass == kOpen && h.retireDay == kNever && !busy.count(h.id) && travellers.size() < 40) travellers.push_back(h.id);
  }
  for (int day = ctx.asOfDay - 7 * (ctx.scale + 1); day < ctx.asOfDay; ++day) {
    if (Weekday(day) != 0 && Weekday(day) != 6) WriteLocalDay(ctx, day, rng);
    if (Weekday(day) == 0 && travellers.size() >= 2) {
      std::vector<int> runners = {travellers.back()};
      travellers.pop_back();
      if (rng.percent(50)) {
        runners.push_back(travellers.back());
        travellers.pop_back();
      }
      WriteOverseas(ctx, day, rng, runners);
    }
  }
}
