#pragma once
// Narrows a per-record file to the records of a meeting date range.

#include <string>

// Keeps only the lines whose bytes 12 to 19 (the meeting date) lie within from..to, compared as
// text, and replaces the file with them: kResultOk, or kResultFailed with the file unchanged.
int TrimByMeetingDate(const std::string& path, const std::string& from, const std::string& to);
