// The two request steps every run kind uses: one JV-Link request described by Request, its log
// lines, and the time it took added to DownloadTime.

#include "app/app_core.h"
#include "jvlink/data_kind_catalogue.h"
#include "jvlink/result_text.h"
#include "util/result_codes.h"

int TAppCore::RunStoredRequest() {
  std::chrono::milliseconds start = Now();
  AddLog("> 蓄積(" + Request.DataSpec + ")", 0, 0);
  int code = session_->OpenStored(Request);
  DownloadTime += Now() - start;
  return LogRequestOutcome(code, "データなし");
}

int TAppCore::RunRealtimeRequest() {
  std::chrono::milliseconds start = Now();
  AddLog("> " + RealTimeSpecName(Request.DataSpec) + "(" + Request.DataSpec + ")", 0, 0);
  AddLog("> " + Request.Key, 0, 0);
  int code = session_->OpenRealtime(Request);
  DownloadTime += Now() - start;
  int result = LogRequestOutcome(code, "…… 該当データなし");
  if (code == kJvBadKey) AddLog("> " + session_->RequestKey(), 1, 0);
  return result;
}

int TAppCore::LogRequestOutcome(int code, const char* noDataText) {
  switch (code) {
    case kRequestDone:
      ++OkCount;
      AppendLog("…… OK");
      return kResultOk;
    case kRequestNoData:
      AppendLog(noDataText);
      return kResultNoData;
    case kRequestCancelled:
      AddLog("> キャンセルされました", 1, 0);
      return kResultCancelled;
    default:
      break;
  }
  AppendLog("…… ERROR");
  AddLog("> " + ErrorText(code), 1, 0);
  if (code == kRequestFailed && !session_->LastFailure().empty()) {
    AddLog("> " + session_->LastFailure(), 0, 0);
  }
  return kResultFailed;
}
