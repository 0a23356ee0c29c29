#include "sets/set_acquisition.h"

#include "app/app_core.h"
#include "sets/set_def.h"
#include "util/host.h"
#include "util/result_codes.h"

namespace {

// A fresh request for entry k of the set; Key belongs to real-time requests and is left alone.
void FillSetRequest(JVLINK_PARA& request, const _BankSpec& bankSpec, int dataKind,
                    const TConfig& config) {
  request.DataSpec = bankSpec.DataSpec;
  request.FromTime = config.FromTime[static_cast<std::size_t>(dataKind)];
  request.Option = bankSpec.Option;
  request.UseRecFilter = true;
  request.RecSpec = bankSpec.RecSpec;
  request.DateFrom = "00000000";
  request.DateTo = "99999999";
  request.StopAfterDateTo = config.IgnoreShuseiData;
  request.OutDir = config.GetOutDir(kSetOutDirSlot);
  request.NameParts = {"DS", "RS", "FT", "", ""};
  request.RtDate.clear();
  request.RtJyo.clear();
  request.RtRace.clear();
  request.NamingPattern = config.NamingPattern;
}

}  // namespace

int RunSet(TAppCore& core, int setNumber) {
  if (setNumber < 1 || setNumber > kSetCount) {
    core.AddLog("> 取得対象セットの番号が正しくありません（" + std::to_string(setNumber) + "）",
                0, 0);
    return kResultFailed;
  }
  if (core.EnsureOutDir(kSetOutDirSlot) != kResultOk) return kResultFailed;

  TConfig& config = core.Config();
  int result = kResultOk;
  for (int k = 1; k <= kSetDataKinds; ++k) {
    core.GetHost().pump();
    if (core.Session().IsCancelled()) {
      core.AddLog("> キャンセル - 処理中断", 1, 0);
      result = kResultCancelled;
      break;
    }
    // A fresh copy each time: the set may have been edited while the run let events through.
    _BankSpec bankSpec = core.Sets().GetBank(setNumber - 1).Specs[static_cast<std::size_t>(k - 1)];
    if (!bankSpec.Taisho) continue;
    FillSetRequest(core.Request, bankSpec, k, config);
    result = core.RunStoredRequest();
    if (result == kResultOk) {
      config.FromTime[static_cast<std::size_t>(k)] = core.Session().LastFileTimeStamp();
    }
    if (result == kResultFailed || result == kResultCancelled) break;
  }
  config.SaveSettings();
  return result == kResultNoData ? kResultOk : result;
}

void RegisterSetAcquisition(TAppCore& core) {
  core.RegisterRunKind(kRunSet, [&core](const RunDates&) {
    return RunSet(core, core.Inputs.set.selectedSet + 1);
  });
}
