#pragma once
// Layouts of the JV-Data time, flag and combination fields for display. Values are the fields as
// cut from the record; lengths are counted in bytes, as the fields are cut. A value of an
// unexpected length is returned unchanged unless noted. `trim` is the field's trim setting being
// on: it drops leading zeros.

#include <string>
#include <string_view>

// "hhnn" as "hh:nn"; trimmed, a leading "0" of the hour is dropped (0945 gives 9:45).
std::string StartTimeText(std::string_view value, bool trim);

// "mSSf" as "m:SS.f" (form 1) or "m.SS.f" (other forms); trimmed, zero minutes are dropped with
// their separator (0595 gives 59.5) and "0000" gives empty.
std::string RunningTimeText(std::string_view value, int form, bool trim);

// "mSSff" as RunningTimeText with two fraction digits; "00000" has no special case.
std::string MiningTimeText(std::string_view value, int form, bool trim);

// The 1-based positions of the "1" flags joined by "/": plain numbers for an 8-flag value, two
// digits otherwise (02/19). No flag set gives empty.
std::string FlagArrayText(std::string_view value);

// Horse or bracket numbers of a bet joined by `separator`: 2 characters are two one-digit numbers,
// 4 and 6 characters two and three two-digit numbers, written without leading zeros when trimmed.
// A blank value gives empty when trimmed and stays as it is otherwise.
std::string CombinationText(std::string_view value, char separator, bool trim);
