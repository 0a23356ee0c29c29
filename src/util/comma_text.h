#pragma once
// Splits a line into comma-separated fields the way the program's definition files were always
// read: commas, blanks and control characters all separate fields; an empty field stands between
// two commas and after a final comma; a field may be enclosed in double quotes (a doubled quote
// inside stands for one), and text straight after its closing quote starts a new field.

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SplitCommaText(std::string_view text);
