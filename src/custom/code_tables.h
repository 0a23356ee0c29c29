#pragma once
// Display texts of the JV-Data code fields. `code` is the field exactly as cut from the record
// (code page 932, possibly blank); results are code page 932. Numeric codes are read with
// ParseInteger, and a code that is not a number falls back as each table says (usually to a value
// no table holds, so to its empty fallback). `form` picks the variant of a table that has several
// (1 first, 2 second, 3 third); a form the table lacks gives empty unless noted.

#include <string>
#include <string_view>

// Racecourses by number, then countries by text; an unknown code gives "場" and the code in form
// 1 and the code alone in form 2. A form other than 1 or 2 gives the code unchanged.
std::string CourseCountryName(std::string_view code, int form);
std::string WeekdayName(std::string_view code, int form);
std::string AffiliationName(std::string_view code);
std::string RegistrationStatusName(std::string_view code);  // not a number: "？？"
std::string HorseMark(std::string_view code);
std::string SexName(std::string_view code);
std::string BreedName(std::string_view code);
std::string CoatColourName(std::string_view code);
std::string BlinkerMark(std::string_view code);
std::string ApprenticeMark(std::string_view code);
std::string RidingQualificationName(std::string_view code);
std::string GradeName(std::string_view code);
std::string RaceClassName(std::string_view code, int form);
std::string RaceSymbolText(std::string_view code);  // three characters, else empty
std::string WeightRuleName(std::string_view code);
std::string RaceConditionName(std::string_view code, int form);
std::string TrackName(std::string_view code, int form);
std::string WeatherName(std::string_view code);
std::string GoingName(std::string_view code, int form);
std::string AbnormalityName(std::string_view code, int form);
std::string DeadHeatMark(std::string_view code);
std::string RecordUpdateName(std::string_view code);
std::string MiningKindName(std::string_view code);
std::string RunningStyleName(std::string_view code);
std::string MarginText(std::string_view code);  // the three characters, blanks included, are the key
