#pragma once
// The published JV-Data record layouts (data/jvdata/*.tsv, built into the program): byte position
// and length of every field of every record type, and which record types each data kind delivers.
// Names are UTF-8, as in the tables.

#include <string>
#include <string_view>
#include <vector>

struct JvField {
  int no = 0;
  std::string name;
  int pos = 0;  // 1-based byte position in the record line
  int len = 0;  // bytes
  std::string kind;  // YMD, HHNN, SOHA, MSOHA, TIMESA, BOX3..BOX6, ARRAY or empty
};

struct JvRecordLayout {
  std::string type;  // "RA", "SE", …
  std::string name;
  int length = 0;  // CR LF included
  std::vector<JvField> fields;

  const JvField* field(int no) const;                // nullptr when out of range
  const JvField* field(std::string_view name) const;  // nullptr when there is none
};

struct JvDataSpec {
  std::string code;      // "RACE", "0B12", …
  bool realtime = false;
  std::string keyLevel;  // real-time only: "day" or "race"
  std::vector<std::string> recordTypes;
};

const std::vector<JvRecordLayout>& JvRecordLayouts();
const JvRecordLayout* FindJvRecordLayout(std::string_view type);
int JvRecordLength(std::string_view type);  // 0 for an unknown type

const std::vector<JvDataSpec>& JvDataSpecs();
const JvDataSpec* FindJvDataSpec(std::string_view code);
