#pragma once
// Field types of the custom output definitions, as named in the definition files. The types
// converted through the JV-Data code tables are listed here; the engine's other types join this
// enum and the name list in field_type.cpp.

#include <optional>
#include <string_view>

enum class FieldType {
  FT_JOCODE,
  FT_YOCODE,
  FT_SZCODE,
  FT_MASSHO_KUBUN,
  FT_UKCODE,
  FT_SXCODE,
  FT_HSCODE,
  FT_KECODE,
  FT_BLINKER,
  FT_MNCODE,
  FT_SHIKAKU_CODE,
  FT_GRCODE,
  FT_KSCODE,
  FT_KKCODE,
  FT_JSCODE,
  FT_KJCODE,
  FT_TRCODE,
  FT_WECODE,
  FT_BJCODE,
  FT_IJCODE,
  FT_DOCHAKU,
  FT_RECORD,
  FT_MINING,
  FT_KYAKUSHITSU,
  FT_SACODE,
  FT_HHNN,
  FT_SOHA,
  FT_MINING_SOHA,
  FT_ARRAY,
  FT_KUMIBAN,
  FT_KUMIBAN_TAN,
};

// The type named exactly `name` (case matters), or nullopt for a name no type has.
std::optional<FieldType> FieldTypeFromName(std::string_view name);
