#include "app/app_core.h"

#include "app/run_kind_wiring.h"
#include "config/folder_helpers.h"
#include "legacy/lzh_packer.h"
#include "sets/race_day_lists.h"
#include "sets/schedule.h"
#include "sets/set_def.h"
#include "util/host.h"
#include "util/local_time.h"
#include "util/result_codes.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoOutDirAtStart =
    "【 Ostravel 】\r\n\r\n現在、「データ出力先フォルダ」が設定されていません。\r\n\r\n"
    "起動後、「オプション設定」にて、\r\n「データ出力先フォルダ」を設定して下さい。";

// The window's no-op defaults, for cores without a window.
MainWindowEvents& NoEvents() {
  static MainWindowEvents none;
  return none;
}

std::chrono::milliseconds SteadyNow() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

TAppCore::TAppCore(Host& host, const std::string& appDir, std::unique_ptr<JvLink> link)
    : Inputs(InitialRunInput(LocalToday())),
      host_(host),
      config_(host, appDir),
      session_(std::make_unique<TJVLinkSession>(std::move(link), host)),
      events_(&NoEvents()),
      clock_(SteadyNow),
      archiverAvailable_(LzhPackerAvailable) {
  RegisterBuiltRunKinds(*this);
}

TAppCore::~TAppCore() = default;

bool TAppCore::Start() {
  settingsLoaded_ = LoadOrCreateSettings(config_);
  InstallDefaultSetDef(config_.AppDir, kSuppliedSetDefDefault);
  sets_ = std::make_unique<TSetDef>(host_, config_.AppDir);
  sets_->Load();
  // The quiet flag is set only after JVInit, so that its failure is always shown.
  bool linked = session_->InitLink(kSoftwareId) == kJvOk;
  linkStatus_ = linked ? "JV-Link : " + session_->LinkVersion() : "JV-Link : NG";
  session_->SetQuiet(config_.ControlPopup);
  schedule_ = std::make_unique<TSchedule>(config_, host_);
  if (schedule_->Loaded) {
    FillRaceDayLists();
  } else {
    host_.info(kNoScheduleNotice);
  }
  if (config_.OutDir[0].empty()) host_.warn(kNoOutDirAtStart);
  ApplySettings();
  Inputs.activePage = StartPage(config_);
  return settingsLoaded_;
}

void TAppCore::ApplySettings() {
  LegacyPageInput& legacy = Inputs.legacy;
  if (!config_.LegKyuKyu) {
    legacy.checkLegDenmaKK = legacy.checkLegSeisekiKK = false;
    legacy.checkLegKishuKK = legacy.checkLegChokyoshiKK = false;
  }
  // First-run horses come with the race cards unless the cards are written alone.
  if (config_.LegDenmaType == 0) legacy.checkLegHatsu = false;
  Inputs.rtd.layoutIndex = config_.RealTimeDefault;
  RefreshOutDirList();
}

bool TAppCore::Close() {
  session_.reset();
  bool setsSaved = !sets_ || sets_->Save();
  // A settings file that failed to load is not overwritten with the part of it that was read.
  bool settingsSaved = !settingsLoaded_ || config_.SaveSettings();
  return settingsSaved && setsSaved;
}

void TAppCore::FillRaceDayLists() {
  int items = static_cast<int>(RaceDayListItems(*schedule_).size());
  Inputs.legacy.raceDayCount = items;
  Inputs.legacy.selectedRaceDay = items > 0 ? 0 : -1;
  Inputs.rtd.selectedRaceDay = items > 0 ? 0 : -1;
  events_->raceDayListsChanged();
}

void TAppCore::RegisterRunKind(std::uint8_t kind, RunWork work) {
  works_.at(kind) = std::move(work);
}

void TAppCore::AddLog(const std::string& text, std::uint8_t before, std::uint8_t after) {
  LogPane& log = host_.mainLog();
  if (log.lineCount() > kLogLineLimit) log.clear();
  for (int i = 0; i < before; ++i) log.appendLine("");
  log.appendLine(text);
  for (int i = 0; i < after; ++i) log.appendLine("");
  host_.pump();
}

void TAppCore::AppendLog(const std::string& text) {
  LogPane& log = host_.mainLog();
  log.replaceLastLine(log.lastLine() + " " + text);
  host_.pump();
}

int TAppCore::EnsureOutDir(int slot) {
  const std::string folder = config_.GetOutDir(slot);
  std::error_code error;
  if (fs::is_directory(folder, error)) return kResultOk;
  if (host_.ask("出力用に指定された以下のフォルダが存在しません。\r\n\r\n" + folder +
                "\r\n\r\n\r\n新しく作成しますか？") != Answer::Yes) {
    return kResultCancelled;
  }
  if (!folder.empty()) fs::create_directories(folder, error);
  if (fs::is_directory(folder, error)) return kResultOk;
  host_.error("フォルダを作成できませんでした。\r\n\r\n" + folder);
  return kResultFailed;
}

void TAppCore::RefreshOutDirList() {
  TFileList list(kOutDirListLimit);
  list.Collect(config_.OutDir[0], "*.*");
  outDirFiles_.clear();
  for (std::size_t i = 0; i < list.Count(); ++i) outDirFiles_.push_back(list.NameAt(i));
  events_->outDirListChanged();
}

RunOutcome TAppCore::ClearOutDir() {
  const std::string folder = config_.OutDir[0];
  if (folder.empty()) {
    host_.warn("代表出力先フォルダが設定されていません。");
    return RunOutcome::Refused();
  }
  if (SameFolder(folder, config_.AppDir)) {
    host_.warn("代表出力先フォルダにプログラムのあるフォルダが\r\n指定されています。\r\n"
               "「オプション設定」で専用のフォルダを指定し直して下さい。");
    return RunOutcome::Refused();
  }
  if (host_.ask("以下の代表出力先フォルダに存在するファイルをすべて削除します。\r\n\r\n" + folder +
                "\r\n\r\nよろしいですか？") != Answer::Yes) {
    return RunOutcome::Ran(kResultCancelled);
  }
  int result = ClearFolder(host_, folder);
  RefreshOutDirList();
  return RunOutcome::Ran(result);
}
