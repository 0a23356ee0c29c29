#pragma once
// The names under which the program shows JV-Link's stored and real-time data kinds and the
// JVOpen options. Texts are UTF-8.

#include <string>

constexpr int kStoredDataKindCount = 13;

// Stored data kind 1..13 (TOKU … MING). form 1: the code; 2: the name; 3: the label, code + " ：" +
// name. An index or form out of range leaves `text` as it is.
void DataSpecLabel(int index, int form, std::string& text);

// Display name of a real-time dataspec ("0B12" → "速報レース情報"); "速報データ" for any other code.
std::string RealTimeSpecName(const std::string& code);

// JVOpen option 1..3 → "通常", "今週", "セットアップ"; any other value leaves `text` as it is.
void DataKindName(int option, std::string& text);
