#include "app/legacy_preset.h"

#include <array>

namespace {

using Box = bool LegacyPageInput::*;

// Positions 1 to 12: the boxes every build shows.
constexpr std::array<Box, 12> kPlainBoxes{
    &LegacyPageInput::checkLegDenma,        &LegacyPageInput::checkLegKishu,
    &LegacyPageInput::checkLegChokyoshi,    &LegacyPageInput::checkLegChiho,
    &LegacyPageInput::checkLegHatsu,        &LegacyPageInput::checkLegSchedule,
    &LegacyPageInput::checkLegSeiseki,      &LegacyPageInput::checkLegMasKyosoba,
    &LegacyPageInput::checkLegMasKishu,     &LegacyPageInput::checkLegMasChokyoshi,
    &LegacyPageInput::checkLegTokuUma,      &LegacyPageInput::checkLegTokuKyosoba,
};

// Positions 13 to 16: the "旧々" boxes.
constexpr std::array<Box, 4> kOldOldBoxes{
    &LegacyPageInput::checkLegDenmaKK, &LegacyPageInput::checkLegSeisekiKK,
    &LegacyPageInput::checkLegKishuKK, &LegacyPageInput::checkLegChokyoshiKK};

void SetFrom(LegacyPageInput& legacy, Box box, const std::string& preset, std::size_t position) {
  if (position < preset.size()) legacy.*box = preset[position] == '1';
}

}  // namespace

void ApplyLegacyPreset(LegacyPageInput& legacy, const std::string& preset, bool legKyuKyu) {
  std::size_t position = 0;
  for (Box box : kPlainBoxes) SetFrom(legacy, box, preset, position++);
  for (Box box : kOldOldBoxes) {
    if (legKyuKyu) {
      SetFrom(legacy, box, preset, position);
    } else {
      legacy.*box = false;
    }
    ++position;
  }
  SetFrom(legacy, &LegacyPageInput::checkLegDenmaAll, preset, position);
}
