#pragma once
// Result codes of request steps, run kinds, loaders and converters. Returned, never thrown.

constexpr int kResultOk = 0;
constexpr int kResultCancelled = 5;
constexpr int kResultNoData = 6;
constexpr int kResultFailed = 9;
constexpr int kResultCustomFailed = 90;  // unexpected error of the custom output, after a message
