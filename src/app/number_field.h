#pragma once
// The rule of the date and time edits when they lose the focus.

#include <cstddef>
#include <optional>
#include <string>

constexpr const char* kBadValueMessage = "値が不正です";

// A text of exactly `width` characters stays as it is. Any other text is read as a decimal
// number and written with at least `width` digits ("7" → "07"); nullopt when it is not a number
// (empty included): the window shows kBadValueMessage and keeps the focus in the edit.
std::optional<std::string> NumberFieldText(const std::string& text, std::size_t width);
