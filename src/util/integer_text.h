#pragma once
// Decimal integers in record fields and program files.

#include <optional>
#include <string>
#include <string_view>

// Half-width blanks, an optional sign, then one or more ASCII digits and nothing after them; the
// value must fit an int. Everything else is not a number: empty or all-blank text, trailing
// blanks, letters, full-width digits. JV-Data codes padded with zeros ("05") read as numbers; a
// code left blank does not.
std::optional<int> ParseInteger(std::string_view text);

// The decimal text of `value` with at least `digits` digits, zeros in front ("%.*d": 7 and 2 give
// "07", -7 and 2 give "-07", 123 and 2 give "123"). Unlike the fixed-width ZeroPadded, nothing is
// cut.
std::string DecimalMinDigits(int value, int digits);

// Exactly `length` ASCII digits.
bool IsDigits(std::string_view text, std::size_t length);
