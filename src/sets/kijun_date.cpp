#include "sets/kijun_date.h"

#include "util/date_text.h"
#include "util/result_codes.h"

bool IsValidKijunYobi(int kijunYobi) { return kijunYobi >= 1 && kijunYobi <= 7; }

int CalcKijunDate(const LocalDateTime& now, int kijunYobi, int kijunHH, int kijunNN,
                  std::string& kijunDate) {
  if (kijunHH < 0 || kijunHH > 23 || kijunNN < 0 || kijunNN > 59) return kKijunDateFailed;
  if (!IsValidKijunYobi(kijunYobi)) kijunYobi = kDefaultKijunYobi;
  std::chrono::weekday switchDay{static_cast<unsigned>(kijunYobi - 1)};
  std::chrono::sys_days today{now.date};

  std::chrono::sys_days begin;
  if (std::chrono::weekday{today} == switchDay) {
    bool switched = now.hour * 60 + now.minute >= kijunHH * 60 + kijunNN;
    begin = switched ? today : today - std::chrono::days{7};
  } else {
    // 1 to 6 days back: the weekdays in between are all different.
    begin = today - (std::chrono::weekday{today} - switchDay);
  }
  kijunDate = FormatDate8(std::chrono::year_month_day{begin});
  return kResultOk;
}
