#pragma once
// The acquisition sets: for each of thirteen sets, which stored data kinds it fetches, with which
// JV-Link option and which record types of each kind it keeps. Held in memory by TSetDef and in
// "SetDef.dat" in the program's folder (code page 932, CR LF).

#include "sets/record_slots.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class Host;

constexpr int kSetCount = 13;           // sets in the store and blocks in the file
constexpr int kSetDataKinds = 13;       // entries of a set, one per stored data kind number
constexpr int kSetsOffered = 8;         // sets the set page offers
constexpr const char* kSetDefFileName = "SetDef.dat";
constexpr const char* kSetDefDefaultFileName = "SetDef_Default.dat";
// The default sets shipped with the program.
constexpr const char* kSuppliedSetDefDefault = OSTRAVEL_DATA_DIR "/SetDef_Default.dat";

// One data-kind entry of a set.
struct _BankSpec {
  std::string DataSpec;      // the data kind code, "RACE"
  bool Taisho = false;       // fetched by the set
  std::uint8_t Option = 1;   // JVOpen option: 1 normal, 2 this week
  std::array<std::string, kRecordSlots> RecSpec;  // slot i: the kind's i-th record id, or empty

  bool operator==(const _BankSpec&) const = default;
};

// One set. Specs[k - 1] is the entry of data kind number k.
struct _Bank {
  std::string SetTitle;  // UTF-8
  std::array<_BankSpec, kSetDataKinds> Specs;

  bool operator==(const _Bank&) const = default;
};

class TSetDef {
 public:
  // Every set untitled, every entry off with option 1 and no record types.
  TSetDef(Host& host, const std::string& appDir);

  // Fills the store from "SetDef.dat", tolerant of order and of foreign lines. A missing file
  // leaves the initial state. A line that cannot be read ends the reading there with an error
  // box; what was read before stays, and the file is copied aside first so that the next Save
  // does not lose its unread part. False after such a failure.
  bool Load();
  // Writes the whole store (209 lines) through a temporary file; a failure is reported and
  // leaves the previous file as it was. False after a failure.
  bool Save();

  // index 0..12 (set number - 1); other indexes throw std::out_of_range.
  _Bank GetBank(int index) const;
  void SetBank(int index, const _Bank& bank);

  // Number of record slots of a data kind code (1 for "TOKU", 13 for "RACE", …); 0 for any text
  // that is not one of the thirteen codes. Exact and case-sensitive.
  static int RecSpecCount(std::string_view code);

  const std::string& FilePath() const { return path_; }

 private:
  // Applies one "key=value" line; false when it cannot be read. `current` is the set number of
  // the last "SetNo" line, 0 before the first.
  bool ApplyLine(std::string_view key, std::string_view value, int& current);

  Host& host_;
  std::string path_;
  std::array<_Bank, kSetCount> banks_;
};

// The initial state of one set.
_Bank EmptyBank();

// Start-up: when "SetDef.dat" is missing from appDir, moves "SetDef_Default.dat" of appDir onto
// it; when that is missing too, copies the default file shipped with the program
// (`suppliedDefault`), if there is one. Failures are silent: the store then starts empty.
void InstallDefaultSetDef(const std::string& appDir, const std::string& suppliedDefault);
