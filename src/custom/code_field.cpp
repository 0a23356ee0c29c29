#include "custom/code_field.h"

#include "custom/code_formats.h"
#include "custom/code_tables.h"

std::string ConvertCodeField(FieldType type, std::string_view value, int form, bool trim) {
  if (form < 1) return std::string(value);
  // No default, so the compiler lists each type that joins the enum: it gets its table here, or
  // is converted by the engine and returned unchanged below.
  switch (type) {
    case FieldType::FT_JOCODE: return CourseCountryName(value, form);
    case FieldType::FT_YOCODE: return WeekdayName(value, form);
    case FieldType::FT_SZCODE: return AffiliationName(value);
    case FieldType::FT_MASSHO_KUBUN: return RegistrationStatusName(value);
    case FieldType::FT_UKCODE: return HorseMark(value);
    case FieldType::FT_SXCODE: return SexName(value);
    case FieldType::FT_HSCODE: return BreedName(value);
    case FieldType::FT_KECODE: return CoatColourName(value);
    case FieldType::FT_BLINKER: return BlinkerMark(value);
    case FieldType::FT_MNCODE: return ApprenticeMark(value);
    case FieldType::FT_SHIKAKU_CODE: return RidingQualificationName(value);
    case FieldType::FT_GRCODE: return GradeName(value);
    case FieldType::FT_KSCODE: return RaceClassName(value, form);
    case FieldType::FT_KKCODE: return RaceSymbolText(value);
    case FieldType::FT_JSCODE: return WeightRuleName(value);
    case FieldType::FT_KJCODE: return RaceConditionName(value, form);
    case FieldType::FT_TRCODE: return TrackName(value, form);
    case FieldType::FT_WECODE: return WeatherName(value);
    case FieldType::FT_BJCODE: return GoingName(value, form);
    case FieldType::FT_IJCODE: return AbnormalityName(value, form);
    case FieldType::FT_DOCHAKU: return DeadHeatMark(value);
    case FieldType::FT_RECORD: return RecordUpdateName(value);
    case FieldType::FT_MINING: return MiningKindName(value);
    case FieldType::FT_KYAKUSHITSU: return RunningStyleName(value);
    case FieldType::FT_SACODE: return MarginText(value);
    case FieldType::FT_HHNN: return StartTimeText(value, trim);
    case FieldType::FT_SOHA: return RunningTimeText(value, form, trim);
    case FieldType::FT_MINING_SOHA: return MiningTimeText(value, form, trim);
    case FieldType::FT_ARRAY: return FlagArrayText(value);
    case FieldType::FT_KUMIBAN: return CombinationText(value, '-', trim);
    case FieldType::FT_KUMIBAN_TAN: return CombinationText(value, '>', trim);
  }
  return std::string(value);
}
