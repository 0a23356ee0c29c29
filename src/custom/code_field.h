#pragma once
// The conversion the custom output applies to a field whose type has a JV-Data code table.

#include "custom/field_type.h"

#include <string>
#include <string_view>

// `value` is the field as cut from the record (code page 932), `form` the entry's code form and
// `trim` whether its trim setting is on (1). A form below 1 means no conversion: the value comes
// back unchanged (for FT_GRCODE the engine still trims such a value as plain text when asked).
// Otherwise the type's table gives the result, in code page 932.
std::string ConvertCodeField(FieldType type, std::string_view value, int form, bool trim);
