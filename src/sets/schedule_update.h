#pragma once
// The schedule update (run kind 9, "《 スケジュールの更新 》"): fetches the YS records published
// from a date into "schedule.txt" of the work folder, writes this year's lines, sorted, to
// "schedule.dat" and reloads the schedule. It runs its own busy state, not through StartRun.

#include <string>
#include <string_view>

class TAppCore;

constexpr const char* kReceivedScheduleFileName = "schedule.txt";

// fromDate "yyyymmdd". 0, or 9 after a refusal or failure: a failed request leaves
// "schedule.dat" untouched. Failures are a warning (request) or an error box (files), or a log
// line with ControlPopup on. The caller refills the race-day lists on 0.
int UpdateSchedule(TAppCore& core, const std::string& fromDate);

// Steps after the request: the received lines sorted by date and course, those of `year` written
// whole to `schedulePath`. False when the received file cannot be read or is empty, or the
// schedule cannot be written (it is then left as it was).
bool StoreReceivedSchedule(const std::string& receivedPath, const std::string& schedulePath,
                           std::string_view year);
