#include "market.h"

#include "jv_fields.h"
#include "rng.h"

#include <algorithm>

namespace {

long long OddsFor(double rate, double probability, long long cap) {
  if (probability <= 0) return cap;
  return std::clamp(static_cast<long long>(rate / probability * 10.0), 10LL, cap);
}

// Ranks entries by odds, the shortest first; ties keep the table order.
template <class Entries>
void Rank(Entries& entries) {
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    if (entries[static_cast<std::size_t>(i)].state == BetState::Sold) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return entries[static_cast<std::size_t>(a)].odds < entries[static_cast<std::size_t>(b)].odds;
  });
  for (std::size_t r = 0; r < order.size(); ++r) entries[static_cast<std::size_t>(order[r])].popularity = static_cast<int>(r + 1);
}

long long PoolOf(const Race& race) {
  switch (race.program.grade) {
    case 'A': return 2000000;
    case 'B': case 'C': return 600000;
    case 'E': case 'L': return 250000;
    default: return 120000;
  }
}

}  // namespace

std::vector<double> FinalProbabilities(const World& world, const Race& race) {
  std::vector<double> p(19, 0.0);
  double sum = 0;
  for (int e : race.field) {
    const Entrant& entrant = EntrantAt(world, e);
    if (entrant.abnormality == 1 || entrant.odds <= 0) continue;
    p[static_cast<std::size_t>(entrant.number)] = 1.0 / entrant.odds;
    sum += 1.0 / entrant.odds;
  }
  for (double& v : p) v /= sum;
  return p;
}

std::vector<double> Drifted(const std::vector<double>& p, std::uint64_t seed, double spread) {
  Rng rng(seed);
  std::vector<double> out(p.size(), 0.0);
  double sum = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (p[i] <= 0) continue;
    out[i] = p[i] * std::max(0.2, 1.0 + rng.bell() * spread);
    sum += out[i];
  }
  for (double& v : out) v /= sum;
  return out;
}

long long RangePayout(const BetEntry& entry, int salt) {
  long long low = entry.odds * 10, high = entry.high * 10;
  long long value = low + (high - low) * ((salt * 37) % 10) / 10;
  return value / 10 * 10;
}

Market BuildMarket(const World& world, const Race& race, const std::vector<double>& p, double share,
                   MarketKind kind) {
  Market m;
  m.registered = race.registered();
  for (int e : race.field) {
    const Entrant& entrant = EntrantAt(world, e);
    m.bracketOf[static_cast<std::size_t>(entrant.number)] = entrant.bracket;
    if (entrant.abnormality != 1) ++m.starters;
  }
  m.bracketSold = m.registered >= 9;
  m.placesPaid = m.starters >= 8 ? 3 : m.starters >= 5 ? 2 : 0;
  auto exists = [&](int n) { return n <= m.registered; };
  auto runs = [&](int n) { return n <= m.registered && p[static_cast<std::size_t>(n)] > 0; };
  auto stateOf = [&](std::initializer_list<int> numbers) {
    for (int n : numbers) {
      if (!exists(n)) return BetState::Absent;
    }
    for (int n : numbers) {
      if (!runs(n)) return BetState::Scratched;
    }
    return BetState::Sold;
  };
  const long long pool = static_cast<long long>(PoolOf(race) * share);
  const long long pools[8] = {pool, pool * 7 / 10, pool * 3 / 10, pool * 15 / 10, pool * 8 / 10, pool * 12 / 10,
                              pool * 25 / 10, pool * 6};

  auto pr = [&](int n) { return p[static_cast<std::size_t>(n)]; };
  auto ordered2 = [&](int a, int b) { return pr(a) * pr(b) / std::max(1e-9, 1.0 - pr(a)); };
  auto ordered3 = [&](int a, int b, int c) {
    return ordered2(a, b) * pr(c) / std::max(1e-9, 1.0 - pr(a) - pr(b));
  };

  // Win.
  for (int n = 1; n <= 18; ++n) {
    BetEntry& entry = m.win[static_cast<std::size_t>(n)];
    entry.state = stateOf({n});
    if (entry.state != BetState::Sold) continue;
    entry.odds = OddsFor(0.8, pr(n), 9999);
    entry.votes = static_cast<long long>(pools[0] * pr(n));
  }
  if (kind == MarketKind::Final) {
    for (int e : race.field) {
      const Entrant& entrant = EntrantAt(world, e);
      if (entrant.abnormality != 1) m.win[static_cast<std::size_t>(entrant.number)].odds = entrant.odds;
    }
  }
  Rank(m.win);

  // Trio first: place and wide probabilities come from it.
  const auto& triples = UnorderedTriples();
  m.trio.resize(triples.size());
  std::vector<double> trioP(triples.size(), 0.0);
  std::vector<double> top3(19, 0.0);
  std::vector<std::vector<double>> bothTop3(19, std::vector<double>(19, 0.0));
  for (std::size_t i = 0; i < triples.size(); ++i) {
    auto [a, b, c] = triples[i];
    BetEntry& entry = m.trio[i];
    entry.state = stateOf({a, b, c});
    if (entry.state != BetState::Sold) continue;
    double q = ordered3(a, b, c) + ordered3(a, c, b) + ordered3(b, a, c) + ordered3(b, c, a) +
               ordered3(c, a, b) + ordered3(c, b, a);
    trioP[i] = q;
    entry.odds = OddsFor(0.75, q, 999999);
    entry.votes = static_cast<long long>(pools[6] * q);
    for (int x : {a, b, c}) top3[static_cast<std::size_t>(x)] += q;
    bothTop3[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] += q;
    bothTop3[static_cast<std::size_t>(a)][static_cast<std::size_t>(c)] += q;
    bothTop3[static_cast<std::size_t>(b)][static_cast<std::size_t>(c)] += q;
  }
  if (kind != MarketKind::WinToExacta) Rank(m.trio);

  const auto& pairs = UnorderedPairs();
  m.quinella.resize(pairs.size());
  m.wide.resize(pairs.size());
  std::vector<double> top2(19, 0.0);
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    auto [a, b] = pairs[i];
    BetEntry& q = m.quinella[i];
    BetEntry& wd = m.wide[i];
    q.state = wd.state = stateOf({a, b});
    if (q.state != BetState::Sold) continue;
    double prob = ordered2(a, b) + ordered2(b, a);
    top2[static_cast<std::size_t>(a)] += prob;
    top2[static_cast<std::size_t>(b)] += prob;
    q.odds = OddsFor(0.775, prob, 999999);
    q.votes = static_cast<long long>(pools[3] * prob);
    double w = bothTop3[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
    long long base = OddsFor(0.775, w, 99999);
    wd.odds = std::max(10LL, base * 7 / 10);
    wd.high = std::min(99999LL, std::max(wd.odds, base * 14 / 10));
    wd.votes = static_cast<long long>(pools[4] * w / 3);
  }
  Rank(m.quinella);
  Rank(m.wide);

  for (int n = 1; n <= 18; ++n) {
    BetEntry& entry = m.place[static_cast<std::size_t>(n)];
    entry.state = m.win[static_cast<std::size_t>(n)].state;
    if (entry.state != BetState::Sold) continue;
    double q = m.placesPaid == 2 ? top2[static_cast<std::size_t>(n)] : top3[static_cast<std::size_t>(n)];
    long long base = OddsFor(0.8, std::max(q, 1e-6), 9999);
    entry.odds = std::max(10LL, base * 7 / 10);
    entry.high = std::min(9999LL, std::max(entry.odds, base * 14 / 10));
    entry.votes = static_cast<long long>(pools[1] * q / std::max(1, m.placesPaid));
  }
  Rank(m.place);

  const auto& brackets = BracketPairs();
  for (std::size_t i = 0; i < brackets.size(); ++i) {
    auto [x, y] = brackets[i];
    BetEntry& entry = m.bracket[i];
    if (!m.bracketSold) continue;
    double prob = 0;
    bool anyPair = false, anyRunning = false;
    for (int a = 1; a <= m.registered; ++a) {
      for (int b = a + 1; b <= m.registered; ++b) {
        int ba = m.bracketOf[static_cast<std::size_t>(a)], bb = m.bracketOf[static_cast<std::size_t>(b)];
        if (!((ba == x && bb == y) || (ba == y && bb == x))) continue;
        anyPair = true;
        if (runs(a) && runs(b)) {
          anyRunning = true;
          prob += ordered2(a, b) + ordered2(b, a);
        }
      }
    }
    if (!anyPair) continue;
    entry.state = anyRunning ? BetState::Sold : BetState::Scratched;
    if (!anyRunning) continue;
    entry.odds = OddsFor(0.775, prob, 99999);
    entry.votes = static_cast<long long>(pools[2] * prob);
  }
  Rank(m.bracket);

  const auto& orderedPairs = OrderedPairs();
  m.exacta.resize(orderedPairs.size());
  for (std::size_t i = 0; i < orderedPairs.size(); ++i) {
    auto [a, b] = orderedPairs[i];
    BetEntry& entry = m.exacta[i];
    entry.state = stateOf({a, b});
    if (entry.state != BetState::Sold) continue;
    double prob = ordered2(a, b);
    entry.odds = OddsFor(0.75, prob, 999999);
    entry.votes = static_cast<long long>(pools[5] * prob);
  }
  Rank(m.exacta);

  const auto& orderedTriples = OrderedTriples();
  m.trifecta.resize(kind == MarketKind::WinToExacta ? 0 : orderedTriples.size());
  for (std::size_t i = 0; i < m.trifecta.size(); ++i) {
    auto [a, b, c] = orderedTriples[i];
    BetEntry& entry = m.trifecta[i];
    entry.state = stateOf({a, b, c});
    if (entry.state != BetState::Sold) continue;
    double prob = ordered3(a, b, c);
    entry.odds = OddsFor(0.725, prob, 9999999);
    entry.votes = static_cast<long long>(pools[7] * prob);
  }
  Rank(m.trifecta);

  auto sum = [](const auto& entries) {
    long long total = 0;
    for (const BetEntry& e : entries) total += e.votes;
    return total;
  };
  m.totals[0] = sum(m.win);
  m.totals[1] = sum(m.place);
  m.totals[2] = sum(m.bracket);
  m.totals[3] = sum(m.quinella);
  m.totals[4] = sum(m.wide);
  m.totals[5] = sum(m.exacta);
  m.totals[6] = sum(m.trio);
  m.trifectaTotal = sum(m.trifecta);
  return m;
}
