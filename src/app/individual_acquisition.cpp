#include "app/individual_acquisition.h"

#include "app/app_core.h"
#include "config/folder_helpers.h"
#include "util/host.h"
#include "util/integer_text.h"
#include "util/local_time.h"
#include "util/result_codes.h"

#include <chrono>
#include <optional>

const std::array<std::string_view, 13> kIndividualStoredKinds{
    "TOKU 特別登録馬情報",
    "RACE レース情報",
    "DIFN 蓄積系ソフト用 蓄積情報",
    "BLDN 蓄積系ソフト用 血統情報",
    "SLOP 坂路調教情報",
    "YSCH 開催スケジュール",
    "TCVN 非蓄積系ソフト用 補てん情報（特別登録馬情報補てん）",
    "RCVN 非蓄積系ソフト用 補てん情報（レース情報補てん）",
    "SNPN 出走時点情報",
    "HOSN 競走馬市場取引価格情報",
    "HOYU 馬名の意味由来情報",
    "COMM 各種解説情報",
    "MING 蓄積系ソフト用 マイニング情報",
};

const std::array<std::string_view, 4> kIndividualOptions{"1：通常", "2：今週", "3：セットアップ",
                                                         "4：セット（CD無）"};

const std::array<std::string_view, 16> kIndividualRealtimeKinds{
    "0B12 速報レース情報",
    "0B30 速報オッズ（全賭式）",
    "0B31 速報オッズ（単複枠）",
    "0B32 速報オッズ（馬連）",
    "0B33 速報オッズ（ワイド）",
    "0B34 速報オッズ（馬単）",
    "0B35 速報オッズ（３連複）",
    "0B36 速報オッズ（３連単）",
    "0B20 速報票数（全賭式）",
    "0B11 速報馬体重",
    "0B14 速報開催情報",
    "0B13 速報タイム型データマイニング予想",
    "0B17 速報対戦型データマイニング予想",
    "0B41 時系列オッズ（単複枠）",
    "0B42 時系列オッズ（馬連）",
    "0B51 速報重勝式（WIN5）",
};

const std::array<std::string_view, 10> kIndividualCourses{
    "札幌", "函館", "福島", "新潟", "東京", "中山", "中京", "京都", "阪神", "小倉"};

namespace {

constexpr int kStoredSlot = 18;
constexpr int kRealtimeSlot = 19;
constexpr std::chrono::days kLongAgo{31};

constexpr const char* kLongAgoQuestion =
    "31日以上前の日付が指定されました。\r\n\r\nデータ種別によってはDLするデータ量が多くなる\r\n"
    "可能性があります。\r\nよろしいですか？";

std::string DataSpecOf(std::string_view item) { return std::string(item.substr(0, 4)); }

// The page's date, or nullopt when the three edits give no calendar date.
std::optional<std::chrono::year_month_day> PageDate(const StoredPageInput& page) {
  std::optional<int> year = ParseInteger(page.year);
  std::optional<int> month = ParseInteger(page.month);
  std::optional<int> day = ParseInteger(page.day);
  if (!year || !month || !day) return std::nullopt;
  if (*year < 1 || *year > 9999 || *month < 1 || *month > 12 || *day < 1 || *day > 31) {
    return std::nullopt;
  }
  std::chrono::year_month_day date{std::chrono::year{*year},
                                   std::chrono::month{static_cast<unsigned>(*month)},
                                   std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

int RefuseStoredDate(TAppCore& core) {
  core.Events().focusRequested(InputFocus::StoredYear);
  return kResultFailed;
}

// What both pages put into the request besides their own fields.
void FillCommonRequest(TAppCore& core, const std::string& dataSpec, const std::string& outDir) {
  const TConfig& config = core.Config();
  JVLINK_PARA& request = core.Request;
  request = JVLINK_PARA{};
  request.DataSpec = dataSpec;
  request.UseRecFilter = false;
  request.DateFrom = "00000000";
  request.DateTo = "99999999";
  request.StopAfterDateTo = config.IgnoreShuseiData;
  request.OutDir = outDir;
  request.NamingPattern = config.NamingPattern;
}

}  // namespace

bool OptionAllowed(const std::string& dataSpec, int option) {
  auto isOneOf = [&dataSpec](std::initializer_list<std::string_view> specs) {
    for (std::string_view kind : specs) {
      if (kind == dataSpec) return true;
    }
    return false;
  };
  switch (option) {
    case 1:
      return !isOneOf({"TCVN", "RCVN"});
    case 2:
      return !isOneOf({"DIFN", "BLDN", "SLOP", "YSCH", "HOSN", "HOYU", "COMM"});
    case 3:
    case 4:
      return !isOneOf({"TOKU", "TCVN", "RCVN"});
    default:
      return false;
  }
}

bool IsDayLevelRealtimeKind(int index) {
  switch (index) {
    case 0:
    case 9:
    case 10:
    case 11:
    case 12:
    case 15:
      return true;
    default:
      return false;
  }
}

int RunIndividualStored(TAppCore& core) {
  if (core.EnsureOutDir(kStoredSlot) != kResultOk) return kResultFailed;
  const StoredPageInput& page = core.Inputs.stored;
  Host& host = core.GetHost();

  std::optional<std::chrono::year_month_day> date = PageDate(page);
  if (!date) {
    host.warn("日付が不正です");
    return RefuseStoredDate(core);
  }
  std::chrono::sys_days today{LocalToday()};
  if (today - std::chrono::sys_days{*date} > kLongAgo &&
      host.ask(kLongAgoQuestion) != Answer::Yes) {
    return RefuseStoredDate(core);
  }

  std::string dataSpec = DataSpecOf(kIndividualStoredKinds.at(page.dataSpecIndex));
  int option = page.optionIndex + 1;
  if (!OptionAllowed(dataSpec, option)) {
    host.warn("パラメタ整合性エラー\r\n\r\nデータ種別「" + dataSpec + "」にオプション「" +
              std::to_string(option) + "」は指定できません");
    return kResultFailed;
  }

  FillCommonRequest(core, dataSpec, core.Config().GetOutDir(kStoredSlot));
  JVLINK_PARA& request = core.Request;
  request.FromTime = page.year + page.month + page.day + page.hour + page.minute + page.second;
  request.Option = option;
  request.NameParts = {"DS", "RS", "OP", "FT", ""};

  core.AddLog("> ダウンロード", 1, 1);
  return core.RunStoredRequest();
}

int RunIndividualRealtime(TAppCore& core) {
  if (core.EnsureOutDir(kRealtimeSlot) != kResultOk) return kResultFailed;
  const RealtimePageInput& page = core.Inputs.realtime;
  const TConfig& config = core.Config();

  FillCommonRequest(core, DataSpecOf(kIndividualRealtimeKinds.at(page.dataSpecIndex)),
                    config.TempDir);
  JVLINK_PARA& request = core.Request;
  std::string date = page.year + page.month + page.day;
  request.Key = date;
  if (!IsDayLevelRealtimeKind(page.dataSpecIndex)) {
    request.RtJyo = DecimalMinDigits(page.courseIndex + 1, 2);
    request.RtRace = DecimalMinDigits(page.raceIndex + 1, 2);
    request.Key += request.RtJyo + request.RtRace;
  }
  request.NameParts = {"DS", "RS", "KEY", "", ""};
  request.RtDate = date;

  // What an earlier request left in the work folder must not be copied with this one's files.
  ClearFolder(core.GetHost(), config.TempDir);
  core.AddLog("> ダウンロード", 1, 1);
  int result = core.RunRealtimeRequest();
  if (result != kResultOk) return result;

  const std::string target = config.GetOutDir(kRealtimeSlot);
  int failed = 0;
  if (CopyFolderFiles(config.TempDir, target, &failed) < 0 || failed > 0) {
    core.AddLog("> ファイルコピーエラー （" + target + "）", 1, 0);
    return kResultFailed;
  }
  return kResultOk;
}

void RegisterIndividualAcquisition(TAppCore& core) {
  core.RegisterRunKind(kRunIndividualStored, [&core](const RunDates&) {
    return RunIndividualStored(core);
  });
  core.RegisterRunKind(kRunIndividualRealtime, [&core](const RunDates&) {
    return RunIndividualRealtime(core);
  });
}
