#pragma once
// Run kinds: the byte that says which work a run does, and the headline the run driver writes.

#include <cstdint>
#include <string>

constexpr std::uint8_t kRunByPage = 0;  // StartRun: the work of the active page
constexpr std::uint8_t kRunSet = 1;
constexpr std::uint8_t kRunLegacy = 2;
constexpr std::uint8_t kRunRtdJvData = 3;
constexpr std::uint8_t kRunRtdOld = 4;
constexpr std::uint8_t kRunIndividualStored = 5;
constexpr std::uint8_t kRunIndividualRealtime = 6;
constexpr std::uint8_t kRunLegacyPast = 7;
constexpr std::uint8_t kRunLegacyActive = 8;
constexpr std::uint8_t kRunSchedule = 9;  // runs its own busy state, never through StartRun
constexpr std::uint8_t kRunLegacyPastOld = 10;
constexpr std::uint8_t kRunCustomUpdate = 11;
constexpr std::uint8_t kRunCustomRealtime = 12;
constexpr std::uint8_t kLastRunKind = kRunCustomRealtime;

// The headline of a kind; kind 11 reads differently when the start button chose it.
std::string RunHeadline(std::uint8_t kind, bool byStartButton);
