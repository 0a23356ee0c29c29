#pragma once
// Individual acquisition: one JV-Link request with hand-set parameters, from the pages
// "[個] 蓄積" (run kind 5, into output folder slot 18) and "[個] 速報" (run kind 6, through the
// work folder into slot 19).

#include <array>
#include <string>
#include <string_view>

class TAppCore;

// Items of the pages' radio groups and combo boxes; a data kind item's first four characters
// are its dataspec.
extern const std::array<std::string_view, 13> kIndividualStoredKinds;
extern const std::array<std::string_view, 4> kIndividualOptions;
extern const std::array<std::string_view, 16> kIndividualRealtimeKinds;
extern const std::array<std::string_view, 10> kIndividualCourses;  // course code = index + 1
constexpr int kIndividualRaces = 12;                                // "01" to "12"

// Whether JV-Link accepts the stored data kind with option 1 to 4.
bool OptionAllowed(const std::string& dataSpec, int option);

// Real-time kinds whose key is the date alone; the others take course and race.
bool IsDayLevelRealtimeKind(int index);

// Index of the item of `items` whose dataspec is `dataSpec`, -1 when there is none.
template <std::size_t N>
int DataSpecIndex(const std::array<std::string_view, N>& items, std::string_view dataSpec) {
  for (std::size_t i = 0; i < N; ++i) {
    if (dataSpec.size() == 4 && items[i].substr(0, 4) == dataSpec) return static_cast<int>(i);
  }
  return -1;
}

// The work of run kinds 5 and 6, from the core's page inputs: 0, 5, 6 or 9.
int RunIndividualStored(TAppCore& core);
int RunIndividualRealtime(TAppCore& core);

void RegisterIndividualAcquisition(TAppCore& core);
