// StartRun: the one way an interactive run starts.

#include "app/app_core.h"
#include "legacy/lzh_packer.h"
#include "util/host.h"

#include <cstdio>
#include <exception>

namespace {

constexpr const char* kDashes = "------------------------------";

// The work of the active page; 0 for the timer page, which has none.
std::uint8_t KindOfPage(const RunInput& input) {
  switch (input.activePage) {
    case RunPage::Set:
      return kRunSet;
    case RunPage::Legacy:
      return kRunLegacy;
    case RunPage::Rtd:
      return input.rtd.layoutIndex == 0 ? kRunRtdJvData : kRunRtdOld;
    case RunPage::Custom:
      return kRunCustomUpdate;
    case RunPage::Chikuseki:
      return kRunIndividualStored;
    case RunPage::Sokuho:
      return kRunIndividualRealtime;
    case RunPage::Timer:
      break;
  }
  return 0;
}

bool IsLegacyRun(std::uint8_t kind, RunPage page) {
  return (kind == kRunByPage && page == RunPage::Legacy) || kind == kRunLegacyPast ||
         kind == kRunLegacyActive || kind == kRunLegacyPastOld;
}

// Whole seconds (hours included) and three-digit milliseconds: "65.200".
std::string ElapsedText(std::chrono::milliseconds elapsed) {
  long long ms = elapsed.count();
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%.3lld", ms / 1000, ms % 1000);
  return text;
}

}  // namespace

RunOutcome TAppCore::StartRun(std::uint8_t kind, const std::string& dateFrom,
                              const std::string& dateTo) {
  std::uint8_t work = kind == kRunByPage ? KindOfPage(Inputs) : kind;
  if (RefusedBeforeRun(kind, work)) return RunOutcome::Refused();

  EnterBusy();
  int result = kResultFailed;
  std::string unexpected;
  try {
    result = DoWork(work, kind == kRunByPage, {dateFrom, dateTo});
    LogOutcome(result);
  } catch (const std::exception& e) {
    unexpected = e.what();
  } catch (...) {
    unexpected = "不明なエラー";
  }
  LeaveBusy();

  if (!unexpected.empty()) {
    host_.error("予期しないエラーが発生しました。\r\n\r\n" + unexpected);
    return RunOutcome::Ran(kResultFailed);
  }
  if (result == kResultOk && CloseOnSuccess) events_->closeRequested();
  return RunOutcome::Ran(result);
}

bool TAppCore::RefusedWhileRunning() {
  if (!running_) return false;
  // A nested run would share Request, OkCount and the times with the running one.
  host_.warn("現在、他の処理を実行中です。\r\n処理の終了後に再実行して下さい。");
  return true;
}

bool TAppCore::EnterOwnBusy() {
  if (RefusedWhileRunning()) return false;
  EnterBusy();
  return true;
}

bool TAppCore::RefusedBeforeRun(std::uint8_t kind, std::uint8_t work) {
  if (RefusedWhileRunning()) return true;
  if (config_.OutDir[0].empty()) {
    host_.warn("出力用【代表フォルダ】が指定されていません。\r\n\r\n"
               "「オプション設定」で指定を行って下さい。");
    return true;
  }
  if (kind != kRunLegacyPast && kind != kRunLegacyPastOld) {
    std::string refusal = CheckRunInput(Inputs);
    if (!refusal.empty()) {
      host_.warn(refusal);
      return true;
    }
  }
  if (IsLegacyRun(kind, Inputs.activePage) && config_.LegLzhOut && !archiverAvailable_()) {
    host_.error(std::string(kArchiverMissingMessage));
    return true;
  }
  if (work != 0 && (work > kLastRunKind || !works_[work])) {
    host_.warn(RunHeadline(work, kind == kRunByPage) +
               "\r\n\r\nこの処理はこのバージョンでは使用できません。");
    return true;
  }
  return false;
}

void TAppCore::EnterBusy() {
  running_ = true;
  OkCount = 0;
  events_->runningChanged(true);
  host_.setStatus(kRunningStatus);
  host_.setBusy(true);
  session_->ClearCancel();
  DownloadTime = ConvertTime = UpdateTime = std::chrono::milliseconds{0};
}

void TAppCore::LeaveBusy() {
  RefreshOutDirList();
  host_.setStatus("");
  running_ = false;
  events_->runningChanged(false);
  host_.setBusy(false);
}

int TAppCore::DoWork(std::uint8_t work, bool byStartButton, const RunDates& dates) {
  RunKind = work;
  if (work == 0) return kResultOk;  // the timer page: nothing to run
  AddLog(RunHeadline(work, byStartButton), 0, 0);
  return works_[work](dates);
}

void TAppCore::LogOutcome(int result) {
  if (result != kResultOk) {
    AddLog("*** 正常に取得できませんでした", 1, 0);
  } else {
    AddLog("> 処理終了", 1, 0);
    AddLog("  ﾀﾞｳﾝﾛｰﾄﾞ : " + ElapsedText(DownloadTime) + " sec", 0, 0);
    if (RunKind == kRunLegacy) AddLog("  変換処理 : " + ElapsedText(ConvertTime) + " sec", 0, 0);
    if (RunKind == kRunCustomUpdate || RunKind == kRunCustomRealtime) {
      AddLog("  更新処理 : " + ElapsedText(UpdateTime) + " sec", 0, 0);
    }
  }
  AddLog(kDashes, 1, 1);
}
