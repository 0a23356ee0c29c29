#pragma once
// Whole-file reading and safe whole-file writing. Paths are UTF-8 (Linux file names); contents
// are bytes, normally code page 932.

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// The whole file, or nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Splits text into lines at CR LF or LF; a final line without a line end is kept, a final line
// end does not add an empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Lines of a CP932 text file (bytes kept as they are), or nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Writes the file whole: a temporary file in the same folder, then a rename over the target, so a
// failure leaves any previous file intact. A new file gets `mode`; a replaced file keeps the
// mode it had. Returns false (errno set) on failure.
bool WriteFileAtomic(const std::string& path, std::string_view bytes, mode_t mode = 0644);

// Copies a file that could not be read whole to path + ".bak" (replacing an older copy), so
// that a later save of what was read cannot lose the rest. The copy's path, or nullopt.
std::optional<std::string> KeepUnreadCopy(const std::string& path);

// The line a load failure's message ends with when KeepUnreadCopy succeeded; empty otherwise.
std::string UnreadCopyNote(const std::optional<std::string>& copy);

// Joins lines with CR LF after every line, the form of every file the program writes.
std::string JoinCrLf(const std::vector<std::string>& lines);
