#pragma once
// Texts of JV-Link's result codes and of the session's own codes, for the log.

#include <string>

// The code in decimal, " （", its text and "）", for example "-1 （該当データなし）".
std::string ErrorText(int code);
