#include "odds_records.h"

#include "jv_fields.h"
#include "record_builder.h"

#include "util/fixed_width.h"

namespace {

// Writes one bet table into the repeated fields "group(n) combo", "group(n) odds"…; absent
// entries stay blank, scratched ones show dashes.
struct TableFields {
  RepeatedField combo, odds, high, popularity, votes;
  bool hasHigh = false, hasVotes = false, hasOdds = true;
};

std::string Dashes(int len) { return std::string(static_cast<std::size_t>(len), '-'); }

template <class Entries, class ComboOf>
void PutTable(RecordBuilder& r, const TableFields& f, const Entries& entries, ComboOf comboOf) {
  for (int n = 1; n <= f.combo.count; ++n) {
    std::size_t i = static_cast<std::size_t>(n - 1);
    static const BetEntry absent;
    const BetEntry& entry = i < entries.size() ? entries[i] : absent;
    if (entry.state == BetState::Absent) {
      r.blank(f.combo, n);
      if (f.hasOdds) r.blank(f.odds, n);
      if (f.hasHigh) r.blank(f.high, n);
      if (f.hasVotes) r.blank(f.votes, n);
      r.blank(f.popularity, n);
      continue;
    }
    r.raw(f.combo, n, comboOf(i));
    if (entry.state == BetState::Scratched) {
      if (f.hasOdds) r.raw(f.odds, n, Dashes(f.odds.len));
      if (f.hasHigh) r.raw(f.high, n, Dashes(f.high.len));
      if (f.hasVotes) r.num(f.votes, n, 0);
      r.raw(f.popularity, n, Dashes(f.popularity.len));
      continue;
    }
    if (f.hasOdds) r.num(f.odds, n, entry.odds);
    if (f.hasHigh) r.num(f.high, n, entry.high);
    if (f.hasVotes) r.num(f.votes, n, entry.votes);
    r.num(f.popularity, n, entry.popularity);
  }
}

TableFields OddsFields(const RecordBuilder& r, const char* group, const char* combo, const char* odds,
                       const char* high = nullptr) {
  TableFields f;
  f.combo = r.repeated(group, combo);
  f.odds = r.repeated(group, odds);
  if (high) {
    f.high = r.repeated(group, high);
    f.hasHigh = true;
  }
  f.popularity = r.repeated(group, "人気順");
  return f;
}

TableFields VoteFields(const RecordBuilder& r, const char* group, const char* combo) {
  TableFields f;
  f.combo = r.repeated(group, combo);
  f.votes = r.repeated(group, "票数");
  f.popularity = r.repeated(group, "人気");
  f.hasVotes = true;
  f.hasOdds = false;
  return f;
}

std::string Two(int n) { return ZeroPadded(static_cast<unsigned long long>(n), 2); }

template <std::size_t N>
std::string ComboAt(const std::vector<std::array<int, N>>& table, std::size_t i) {
  return ComboText(table[i].data(), static_cast<int>(N));
}

std::string BracketCombo(std::size_t i) {
  return std::to_string(BracketPairs()[i][0]) + std::to_string(BracketPairs()[i][1]);
}

std::string RefundFlags(const World& world, const Race& race, int width) {
  std::string flags(static_cast<std::size_t>(width), '0');
  for (int e : race.field) {
    const Entrant& entrant = EntrantAt(world, e);
    if (entrant.abnormality == 1) flags[static_cast<std::size_t>(entrant.number - 1)] = '1';
  }
  return flags;
}

void PutOddsHeader(RecordBuilder& r, const Race& race, const Market& m, const OddsMoment& moment) {
  PutHeader(r, moment.dataKind, moment.madeDay);
  PutRaceKey(r, race);
  r.raw("発表月日時分", AnnouncedAt(moment.announcedDay, moment.announcedTime));
  r.num("登録頭数", m.registered);
  bool closed = moment.dataKind >= '3' && moment.dataKind <= '5';
  r.num("出走頭数", closed ? m.starters : 0);
}

}  // namespace

std::string OddsRecord(int kind, const Race& race, const Market& m, const OddsMoment& moment) {
  std::string type = "O";
  type += static_cast<char>('0' + kind);
  RecordBuilder r(type);
  PutOddsHeader(r, race, m, moment);
  switch (kind) {
    case 1: {
      r.raw("発売フラグ 単勝", "7").raw("発売フラグ 複勝", "7").raw("発売フラグ 枠連", m.bracketSold ? "7" : "0");
      r.num("複勝着払キー", m.placesPaid);
      PutTable(r, OddsFields(r, "単勝オッズ", "馬番", "オッズ"), std::vector<BetEntry>(m.win.begin() + 1, m.win.end()),
               [](std::size_t i) { return Two(static_cast<int>(i + 1)); });
      PutTable(r, OddsFields(r, "複勝オッズ", "馬番", "最低オッズ", "最高オッズ"),
               std::vector<BetEntry>(m.place.begin() + 1, m.place.end()),
               [](std::size_t i) { return Two(static_cast<int>(i + 1)); });
      PutTable(r, OddsFields(r, "枠連オッズ", "組番", "オッズ"), m.bracket, BracketCombo);
      r.num("単勝票数合計", m.totals[0]).num("複勝票数合計", m.totals[1]).num("枠連票数合計", m.totals[2]);
      break;
    }
    case 2:
      r.raw("発売フラグ 馬連", "7");
      PutTable(r, OddsFields(r, "馬連オッズ", "組番", "オッズ"), m.quinella, [](std::size_t i) { return ComboAt(UnorderedPairs(), i); });
      r.num("馬連票数合計", m.totals[3]);
      break;
    case 3:
      r.raw("発売フラグ ワイド", "7");
      PutTable(r, OddsFields(r, "ワイドオッズ", "組番", "最低オッズ", "最高オッズ"), m.wide,
               [](std::size_t i) { return ComboAt(UnorderedPairs(), i); });
      r.num("ワイド票数合計", m.totals[4]);
      break;
    case 4:
      r.raw("発売フラグ 馬単", "7");
      PutTable(r, OddsFields(r, "馬単オッズ", "組番", "オッズ"), m.exacta, [](std::size_t i) { return ComboAt(OrderedPairs(), i); });
      r.num("馬単票数合計", m.totals[5]);
      break;
    case 5:
      r.raw("発売フラグ 3連複", "7");
      PutTable(r, OddsFields(r, "3連複オッズ", "組番", "オッズ"), m.trio, [](std::size_t i) { return ComboAt(UnorderedTriples(), i); });
      r.num("3連複票数合計", m.totals[6]);
      break;
    default:
      r.raw("発売フラグ 3連単", "7");
      PutTable(r, OddsFields(r, "3連単オッズ", "組番", "オッズ"), m.trifecta, [](std::size_t i) { return ComboAt(OrderedTriples(), i); });
      r.num("3連単票数合計", m.trifectaTotal);
      break;
  }
  return r.record();
}

std::string H1Record(const World& world, const Race& race, const Market& m, char dataKind, int madeDay) {
  RecordBuilder r("H1");
  PutHeader(r, dataKind, madeDay);
  PutRaceKey(r, race);
  r.num("登録頭数", m.registered);
  r.num("出走頭数", m.starters);
  for (int n = 1; n <= 7; ++n) r.raw("発売フラグ", n, "", n == 3 && !m.bracketSold ? "0" : "7");
  r.num("複勝着払キー", m.placesPaid);
  r.raw("返還馬番情報(馬番01～28)", RefundFlags(world, race, 28));
  r.raw("返還枠番情報(枠番1～8)", std::string(8, '0'));
  r.raw("返還同枠情報(枠番1～8)", std::string(8, '0'));
  auto number = [](std::size_t i) { return Two(static_cast<int>(i + 1)); };
  PutTable(r, VoteFields(r, "単勝票数", "馬番"), std::vector<BetEntry>(m.win.begin() + 1, m.win.end()), number);
  PutTable(r, VoteFields(r, "複勝票数", "馬番"), std::vector<BetEntry>(m.place.begin() + 1, m.place.end()), number);
  PutTable(r, VoteFields(r, "枠連票数", "馬番"), m.bracket, BracketCombo);
  PutTable(r, VoteFields(r, "馬連票数", "組番"), m.quinella, [](std::size_t i) { return ComboAt(UnorderedPairs(), i); });
  PutTable(r, VoteFields(r, "ワイド票数", "組番"), m.wide, [](std::size_t i) { return ComboAt(UnorderedPairs(), i); });
  PutTable(r, VoteFields(r, "馬単票数", "組番"), m.exacta, [](std::size_t i) { return ComboAt(OrderedPairs(), i); });
  PutTable(r, VoteFields(r, "3連複票数", "組番"), m.trio, [](std::size_t i) { return ComboAt(UnorderedTriples(), i); });
  for (int n = 1; n <= 7; ++n) r.num("票数合計", n, "", m.totals[n - 1]);
  for (int n = 8; n <= 14; ++n) r.num("票数合計", n, "", 0);
  return r.record();
}

std::string H6Record(const World& world, const Race& race, const Market& m, char dataKind, int madeDay) {
  RecordBuilder r("H6");
  PutHeader(r, dataKind, madeDay);
  PutRaceKey(r, race);
  r.num("登録頭数", m.registered);
  r.num("出走頭数", m.starters);
  r.raw("発売フラグ", "7");
  r.raw("返還馬番情報(馬番01～18)", RefundFlags(world, race, 18));
  PutTable(r, VoteFields(r, "3連単票数", "組番"), m.trifecta, [](std::size_t i) { return ComboAt(OrderedTriples(), i); });
  r.num("票数合計", 1, "", m.trifectaTotal);
  r.num("票数合計", 2, "", 0);
  return r.record();
}
