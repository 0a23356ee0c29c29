#include "jvlink/data_kind_catalogue.h"

#include <array>
#include <string_view>

namespace {

struct StoredKind {
  std::string_view code;
  std::string_view name;
};

constexpr std::array<StoredKind, kStoredDataKindCount> kStoredKinds{{
    {"TOKU", "特別登録馬情報"},
    {"RACE", "レース情報"},
    {"DIFN", "蓄積情報"},
    {"BLDN", "血統情報"},
    {"SLOP", "坂路調教情報"},
    {"YSCH", "開催スケジュール"},
    {"TCVN", "特別登録馬情報補てん"},
    {"RCVN", "レース情報補てん"},
    {"SNPN", "出走時点情報"},
    {"HOSN", "競走馬市場取引価格情報"},
    {"HOYU", "馬名の意味由来情報"},
    {"COMM", "各種解説情報"},
    {"MING", "マイニング情報"},
}};

struct RealTimeKind {
  std::string_view code;
  std::string_view name;
};

constexpr std::array<RealTimeKind, 18> kRealTimeKinds{{
    {"0B12", "速報レース情報"},
    {"0B15", "速報レース情報"},
    {"0B30", "速報オッズ（全賭式）"},
    {"0B31", "速報オッズ（単複枠）"},
    {"0B32", "速報オッズ（馬連）"},
    {"0B33", "速報オッズ（ワイド）"},
    {"0B34", "速報オッズ（馬単）"},
    {"0B35", "速報オッズ（３連複）"},
    {"0B36", "速報オッズ（３連単）"},
    {"0B20", "速報票数"},
    {"0B11", "速報馬体重"},
    {"0B14", "速報天候／変更情報（一括）"},
    {"0B16", "速報天候／変更情報（指定）"},
    {"0B13", "速報マイニング（タイム型）"},
    {"0B17", "速報マイニング（対戦型）"},
    {"0B41", "時系列オッズ（単複枠）"},
    {"0B42", "時系列オッズ（馬連）"},
    {"0B51", "速報重賞式(WIN5)"},
}};

constexpr std::array<std::string_view, 3> kOptionNames{"通常", "今週", "セットアップ"};

}  // namespace

void DataSpecLabel(int index, int form, std::string& text) {
  if (index < 1 || index > kStoredDataKindCount) return;
  const StoredKind& kind = kStoredKinds[index - 1];
  switch (form) {
    case 1:
      text = kind.code;
      break;
    case 2:
      text = kind.name;
      break;
    case 3:
      text = std::string(kind.code) + " ：" + std::string(kind.name);
      break;
    default:
      break;
  }
}

std::string RealTimeSpecName(const std::string& code) {
  for (const RealTimeKind& kind : kRealTimeKinds) {
    if (kind.code == code) return std::string(kind.name);
  }
  return "速報データ";
}

void DataKindName(int option, std::string& text) {
  if (option >= 1 && option <= static_cast<int>(kOptionNames.size())) {
    text = kOptionNames[option - 1];
  }
}
