#pragma once
// The record types a set may keep for each stored data kind: their ids and labels in slot order,
// which is the order of the record-type boxes in the set dialog and of the record fields in
// "SetDef.dat". Labels are UTF-8.

#include <string_view>
#include <vector>

constexpr int kRecordSlots = 13;

struct RecordSlot {
  std::string_view id;     // two letters, "RA"
  std::string_view label;  // "レース詳細"
};

// The slots of data kind 1..13 (TOKU … MING); empty for any other number.
const std::vector<RecordSlot>& RecordSlotsOf(int dataKind);
