#pragma once
// The application core: what the main window owns and does apart from drawing itself. It holds
// the settings, the JV-Link session, the request record and the figures of the current run,
// starts and closes them in order, and drives every interactive run (StartRun) through the run
// kind registered for it. The window wraps one core and implements Host and MainWindowEvents;
// the command line uses the same core with its own Host.

#include "app/main_window_events.h"
#include "app/page_inputs.h"
#include "app/run_kinds.h"
#include "app/run_outcome.h"
#include "config/tconfig.h"
#include "jvlink/jvlink_para.h"
#include "jvlink/jvlink_session.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Host;
class JvLink;
class TSchedule;
class TSetDef;

// The software id given to JV-Link: the provider's two codes, the program and its version.
constexpr const char* kSoftwareId = "SA260401/SD260401/Ostravel/Ver.4.01";

// The status bar's run panel while a run is on.
constexpr const char* kRunningStatus = " ■■■ 処理中 ■■■";

// The date range a menu action passes to its run ("yyyymmdd"); empty for the other kinds.
struct RunDates {
  std::string from;
  std::string to;
};

// The work of one run kind: 0 when it succeeded, otherwise 5 cancelled, 6 no data or 9 failed.
using RunWork = std::function<int(const RunDates& dates)>;

class TAppCore {
 public:
  // Monotonic time; the elapsed times of a run are differences of it.
  using Clock = std::function<std::chrono::milliseconds()>;

  static constexpr int kLogLineLimit = 500;      // AddLog clears a pane holding more
  static constexpr int kOutDirListLimit = 1000;  // names listed of the representative folder

  // Creates the settings object (and the program's folders) and the session around `link`, and
  // registers the run kinds this build carries. Loads nothing: call Start.
  TAppCore(Host& host, const std::string& appDir, std::unique_ptr<JvLink> link);
  TAppCore(const TAppCore&) = delete;
  TAppCore& operator=(const TAppCore&) = delete;
  ~TAppCore();

  // Start-up in order: settings (saved at once on a first start), the set definitions (the
  // default file installed when there are none), JV-Link with the software id and its status
  // text, the quiet flag, the race-day schedule with its lists (or the notice that there is
  // none), the warning about a missing representative folder, ApplySettings, the start page.
  // False when the settings could not be loaded (reported).
  bool Start();
  // The settings' effect on the page inputs and the representative folder's listing; again
  // after the options dialog.
  void ApplySettings();
  // Closing: releases JV-Link, then saves the set definitions and the settings (unless Start
  // could not load them). The last call on the core; false when saving failed (reported).
  bool Close();

  // Later subsystems add the work of their kind here; a kind without work is refused.
  void RegisterRunKind(std::uint8_t kind, RunWork work);
  void SetEvents(MainWindowEvents& events) { events_ = &events; }
  MainWindowEvents& Events() { return *events_; }

  // Kind 0: the work of the active page; 7, 8, 10, 11, 12 as their menu actions and buttons pass
  // them. Checks, busy state, headline, work, outcome and elapsed times, and the window restored
  // whatever happens.
  RunOutcome StartRun(std::uint8_t kind, const std::string& dateFrom = "",
                      const std::string& dateTo = "");
  bool Running() const { return running_; }
  // The busy state of work that runs outside StartRun (the schedule update): refused with the
  // driver's warning while a run is active (false); otherwise entered as a run enters it,
  // cancel flag cleared. LeaveOwnBusy restores the window.
  bool EnterOwnBusy();
  void LeaveOwnBusy() { LeaveBusy(); }
  // The cancel button: sets the session's cancel flag.
  void Cancel() { session_->RequestCancel(); }

  // Log writers of the main log pane; both let pending window events run.
  void AddLog(const std::string& text, std::uint8_t before, std::uint8_t after);
  void AppendLog(const std::string& text);

  // 0 when output folder slot `slot` exists or was created on the user's Yes; 5 when declined,
  // 9 when it could not be created (reported).
  int EnsureOutDir(int slot);

  // The request steps: Request through the session, with their log lines. 0, 5, 6 or 9.
  int RunStoredRequest();
  int RunRealtimeRequest();

  // The race-day lists of the legacy and real-time pages from the schedule: their first item
  // selected when there is one. At start when the schedule was read, after a successful
  // schedule update and after the options dialog changed the schedule.
  void FillRaceDayLists();

  // Lists the files directly in OutDir[0] (the setting itself, not the fallback).
  void RefreshOutDirList();
  const std::vector<std::string>& OutDirFiles() const { return outDirFiles_; }

  // "出力先ディレクトリのクリア": refused without a representative folder or when it is the
  // program's folder; otherwise asks, then deletes the files directly in it (5 when declined).
  RunOutcome ClearOutDir();

  Host& GetHost() { return host_; }
  TConfig& Config() { return config_; }
  TJVLinkSession& Session() { return *session_; }
  // Created by Start.
  TSetDef& Sets() { return *sets_; }
  TSchedule& Schedule() { return *schedule_; }
  // "JV-Link : " and the version, or "JV-Link : NG" after a failed initialisation.
  const std::string& LinkStatus() const { return linkStatus_; }

  std::chrono::milliseconds Now() const { return clock_(); }
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  // Whether LZH archives can be written (tests make a build without the packer).
  void SetArchiverCheck(std::function<bool()> available) {
    archiverAvailable_ = std::move(available);
  }

  RunInput Inputs;
  bool CloseOnSuccess = false;  // the program was started with "AUTO"
  std::uint8_t RunKind = 0;
  JVLINK_PARA Request;
  std::int16_t OkCount = 0;
  std::chrono::milliseconds DownloadTime{0};
  std::chrono::milliseconds ConvertTime{0};
  std::chrono::milliseconds UpdateTime{0};

 private:
  bool RefusedBeforeRun(std::uint8_t kind, std::uint8_t work);
  bool RefusedWhileRunning();
  void EnterBusy();
  void LeaveBusy();
  int DoWork(std::uint8_t work, bool byStartButton, const RunDates& dates);
  void LogOutcome(int result);
  int LogRequestOutcome(int code, const char* noDataText);

  Host& host_;
  TConfig config_;
  std::unique_ptr<TJVLinkSession> session_;
  std::unique_ptr<TSetDef> sets_;
  std::unique_ptr<TSchedule> schedule_;
  std::array<RunWork, kLastRunKind + 1> works_;
  MainWindowEvents* events_;
  Clock clock_;
  std::function<bool()> archiverAvailable_;
  std::string linkStatus_;
  std::vector<std::string> outDirFiles_;
  bool running_ = false;
  bool settingsLoaded_ = false;
};
