#pragma once
// Options given as "--name VALUE" or "--name=VALUE", for the global options and the commands.

#include <map>
#include <optional>
#include <string>
#include <vector>

// When args[i] is `option`, takes its value (from args[i + 1], advancing i, or after "=") and
// returns true; false for another argument or a missing value.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& option,
               std::optional<std::string>& value);

// The values of a command's options, every argument being one of `names` with its value. False
// for anything else (an unknown option, a missing value, a stray argument).
bool ParseCommandOptions(const std::vector<std::string>& args,
                         const std::vector<std::string>& names,
                         std::map<std::string, std::string>& values);
