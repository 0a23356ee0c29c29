#include "race_records.h"

#include "jv_fields.h"
#include "record_builder.h"
#include "rng.h"

#include <algorithm>
#include <cstdio>

namespace {

void PutRaceName(RecordBuilder& r, const RaceProgram& p) {
  r.num("特別競走番号", p.special ? p.specialNo : 0);
  if (!p.name.name.empty()) {
    r.text("競走名本題", p.name.name);
    r.text("競走名本題欧字", p.name.english);
    r.text("競走名略称10文字", p.name.short10);
    r.text("競走名略称6文字", p.name.short6);
    r.text("競走名略称3文字", p.name.short3);
  }
  r.num("重賞回次[第N回]", p.graded() ? p.edition : 0);
  r.raw("グレードコード", std::string(1, p.grade == 'E' ? 'E' : p.grade));
}

void PutConditions(RecordBuilder& r, const RaceProgram& p) {
  r.num("競走種別コード", p.typeCode);
  r.raw("競走記号コード", p.symbol);
  r.num("重量種別コード", p.weightRule);
  r.raw("競走条件コード 2歳条件", ConditionCode(p, 2));
  r.raw("競走条件コード 3歳条件", ConditionCode(p, 3));
  r.raw("競走条件コード 4歳条件", ConditionCode(p, 4));
  r.raw("競走条件コード 5歳以上条件", ConditionCode(p, 5));
  r.raw("競走条件コード 最若年条件", ConditionCode(p, 0));
}

// Horse numbers in the order of their position at a corner: "3,5,1,2,4".
std::string CornerOrder(const World& world, const Race& race, int corner) {
  std::vector<std::pair<int, int>> positions;
  for (int e : race.field) {
    const Entrant& entrant = EntrantAt(world, e);
    if (entrant.corners[corner] > 0) positions.emplace_back(entrant.corners[corner], entrant.number);
  }
  std::sort(positions.begin(), positions.end());
  std::string text;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (i > 0) text += positions[i].first == positions[i - 1].first ? "," : i % 3 == 0 ? "-" : ",";
    text += std::to_string(positions[i].second);
  }
  return text.substr(0, 70);
}

int SumLaps(const std::vector<short>& laps, std::size_t from, std::size_t count) {
  int sum = 0;
  for (std::size_t i = from; i < from + count && i < laps.size(); ++i) sum += laps[i];
  return sum;
}

}  // namespace

std::string RaRecord(const World& world, const Race& race, Stage stage, char dataKind, int madeDay) {
  const RaceProgram& p = race.program;
  RecordBuilder r("RA");
  PutHeader(r, dataKind, madeDay);
  PutRaceKey(r, race);
  r.num("曜日コード", WeekdayCode(race.day));
  PutRaceName(r, p);
  PutConditions(r, p);
  r.text("競走条件名称", ConditionName(p));
  r.num("距離", p.distance);
  r.num("トラックコード", p.track);
  for (int i = 0; i < 5; ++i) r.num("本賞金", i + 1, "", p.prize[i]);
  for (int i = 0; i < 3; ++i) r.num("付加賞金", i + 1, "", p.added[i]);
  bool result = stage == Stage::Result;
  r.num("発走時刻", result ? race.startTime : p.startTime);
  if (result && race.prevStartTime) r.num("変更前発走時刻", race.prevStartTime);
  int registered = race.registered() + (stage == Stage::Entries ? static_cast<int>(race.withdrawn.size()) : 0);
  r.num("登録頭数", registered);
  if (!result) return r.record();

  r.num("出走頭数", race.starters);
  r.num("入線頭数", race.finishers);
  r.num("天候コード", race.weather);
  if (p.surface == kDirt) {
    r.num("ダート馬場状態コード", race.goingDirt);
  } else {
    r.num("芝馬場状態コード", race.goingTurf);
  }
  for (std::size_t i = 0; i < race.laps.size() && i < 25; ++i) r.num("ラップタイム", static_cast<int>(i + 1), "", race.laps[i]);
  if (p.surface == kJump) {
    const Entrant* winner = EntrantPlaced(world, race, 1);
    if (winner) r.raw("障害マイルタイム", TimeCode(winner->time * 1600 / p.distance));
  } else if (race.laps.size() >= 4) {
    std::size_t n = race.laps.size();
    r.num("前3ハロン", SumLaps(race.laps, 0, 3));
    r.num("前4ハロン", SumLaps(race.laps, 0, 4));
    r.num("後3ハロン", SumLaps(race.laps, n - 3, 3));
    r.num("後4ハロン", SumLaps(race.laps, n - 4, 4));
  }
  int n = 0;
  for (int corner = 0; corner < 4; ++corner) {
    std::string order = CornerOrder(world, race, corner);
    if (order.empty()) continue;
    ++n;
    r.num("コーナー通過順位", n, "コーナー", corner + 1);
    r.num("コーナー通過順位", n, "周回数", 0);
    r.raw("コーナー通過順位", n, "各通過順位", order);
  }
  return r.record();
}

std::string SeRecord(const World& world, const Race& race, const Entrant& e, Stage stage, char dataKind,
                     int madeDay) {
  const Horse& h = HorseOf(world, e);
  const Person& trainer = world.trainers[static_cast<std::size_t>(e.trainer)];
  const Owner& owner = world.owners[static_cast<std::size_t>(e.owner)];
  bool result = stage == Stage::Result;
  bool numbered = stage != Stage::Entries && !e.withdrawn;
  // The race card names the jockey booked before a change; the result the one who rode.
  bool changed = e.prevJockey >= 0;
  int jockeyIndex = result || !changed ? e.jockey : e.prevJockey;
  const Person& jockey = world.jockeys[static_cast<std::size_t>(jockeyIndex)];

  RecordBuilder r("SE");
  PutHeader(r, dataKind, madeDay);
  PutRaceKey(r, race);
  r.num("枠番", numbered ? e.bracket : 0);
  r.num("馬番", numbered ? e.number : 0);
  r.raw("血統登録番号", h.regNo);
  r.text("馬名", h.name.name);
  r.num("馬記号コード", h.mark);
  r.num("性別コード", e.sex);
  r.num("品種コード", 1);
  r.num("毛色コード", h.coat);
  r.num("馬齢", e.age);
  r.num("東西所属コード", trainer.affiliation);
  r.num("調教師コード", trainer.code);
  r.text("調教師名略称", trainer.name.shortName);
  r.num("馬主コード", owner.code);
  r.text("馬主名", owner.name.name);
  r.text("服色標示", owner.silks);
  r.num("負担重量", result || !changed ? e.weight : e.prevWeight);
  r.raw("ブリンカー使用区分", e.blinker ? "1" : "0");
  r.num("騎手コード", jockey.code);
  r.text("騎手名略称", jockey.name.shortName);
  r.num("騎手見習コード", result || !changed ? e.apprentice : e.prevApprentice);
  if (result && changed) {
    const Person& before = world.jockeys[static_cast<std::size_t>(e.prevJockey)];
    r.num("変更前負担重量", e.prevWeight);
    r.num("変更前騎手コード", before.code);
    r.text("変更前騎手名略称", before.name.shortName);
    r.num("変更前騎手見習コード", e.prevApprentice);
  }
  if (!result) return r.record();

  bool started = e.abnormality != 1;
  if (started) {
    r.num("馬体重", e.bodyWeight);
    r.raw("増減符号", e.bodyChange > 0 ? "+" : e.bodyChange < 0 ? "-" : " ");
    r.num("増減差", std::abs(e.bodyChange));
  }
  r.num("異常区分コード", e.abnormality);
  r.num("入線順位", e.arrival);
  r.num("確定着順", e.placing);
  if (e.placing > 0) {
    r.raw("走破タイム", TimeCode(e.time));
    r.raw("着差コード", e.margin);
    char diff[8];
    std::snprintf(diff, sizeof diff, "%c%03d", e.placing == 1 ? '-' : '+', std::min<int>(e.behind, 999));
    r.raw("タイム差", diff);
  } else {
    r.raw("着差コード", "   ");
    r.raw("タイム差", "9999");
  }
  r.raw("+着差コード", "   ");
  r.raw("++着差コード", "   ");
  static const char* const cornerFields[4] = {"1コーナーでの順位", "2コーナーでの順位", "3コーナーでの順位",
                                              "4コーナーでの順位"};
  for (int c = 0; c < 4; ++c) r.num(cornerFields[c], e.corners[c]);
  if (started) {
    r.num("単勝オッズ", e.odds);
    r.num("単勝人気順", e.popularity);
  }
  r.num("獲得本賞金", e.prize);
  r.num("獲得付加賞金", e.addedPrize);
  if (e.placing > 0) {
    r.num("後4ハロンタイム", e.last4f);
    r.num("後3ハロンタイム", e.last3f);
  }
  const Entrant* rival = EntrantPlaced(world, race, e.placing == 1 ? 2 : 1);
  if (rival) {
    const Horse& other = HorseOf(world, *rival);
    r.raw("1着馬(相手馬)情報", 1, "血統登録番号", other.regNo);
    r.text("1着馬(相手馬)情報", 1, "馬名", other.name.name);
  }
  if (started && e.placing > 0) r.num("今回レース脚質判定", e.style);
  return r.record();
}

std::string HrRecord(const World& world, const Race& race, const Market& m, char dataKind, int madeDay) {
  RecordBuilder r("HR");
  PutHeader(r, dataKind, madeDay);
  PutRaceKey(r, race);
  r.num("登録頭数", race.registered());
  r.num("出走頭数", race.starters);
  std::string refunded(28, '0');
  std::string refundedBrackets(8, '0');
  for (int e : race.field) {
    const Entrant& entrant = EntrantAt(world, e);
    if (entrant.abnormality == 1) refunded[static_cast<std::size_t>(entrant.number - 1)] = '1';
  }
  for (int b = 1; b <= 8 && m.bracketSold; ++b) {
    bool any = false, allOut = true;
    for (int e : race.field) {
      const Entrant& entrant = EntrantAt(world, e);
      if (entrant.bracket != b) continue;
      any = true;
      allOut = allOut && entrant.abnormality == 1;
    }
    if (any && allOut) refundedBrackets[static_cast<std::size_t>(b - 1)] = '1';
  }
  r.raw("返還馬番情報(馬番01～28)", refunded);
  r.raw("返還枠番情報(枠番1～8)", refundedBrackets);
  r.raw("返還同枠情報(枠番1～8)", std::string(8, '0'));

  // Every payout group starts blank; the paid ones are filled below.
  const char* const groups[] = {"単勝払戻", "複勝払戻", "枠連払戻", "馬連払戻", "ワイド払戻", "予備", "馬単払戻", "3連複払戻", "3連単払戻"};
  const int counts[] = {3, 5, 3, 3, 7, 3, 6, 3, 6};
  for (int g = 0; g < 9; ++g) {
    const char* subs[3] = {g <= 2 ? "馬番" : "組番", "払戻金", "人気順"};
    for (int n = 1; n <= counts[g]; ++n)
      for (const char* sub : subs) r.raw(groups[g], n, sub, "");
  }

  const Entrant* first = EntrantPlaced(world, race, 1);
  const Entrant* second = EntrantPlaced(world, race, 2);
  const Entrant* third = EntrantPlaced(world, race, 3);
  if (!first) return r.record();
  auto win = m.win[static_cast<std::size_t>(first->number)];
  r.num("単勝払戻", 1, "馬番", first->number).num("単勝払戻", 1, "払戻金", win.odds * 10).num("単勝払戻", 1, "人気順", win.popularity);
  const Entrant* placed[3] = {first, second, third};
  for (int i = 0; i < m.placesPaid; ++i) {
    if (!placed[i]) continue;
    const BetEntry& entry = m.place[static_cast<std::size_t>(placed[i]->number)];
    r.num("複勝払戻", i + 1, "馬番", placed[i]->number)
        .num("複勝払戻", i + 1, "払戻金", RangePayout(entry, placed[i]->number))
        .num("複勝払戻", i + 1, "人気順", entry.popularity);
  }
  if (!second) return r.record();
  int a = first->number, b = second->number;
  int lo = std::min(a, b), hi = std::max(a, b);
  if (m.bracketSold) {
    int x = std::min(first->bracket, second->bracket), y = std::max(first->bracket, second->bracket);
    const auto& brackets = BracketPairs();
    for (std::size_t i = 0; i < brackets.size(); ++i) {
      if (brackets[i][0] != x || brackets[i][1] != y) continue;
      r.raw("枠連払戻", 1, "馬番", std::to_string(x) + std::to_string(y))
          .num("枠連払戻", 1, "払戻金", m.bracket[i].odds * 10)
          .num("枠連払戻", 1, "人気順", m.bracket[i].popularity);
    }
  }
  auto pairIndex = [](int x, int y) {
    const auto& pairs = UnorderedPairs();
    for (std::size_t i = 0; i < pairs.size(); ++i)
      if (pairs[i][0] == x && pairs[i][1] == y) return i;
    return std::size_t{0};
  };
  int pair[2] = {lo, hi};
  const BetEntry& quinella = m.quinella[pairIndex(lo, hi)];
  r.raw("馬連払戻", 1, "組番", ComboText(pair, 2)).num("馬連払戻", 1, "払戻金", quinella.odds * 10).num("馬連払戻", 1, "人気順", quinella.popularity);
  const auto& orderedPairs = OrderedPairs();
  for (std::size_t i = 0; i < orderedPairs.size(); ++i) {
    if (orderedPairs[i][0] != a || orderedPairs[i][1] != b) continue;
    int ordered[2] = {a, b};
    r.raw("馬単払戻", 1, "組番", ComboText(ordered, 2)).num("馬単払戻", 1, "払戻金", m.exacta[i].odds * 10).num("馬単払戻", 1, "人気順", m.exacta[i].popularity);
  }
  // Wide pays the pairs of the first three, only the first two with seven starters or fewer.
  int top[3] = {lo, hi, third ? third->number : 0};
  std::sort(top, top + (third ? 3 : 2));
  int n = 0;
  for (int i = 0; i < 3; ++i) {
    for (int j = i + 1; j < 3; ++j) {
      if (top[i] == 0 || top[j] == 0) continue;
      bool firstTwo = (top[i] == lo && top[j] == hi);
      if (m.placesPaid < 3 && !firstTwo) continue;
      int widePair[2] = {top[i], top[j]};
      const BetEntry& wide = m.wide[pairIndex(top[i], top[j])];
      ++n;
      r.raw("ワイド払戻", n, "組番", ComboText(widePair, 2)).num("ワイド払戻", n, "払戻金", RangePayout(wide, top[i] + top[j])).num("ワイド払戻", n, "人気順", wide.popularity);
    }
  }
  if (!third) return r.record();
  int c = third->number;
  const auto& triples = UnorderedTriples();
  for (std::size_t i = 0; i < triples.size(); ++i) {
    if (triples[i][0] != top[0] || triples[i][1] != top[1] || triples[i][2] != top[2]) continue;
    r.raw("3連複払戻", 1, "組番", ComboText(top, 3)).num("3連複払戻", 1, "払戻金", m.trio[i].odds * 10).num("3連複払戻", 1, "人気順", m.trio[i].popularity);
  }
  const auto& orderedTriples = OrderedTriples();
  for (std::size_t i = 0; i < orderedTriples.size(); ++i) {
    if (orderedTriples[i][0] != a || orderedTriples[i][1] != b || orderedTriples[i][2] != c) continue;
    int ordered[3] = {a, b, c};
    r.raw("3連単払戻", 1, "組番", ComboText(ordered, 3)).num("3連単払戻", 1, "払戻金", m.trifecta[i].odds * 10).num("3連単払戻", 1, "人気順", m.trifecta[i].popularity);
  }
  return r.record();
}

std::string JgRecord(const World& world, const Race& race, int horse, int order, int madeDay) {
  const Horse& h = world.horses[static_cast<std::size_t>(horse)];
  RecordBuilder r("JG");
  PutHeader(r, '1', madeDay);
  PutRaceKey(r, race);
  r.raw("血統登録番号", h.regNo);
  r.text("馬名", h.name.name);
  r.num("出馬投票受付順番", order);
  r.raw("出走区分", "1");
  r.raw("除外状態区分", "2");
  return r.record();
}

std::vector<int> Win5Legs(const World& world, const std::vector<int>& racesOfDay) {
  std::vector<int> candidates;
  for (int index : racesOfDay) {
    const Race& race = world.races[static_cast<std::size_t>(index)];
    if (race.program.raceNo >= 9 && race.program.raceNo <= 11 && !race.cancelled) candidates.push_back(index);
  }
  std::stable_sort(candidates.begin(), candidates.end(), [&](int x, int y) {
    return world.races[static_cast<std::size_t>(x)].startTime < world.races[static_cast<std::size_t>(y)].startTime;
  });
  if (candidates.size() > 5) candidates.erase(candidates.begin(), candidates.end() - 5);
  return candidates.size() == 5 ? candidates : std::vector<int>{};
}

std::string WfRecord(const World& world, const std::vector<int>& legs, char dataKind, int madeDay) {
  const Race& firstLeg = world.races[static_cast<std::size_t>(legs.front())];
  Rng rng(world.seed, static_cast<std::uint64_t>(firstLeg.day) * 7 + 5);
  RecordBuilder r("WF");
  PutHeader(r, dataKind, madeDay);
  r.raw("開催年月日", Yyyymmdd(firstLeg.day));
  std::string combo;
  long long sold = 3000000 + rng.below(3000000);
  long long valid = sold;
  for (std::size_t i = 0; i < legs.size(); ++i) {
    const Race& race = world.races[static_cast<std::size_t>(legs[i])];
    int n = static_cast<int>(i + 1);
    r.num("重勝式対象レース情報", n, "競馬場コード", race.meeting.course);
    r.num("重勝式対象レース情報", n, "開催回[第N回]", race.meeting.meeting);
    r.num("重勝式対象レース情報", n, "開催日目[N日目]", race.meeting.dayOfMeeting);
    r.num("重勝式対象レース情報", n, "レース番号", race.program.raceNo);
    valid = valid * (20 + rng.below(20)) / 100;
    r.num("有効票数情報", n, "有効票数", valid);
    const Entrant* winner = EntrantPlaced(world, race, 1);
    int number = winner ? winner->number : 0;
    combo += std::to_string(100 + number).substr(1);
  }
  r.num("重勝式発売票数", sold);
  r.raw("返還フラグ", "0").raw("不成立フラグ", "0");
  long long hits = valid;
  r.raw("的中無フラグ", hits == 0 ? "1" : "0");
  r.num("キャリーオーバー金額初期", 0);
  r.num("キャリーオーバー金額残高", 0);
  for (int n = 1; n <= 243; ++n) {
    r.raw("重勝式払戻情報", n, "組番", "");
    r.raw("重勝式払戻情報", n, "重勝式払戻金", "");
    r.raw("重勝式払戻情報", n, "的中票数", "");
  }
  if (hits > 0) {
    r.raw("重勝式払戻情報", 1, "組番", combo);
    r.num("重勝式払戻情報", 1, "重勝式払戻金", std::min(999999999LL, sold * 100 * 70 / 100 / hits / 10 * 10));
    r.num("重勝式払戻情報", 1, "的中票数", hits);
  }
  return r.record();
}
