#include "app/page_inputs.h"

#include "config/tconfig.h"
#include "util/date_text.h"

namespace {

bool AnyDataBoxTicked(const LegacyPageInput& legacy) {
  return legacy.checkLegDenma || legacy.checkLegDenmaKK || legacy.checkLegKishu ||
         legacy.checkLegKishuKK || legacy.checkLegChokyoshi || legacy.checkLegChokyoshiKK ||
         legacy.checkLegChiho || legacy.checkLegHatsu || legacy.checkLegSeiseki ||
         legacy.checkLegSeisekiKK || legacy.checkLegMasKyosoba || legacy.checkLegMasKishu ||
         legacy.checkLegMasChokyoshi || legacy.checkLegTokuUma || legacy.checkLegTokuKyosoba ||
         legacy.checkLegSchedule;
}

std::string CheckLegacyInput(const LegacyPageInput& legacy) {
  if (!AnyDataBoxTicked(legacy)) return "取得対象データが選択されていません";
  bool needsRaceDay = legacy.checkLegDenma || legacy.checkLegDenmaKK || legacy.checkLegHatsu;
  if (needsRaceDay && !legacy.checkLegDenmaAll && legacy.selectedRaceDay < 0) {
    return "取得対象日付が指定されていません";
  }
  return "";
}

}  // namespace

RunInput InitialRunInput(std::chrono::year_month_day today) {
  RunInput input;
  const std::string date = FormatDate8(today);
  const std::string year = date.substr(0, 4);
  const std::string month = date.substr(4, 2);
  const std::string day = date.substr(6, 2);
  input.stored.year = input.realtime.year = year;
  input.stored.month = input.realtime.month = month;
  input.stored.day = input.realtime.day = day;
  input.stored.hour = input.stored.minute = input.stored.second = "00";
  return input;
}

std::string CheckRunInput(const RunInput& input) {
  switch (input.activePage) {
    case RunPage::Set:
      return input.set.selectedSet < 0 ? "取得対象のセットが選択されていません" : "";
    case RunPage::Legacy:
      return CheckLegacyInput(input.legacy);
    case RunPage::Rtd:
      return input.rtd.selectedRaceDay < 0 ? "取得開催日が選択されていません" : "";
    case RunPage::Chikuseki:
      if (input.stored.dataSpecIndex < 0) return "データ種別が指定されていません";
      return input.stored.optionIndex < 0 ? "オプションが指定されていません" : "";
    case RunPage::Sokuho:
      return input.realtime.dataSpecIndex < 0 ? "データ種別が指定されていません" : "";
    case RunPage::Custom:
    case RunPage::Timer:
      break;
  }
  return "";
}

RunPage StartPage(const TConfig& config) {
  const bool funcs[] = {config.FuncSet,    config.FuncLegacy,           config.FuncRtd,
                        config.FuncCustom, config.FuncKobetsuChikuseki, config.FuncKobetsuSokuho};
  if (config.FirstPage >= 0 && config.FirstPage < 6 && funcs[config.FirstPage]) {
    return static_cast<RunPage>(config.FirstPage);
  }
  return RunPage::Set;
}
