#pragma once
// The race-day schedule of the current week: the switch date, and the race days of the
// AutoDateSpan (7) days from it with their courses, read from "schedule.dat" in the program's
// folder (the YS records of the current year, sorted by date and course).

#include "util/local_time.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class Host;
class TConfig;

constexpr const char* kScheduleFileName = "schedule.dat";
constexpr int kRaceDaysHeld = 6;
constexpr int kCoursesPerDay = 3;
constexpr int kCourseCodes = 10;

// Shown at start-up when "schedule.dat" was not read.
constexpr const char* kNoScheduleNotice =
    "【 Ostravel 】\r\n\r\n現在、開催スケジュール・データが取得されていません。\r\n\r\n"
    "起動後、メニュー［データ｜スケジュール・データの更新］を実行し、"
    "開催スケジュール・データの取得を行って下さい。";

// One race day; Year is empty when the slot holds none.
struct _DateInfo {
  std::string Year;   // "yyyy"
  std::string Month;  // "mm"
  std::string Day;    // "dd"
  std::array<std::string, kCoursesPerDay> JoCode{"00", "00", "00"};  // "01".."10", "00" unused
};

enum class SubstituteResult { Done, NoSchedule, NotFound, WriteFailed };

class TSchedule {
 public:
  using Clock = std::function<LocalDateTime()>;

  // Computes the switch date and, when that succeeded, loads the file. A switch weekday outside
  // 1..7 is reported and taken as Thursday.
  TSchedule(const TConfig& config, Host& host, Clock clock = LocalNow);

  // 0, or 90 for an hour or minute out of range (KijunDate unchanged).
  int CalcKijunDate();
  // Reads the race days of the week starting at KijunDate: 0; 6 when the file is missing or
  // holds no lines; 9 when KijunDate is not a date or the file cannot be read. Lines shorter
  // than 21 bytes, with an impossible date or a course code outside 01..10 are passed over, as
  // are a seventh race day and a fourth course of a day.
  int Load();

  int GetDayCount() const { return dayCount_; }
  // Race day d (0..5) as "yyyymmdd"; empty for a slot without a race day or d out of range.
  std::string GetDate(int d) const;
  // "26年 12月 12日（土曜日）"; empty like GetDate.
  std::string GetDateText(int d) const;
  // Course code of slot 1..3 of race day d ("00" when unused); empty when out of range.
  std::string GetJoCode(int d, int slot) const;
  // Whether course 1..10 races on one of the held days.
  bool HasJo(int code) const;

  // The substitute race day of the options dialog: the first line of the meeting at `course`
  // ("01".."10") on `oldDate` is dated `newDate` ("YS2", today, the new date, the rest of the
  // line), the file rewritten and the schedule reloaded. NoSchedule for a missing or empty file;
  // the file is unchanged unless the result is Done.
  SubstituteResult SubstituteRaceDay(const std::string& oldDate, const std::string& course,
                                     const std::string& newDate);

  const std::string& FilePath() const { return path_; }
  // The calendar year of now, "yyyy": the only year the schedule holds.
  std::string CurrentYear() const;
  // The wall clock from now on; CalcKijunDate and Load do not run again by themselves.
  void SetClock(Clock clock) { clock_ = std::move(clock); }

  std::string KijunDate;  // "yyyymmdd"; the options dialog may set it for this program run
  std::string EndDate;    // the day after the last race day; empty until a file was loaded
  bool Loaded = false;    // "schedule.dat" existed at the last Load

 private:
  void Clear();

  const TConfig& config_;
  Host& host_;
  Clock clock_;
  std::string path_;
  std::array<_DateInfo, kRaceDaysHeld> days_;
  std::uint8_t dayCount_ = 0;
  std::array<bool, kCourseCodes> joFlags_{};
};
