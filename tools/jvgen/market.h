#pragma once
// The betting market of one race at one moment: from the starters' win probabilities, the odds,
// popularity and votes of every bet type. The final market reproduces the win odds of the race
// result exactly, so odds records, vote counts, the runners' win odds and the payouts agree.

#include "world.h"

#include <array>
#include <vector>

enum class BetState : char { Absent, Sold, Scratched };

struct BetEntry {
  BetState state = BetState::Absent;
  long long odds = 0;   // tenths (the lowest odds for place and wide)
  long long high = 0;   // tenths, place and wide only
  int popularity = 0;
  long long votes = 0;  // tickets of 100 yen
};

struct Market {
  int registered = 0;
  int starters = 0;
  bool bracketSold = false;  // bracket quinella needs nine or more horses
  int placesPaid = 0;        // 3, 2 or 0 (複勝着払キー)
  std::array<int, 19> bracketOf{};
  std::array<BetEntry, 19> win, place;  // by horse number
  std::array<BetEntry, 36> bracket;     // BracketPairs() order
  std::vector<BetEntry> quinella, wide, exacta, trio, trifecta;  // combination table order
  long long totals[7] = {};  // win, place, bracket, quinella, wide, exacta, trio
  long long trifectaTotal = 0;
};

// Win probabilities by horse number behind the race's final win odds (0 for non-starters).
std::vector<double> FinalProbabilities(const World& world, const Race& race);
// The market drifting away from `p`, for the odds published before the race closes.
std::vector<double> Drifted(const std::vector<double>& p, std::uint64_t seed, double spread);

// `share` scales the pools: 1 at the close, less while betting is still going on. A final market
// takes the win odds of the result and has every table; the other lacks the trifecta.
enum class MarketKind { Final, WinToExacta };
Market BuildMarket(const World& world, const Race& race, const std::vector<double>& p, double share,
                   MarketKind kind);

// Payout in yen for 100 yen of a winning place or wide ticket, between its lowest and highest odds.
long long RangePayout(const BetEntry& entry, int salt);
