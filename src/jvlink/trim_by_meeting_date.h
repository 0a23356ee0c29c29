#pragma once
// Narrows a per-record file to the records of a meeting date range.

#include <string>

constexpr int kTrimDone = 0;
constexpr int kTrimFailed = 9;

// Keeps only the lines whose bytes 12 to 19 (the meeting date) lie within from..to, compared as
// text, and replaces the file with them. On failure the file is left unchanged.
int TrimByMeetingDate(const std::string& path, const std::string& from, const std::string& to);
