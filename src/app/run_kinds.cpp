#include "app/run_kinds.h"

#include <array>

namespace {

constexpr std::array<const char*, kLastRunKind + 1> kHeadlines{
    "",
    "《 セット取得 》",
    "《 旧仕様変換 》",
    "《 速報オッズ 》",
    "《 旧RTD変換 》",
    "《 個別取得（蓄積系） 》",
    "《 個別取得（速報系） 》",
    "《 旧仕様変換（過去） 》",
    "《 旧仕様変換（騎手・調教師） 》",
    "《 スケジュールの更新 》",
    "《 旧々仕様変換（過去） 》",
    "《 カスタム出力 》",
    "《 カスタム出力 》",
};

}  // namespace

std::string RunHeadline(std::uint8_t kind, bool byStartButton) {
  if (kind == kRunCustomUpdate && byStartButton) return "《 カスタム出力 データベース更新 》";
  return kind < kHeadlines.size() ? kHeadlines[kind] : "";
}
