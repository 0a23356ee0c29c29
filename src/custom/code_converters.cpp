#include "custom/code_converters.h"

#include "custom/code_table.h"
#include "custom/code_tables.h"
#include "util/cp932.h"
#include "util/fixed_width.h"
#include "util/integer_text.h"

#include <algorithm>
#include <cstdio>

std::string RecordSpecName(std::string_view recordType) {
  static const CodeTable<std::string> table(
      {
          {"RA", {"レース詳細"}},
          {"SE", {"馬毎レース情報"}},
          {"HR", {"払戻"}},
          {"UM", {"競走馬マスタ"}},
          {"KS", {"騎手マスタ"}},
          {"CH", {"調教師マスタ"}},
      },
      "？");
  return table.Text(recordType);
}

std::string AffiliationToInviteFlag(std::string_view affiliation) {
  switch (ParseInteger(affiliation).value_or(0)) {
    case 3: return "1";
    case 4: return "2";
    default: return "0";
  }
}

std::string TrackSurfaceLetter(std::string_view trackCode) {
  int code = ParseInteger(trackCode).value_or(0);
  if ((code >= 10 && code <= 22) || (code >= 51 && code <= 59)) return "T";
  if ((code >= 23 && code <= 26) || code == 29) return "D";
  return "?";
}

std::string JraTrackName(std::string_view courseCode) {
  static const std::string kUnknown = Sjis("？？");
  int code = ParseInteger(courseCode).value_or(0);
  // The JRA courses are the first ten rows of the course table.
  return code >= 1 && code <= 10 ? CourseCountryName(courseCode, 1) : kUnknown;
}

std::string RtdFileName(std::string_view prefix, std::string_view year, std::string_view course,
                        std::string_view race, std::string_view day, std::string_view meeting) {
  std::string name(prefix);
  name += CutField(year, 3, 2);
  name += course == "10" ? std::string_view("a") : CutField(course, 2, 1);
  name += CutField(meeting, 2, 1);
  name += CutField(day, 2, 1);
  int raceNumber = ParseInteger(race).value_or(0);
  if (raceNumber >= 1 && raceNumber <= 9) name += static_cast<char>('0' + raceNumber);
  if (raceNumber >= 10 && raceNumber <= 12) name += static_cast<char>('a' + raceNumber - 10);
  name += ".rtd";
  return name;
}

std::string TenthsToTimeCode(std::uint16_t tenths) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1d%.3d", tenths / 600, tenths % 600);
  return text;
}

int TimeCodeToTenths(std::string_view timeCode) {
  auto part = [&](int pos, int len) {
    return std::max(0, ParseInteger(CutField(timeCode, pos, len)).value_or(0));
  };
  return part(1, 1) * 600 + part(2, 3);
}

std::string BoolToFlag(bool value) { return value ? "1" : "0"; }

bool FlagToBool(std::string_view flag) { return flag == "1"; }

std::string ArrivalSortKey(std::string_view placing, std::string_view abnormality) {
  if (placing != "00") return std::string(placing);
  switch (ParseInteger(abnormality).value_or(0)) {
    case 1: return "95";
    case 2: return "93";
    case 3: return "94";
    case 4: return "92";
    case 5: return "91";
    default: return std::string(placing);
  }
}
