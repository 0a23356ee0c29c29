#pragma once
// The legacy page's one-click presets: a string of "1" (checked) and "0", one character per
// check box in a fixed order (LegSetCheck0..2 of the settings).

#include "app/page_inputs.h"

#include <string>

// Sets the boxes as the preset says. A position beyond the end of the string leaves its box as
// it is; the four "旧々" boxes follow the string only with LegKyuKyu on and are cleared with it
// off; "全日付分一括出力" follows position 17 only when the string has it.
void ApplyLegacyPreset(LegacyPageInput& legacy, const std::string& preset, bool legKyuKyu);
