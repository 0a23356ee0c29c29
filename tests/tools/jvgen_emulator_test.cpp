// A generated store served through the JV-Link emulator and the real session: every stored and
// real-time data kind delivers records, and only record types that data kind carries.

#include "app/app_core.h"
#include "jvlink/jvlink_emulator.h"
#include "jvlink/jvlink_session.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "util/file_io.h"
#include "util/jvdata_layout.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// A Monday: the week's results are published, so every stored kind has something to say.
constexpr const char* kToday = "20260615";
constexpr const char* kRaceDay = "20260613";
constexpr const char* kWin5Day = "20260614";  // WIN5 is sold on Sundays only

class GeneratedStoreThroughEmulator : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new TempDir;
    std::string command = std::string(JVGEN_BINARY) + " --out " + root_->file("store") +
                          " --today " + kToday + " > " + root_->file("jvgen.log") + " 2>&1";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadAll(root_->file("jvgen.log"));
  }
  static void TearDownTestSuite() {
    delete root_;
    root_ = nullptr;
  }

  // Runs one request into a fresh folder and returns the record types found there with their
  // record counts; `result` gets the session's result.
  std::map<std::string, int> Fetch(JVLINK_PARA request, bool realtime, int& result) {
    std::string out = root_->file("out-" + std::to_string(++requests_));
    fs::create_directories(out);
    request.OutDir = out;
    request.NameParts = {"DS", "RS"};
    RecordingHost host;
    TJVLinkSession session(std::make_unique<JvLinkEmulator>(root_->file("program"), root_->file("store")),
                           host);
    session.SetPollInterval(std::chrono::milliseconds(0));
    EXPECT_EQ(session.InitLink(kSoftwareId), 0);
    result = realtime ? session.OpenRealtime(request) : session.OpenStored(request);
    std::map<std::string, int> types;
    for (const auto& entry : fs::directory_iterator(out)) {
      auto lines = ReadTextLines(entry.path().string());
      if (!lines) continue;
      for (const std::string& line : *lines) {
        EXPECT_EQ(static_cast<int>(line.size()) + 2, JvRecordLength(line.substr(0, 2)))
            << entry.path().filename() << " holds a record of the wrong length";
        ++types[line.substr(0, 2)];
      }
    }
    EXPECT_TRUE(host.texts(HostMessage::Error).empty());
    return types;
  }

  static TempDir* root_;
  static inline int requests_ = 0;
};

TempDir* GeneratedStoreThroughEmulator::root_ = nullptr;

TEST_F(GeneratedStoreThroughEmulator, EveryStoredKindDeliversItsRecords) {
  for (const JvDataSpec& kind : JvDataSpecs()) {
    if (kind.realtime) continue;
    JVLINK_PARA request;
    request.DataSpec = kind.code;
    request.FromTime = "20000101000000";
    // The supplementary kinds come only with this week's data; the others from setup.
    request.Option = kind.code == "TCVN" || kind.code == "RCVN" ? 2 : 4;
    if (kind.code == "TOKU") request.Option = 1;
    int result = -1;
    std::map<std::string, int> types = Fetch(request, false, result);
    EXPECT_EQ(result, kRequestDone) << kind.code;
    EXPECT_FALSE(types.empty()) << kind.code << " delivered nothing";
    std::set<std::string> allowed(kind.recordTypes.begin(), kind.recordTypes.end());
    for (const auto& [type, count] : types) {
      EXPECT_TRUE(allowed.count(type)) << kind.code << " delivered " << type;
    }
  }
}

TEST_F(GeneratedStoreThroughEmulator, EveryRealtimeKindAnswersForTheRaceDay) {
  for (const JvDataSpec& kind : JvDataSpecs()) {
    if (!kind.realtime) continue;
    JVLINK_PARA request;
    request.DataSpec = kind.code;
    // Race-level kinds are asked for race 11 of the first course of the day.
    request.Key = kind.code == "0B51" ? kWin5Day : kRaceDay;
    if (kind.keyLevel == "race") {
      std::string first;
      for (const auto& entry : fs::directory_iterator(root_->file("store/realtime/" + kind.code))) {
        std::string key = entry.path().stem().string();
        if (key.rfind(kRaceDay, 0) == 0 && (first.empty() || key < first)) first = key;
      }
      ASSERT_FALSE(first.empty()) << kind.code << " has no answer on " << kRaceDay;
      request.Key = first.substr(0, 10) + "11";
    }
    int result = -1;
    std::map<std::string, int> types = Fetch(request, true, result);
    EXPECT_EQ(result, kRequestDone) << kind.code << " " << request.Key;
    EXPECT_FALSE(types.empty()) << kind.code;
    std::set<std::string> allowed(kind.recordTypes.begin(), kind.recordTypes.end());
    for (const auto& [type, count] : types) {
      EXPECT_TRUE(allowed.count(type)) << kind.code << " delivered " << type;
    }
  }
}

}  // namespace
