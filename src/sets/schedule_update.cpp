#include "sets/schedule_update.h"

#include "app/app_core.h"
#include "config/folder_helpers.h"
#include "sets/schedule.h"
#include "sets/schedule_lines.h"
#include "util/file_io.h"
#include "util/host.h"
#include "util/result_codes.h"

namespace {

constexpr const char* kFailed = "スケジュールファイルの取得に失敗しました";

void FillScheduleRequest(JVLINK_PARA& request, const std::string& fromDate,
                         const TConfig& config) {
  request.DataSpec = "YSCH";
  request.FromTime = fromDate + "000000";
  request.Option = 1;
  request.UseRecFilter = false;
  // Only race days on or after the date are written.
  request.DateFrom = fromDate;
  request.DateTo = "99999999";
  request.StopAfterDateTo = config.IgnoreShuseiData;
  request.OutDir = config.TempDir;
  request.NameParts = {"schedule", "", "", "", ""};
  request.RtDate.clear();
  request.RtJyo.clear();
  request.RtRace.clear();
  // Pattern 1 whatever the setting says: every record lands in "schedule.txt".
  request.NamingPattern = 0;
}

// The failure of a request (a warning) or of the files (an error); a log line when the user
// asked for no pop-ups.
void ReportFailure(TAppCore& core, bool filesFailed) {
  if (core.Config().ControlPopup) {
    core.AddLog(kFailed, 0, 0);
  } else if (filesFailed) {
    core.GetHost().error(kFailed);
  } else {
    core.GetHost().warn(kFailed);
  }
  core.AddLog("*** 正常に取得できませんでした", 1, 0);
}

}  // namespace

bool StoreReceivedSchedule(const std::string& receivedPath, const std::string& schedulePath,
                           std::string_view year) {
  std::optional<std::vector<std::string>> lines = ReadTextLines(receivedPath);
  if (!lines || lines->empty()) return false;
  return WriteFileAtomic(schedulePath,
                         JoinCrLf(ScheduleLinesOfYear(SortScheduleLines(*lines), year)));
}

int UpdateSchedule(TAppCore& core, const std::string& fromDate) {
  if (!core.EnterOwnBusy()) return kResultFailed;
  core.AddLog("《 スケジュールの更新 》", 1, 1);
  TConfig& config = core.Config();
  TSchedule& schedule = core.Schedule();
  ClearFolder(core.GetHost(), config.TempDir);
  core.RunKind = kRunSchedule;
  FillScheduleRequest(core.Request, fromDate, config);

  int result = kResultFailed;
  if (core.RunStoredRequest() != kResultOk) {
    ReportFailure(core, false);
  } else if (!StoreReceivedSchedule(config.TempDir + "/" + kReceivedScheduleFileName,
                                    schedule.FilePath(), schedule.CurrentYear())) {
    ReportFailure(core, true);
  } else {
    schedule.Load();
    core.AddLog("*** 正常終了", 1, 0);
    result = kResultOk;
  }
  core.AddLog("------------------------------", 1, 1);
  core.LeaveOwnBusy();
  return result;
}
