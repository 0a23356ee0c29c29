#pragma once
// The inputs of the main window's pages as plain data. The window copies its controls into
// them, the command line fills them from its arguments; the run driver checks them
// (CheckRunInput) and the run kinds read them. Indexes are those of the controls, -1 for none.

#include <chrono>
#include <cstdint>
#include <string>

class TConfig;

// The pages in the window's order.
enum class RunPage : std::uint8_t {
  Set,        // セット取得
  Legacy,     // 旧仕様変換
  Rtd,        // 速報オッズ
  Custom,     // カスタム出力
  Chikuseki,  // [個] 蓄積
  Sokuho,     // [個] 速報
  Timer,      // タイマー
};

struct SetPageInput {
  int selectedSet = -1;  // radioTaishoSet, set number - 1
};

// The legacy page's check boxes, named after their controls, and its race-day list.
struct LegacyPageInput {
  bool checkLegDenma = false;
  bool checkLegDenmaKK = false;
  bool checkLegKishu = false;
  bool checkLegKishuKK = false;
  bool checkLegChokyoshi = false;
  bool checkLegChokyoshiKK = false;
  bool checkLegChiho = false;
  bool checkLegHatsu = false;
  bool checkLegSeiseki = false;
  bool checkLegSeisekiKK = false;
  bool checkLegMasKyosoba = false;
  bool checkLegMasKishu = false;
  bool checkLegMasChokyoshi = false;
  bool checkLegTokuUma = false;
  bool checkLegTokuKyosoba = false;
  bool checkLegSchedule = false;
  bool checkLegDenmaAll = false;  // all race days at once; not a data box
  int raceDayCount = 0;           // items of listLegKaisaibi
  int selectedRaceDay = -1;       // listLegKaisaibi
};

struct RtdPageInput {
  int layoutIndex = 0;       // radioRtdKind: 0 JV-Data layout, otherwise the old layout
  int selectedRaceDay = -1;  // listRtdKaisaibi
};

// [個] 蓄積: the edits hold their texts as typed.
struct StoredPageInput {
  int dataSpecIndex = -1;  // groupDataSpec_C
  std::string year, month, day, hour, minute, second;
  int optionIndex = -1;  // groupOption_C, option - 1
};

// [個] 速報.
struct RealtimePageInput {
  int dataSpecIndex = -1;  // groupDataSpec_S
  std::string year, month, day;
  int courseIndex = 0;  // comboJo, course code - 1
  int raceIndex = 0;    // comboRNO, race number - 1
};

struct RunInput {
  RunPage activePage = RunPage::Set;
  SetPageInput set;
  LegacyPageInput legacy;
  RtdPageInput rtd;
  StoredPageInput stored;
  RealtimePageInput realtime;
};

// The inputs at start-up: the date edits of both individual pages hold `today`, the time edits
// "00".
RunInput InitialRunInput(std::chrono::year_month_day today);

// The warning that keeps a run from starting, by the active page; empty when it may start.
std::string CheckRunInput(const RunInput& input);

// The page shown first: FirstPage 0..5 picks one of the first six pages when its Func setting
// is on; otherwise the first page.
RunPage StartPage(const TConfig& config);
