#include "custom/field_type.h"

#include <utility>

namespace {

constexpr std::pair<std::string_view, FieldType> kFieldTypeNames[] = {
    {"FT_JOCODE", FieldType::FT_JOCODE},
    {"FT_YOCODE", FieldType::FT_YOCODE},
    {"FT_SZCODE", FieldType::FT_SZCODE},
    {"FT_MASSHO_KUBUN", FieldType::FT_MASSHO_KUBUN},
    {"FT_UKCODE", FieldType::FT_UKCODE},
    {"FT_SXCODE", FieldType::FT_SXCODE},
    {"FT_HSCODE", FieldType::FT_HSCODE},
    {"FT_KECODE", FieldType::FT_KECODE},
    {"FT_BLINKER", FieldType::FT_BLINKER},
    {"FT_MNCODE", FieldType::FT_MNCODE},
    {"FT_SHIKAKU_CODE", FieldType::FT_SHIKAKU_CODE},
    {"FT_GRCODE", FieldType::FT_GRCODE},
    {"FT_KSCODE", FieldType::FT_KSCODE},
    {"FT_KKCODE", FieldType::FT_KKCODE},
    {"FT_JSCODE", FieldType::FT_JSCODE},
    {"FT_KJCODE", FieldType::FT_KJCODE},
    {"FT_TRCODE", FieldType::FT_TRCODE},
    {"FT_WECODE", FieldType::FT_WECODE},
    {"FT_BJCODE", FieldType::FT_BJCODE},
    {"FT_IJCODE", FieldType::FT_IJCODE},
    {"FT_DOCHAKU", FieldType::FT_DOCHAKU},
    {"FT_RECORD", FieldType::FT_RECORD},
    {"FT_MINING", FieldType::FT_MINING},
    {"FT_KYAKUSHITSU", FieldType::FT_KYAKUSHITSU},
    {"FT_SACODE", FieldType::FT_SACODE},
    {"FT_HHNN", FieldType::FT_HHNN},
    {"FT_SOHA", FieldType::FT_SOHA},
    {"FT_MINING_SOHA", FieldType::FT_MINING_SOHA},
    {"FT_ARRAY", FieldType::FT_ARRAY},
    {"FT_KUMIBAN", FieldType::FT_KUMIBAN},
    {"FT_KUMIBAN_TAN", FieldType::FT_KUMIBAN_TAN},
};

}  // namespace

std::optional<FieldType> FieldTypeFromName(std::string_view name) {
  for (const auto& [typeName, type] : kFieldTypeNames) {
    if (typeName == name) return type;
  }
  return std::nullopt;
}
