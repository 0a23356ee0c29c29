// The session through the emulator and real files: every request is a JVOpen or JVRTOpen on a
// store built by the test, read into per-record files in a temporary folder.

#include "jvlink/jvlink_session.h"
#include "jvlink/result_text.h"
#include "support/store_fixture.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

using namespace std::chrono_literals;

constexpr const char* kSoftwareId = "SA000000/SD000000/Ostravel/Ver.4.01";

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

class SessionTest : public ::testing::Test {
 protected:
  // Created after the test has laid out the store and the emulator's settings.
  TJVLinkSession& Start(std::unique_ptr<JvLink> link = nullptr) {
    session = std::make_unique<TJVLinkSession>(link ? std::move(link) : store.Emulator(), host);
    session->SetPollInterval(0ms);
    EXPECT_EQ(session->InitLink(kSoftwareId), kJvOk);
    return *session;
  }

  StoreFixture store;
  RecordingHost host;
  std::unique_ptr<TJVLinkSession> session;
};

const std::string kRa1 = Record("RA", "20230105", "ra1");
const std::string kRa2 = Record("RA", "20230105", "ra2");
const std::string kRa3 = Record("RA", "20230106", "ra3");
const std::string kSe1 = Record("SE", "20230105", "se1");
const std::string kSe2 = Record("SE", "20230106", "se2");

TEST_F(SessionTest, RecordsOfTwoFilesGoToTheirPerRecordFilesInOrder) {
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1, kRa2, kSe1});
  store.AddStored("RACE", "RARA", "20230106", "20230107120000", {kRa3});
  TJVLinkSession& link = Start();

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone);
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), Joined({kRa1, kRa2, kRa3}));
  EXPECT_EQ(ReadAll(store.Out("RACE_SE.txt")), kSe1);
  EXPECT_EQ(link.LastFileTimeStamp(), "20230107120000");
  EXPECT_EQ(host.pumpCount, 1) << "complete at the first poll";
  EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false}));

  // Everything is in the download cache now: no wait, reading starts at once, and the files
  // accumulate the same records again.
  host.pumpCount = 0;
  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone);
  EXPECT_EQ(host.pumpCount, 0);
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), Joined({kRa1, kRa2, kRa3, kRa1, kRa2, kRa3}));
}

TEST_F(SessionTest, DownloadWaitPollsUntilEveryFileIsDownloaded) {
  for (const char* stamp : {"20230106120000", "20230107120000", "20230108120000"}) {
    store.AddStored("RACE", "RARA", "20230105", stamp, {kRa1});
  }
  store.SetPace(1);
  TJVLinkSession& link = Start();

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone);
  EXPECT_EQ(host.pumpCount, 3);
  using Progress = std::vector<std::pair<int, int>>;
  EXPECT_EQ(host.progress, (Progress{{1, 3}, {2, 3}, {3, 3}, {0, 0}}));
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), Joined({kRa1, kRa1, kRa1}));
}

TEST_F(SessionTest, StatusAboveTheDownloadCountFailsAndLeavesNoRequestOpen) {
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1});
  store.WriteStoreIni("[Faults]\r\nStatusOverCount=1\r\n");
  TJVLinkSession& link = Start();

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestFailed);
  EXPECT_EQ(ErrorText(kRequestFailed), "-999 （Ostravel固有のエラー）");
  EXPECT_FALSE(link.LastFailure().empty());
  EXPECT_FALSE(Exists(store.Out("RACE_RA.txt")));

  store.WriteStoreIni("");
  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone)
      << "the failed request was closed, so the next one is not refused";
}

TEST_F(SessionTest, JvLinkResultsBecomeRequestResults) {
  struct Case {
    const char* storeIni;
    std::function<void(JVLINK_PARA&)> change;
    int expected;
  };
  const std::vector<Case> cases = {
      {"", [](JVLINK_PARA& r) { r.FromTime = "20240101000000"; }, kRequestNoData},
      {"[Faults]\nOpenResult=-504\n", nullptr, -504},
      {"[Faults]\nStatusResult=-502\n", nullptr, -502},
      {"[Faults]\nStatusResult=-1\n", nullptr, kRequestNoData},
      {"", [](JVLINK_PARA& r) {
         r.DataSpec = "DIFN";
         r.Option = 2;
       }, kJvBadDataSpecOption},
      {"", [](JVLINK_PARA& r) { r.FromTime = "2023"; }, kJvBadFromTime},
  };
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.storeIni);
    store.WriteStoreIni(c.storeIni);
    std::filesystem::remove(store.programDir + "/" + kDownloadCacheFile);
    TJVLinkSession& link = Start();
    JVLINK_PARA request = store.StoredRequest();
    if (c.change) c.change(request);
    EXPECT_EQ(link.OpenStored(request), c.expected);
    store.WriteStoreIni("");
    EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone) << "the request was closed";
  }
  EXPECT_TRUE(host.texts(HostMessage::Error).empty());
}

TEST_F(SessionTest, RecordFilterSkipsFilesThatStartWithAnUnwantedType) {
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1, kSe1});
  store.AddStored("RACE", "SERA", "20230106", "20230107120000", {kSe2, kSe1});
  TJVLinkSession& link = Start();
  JVLINK_PARA request = store.StoredRequest();
  request.UseRecFilter = true;
  request.RecSpec[4] = "SE";

  EXPECT_EQ(link.OpenStored(request), kRequestDone);
  EXPECT_FALSE(Exists(store.Out("RACE_RA.txt")));
  EXPECT_EQ(ReadAll(store.Out("RACE_SE.txt")), Joined({kSe2, kSe1}))
      << "the SE record of the skipped file is not read";
}

TEST_F(SessionTest, MeetingDateRangeDropsRecordsOutsideIt) {
  const std::string early = Record("RA", "20230105", "a");
  const std::string middle = Record("RA", "20230110", "b");
  const std::string late = Record("RA", "20230115", "c");
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {early, middle, late});
  struct Case {
    const char* from;
    const char* to;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"00000000", "99999999", Joined({early, middle, late})},
      {"20230110", "99999999", Joined({middle, late})},
      {"00000000", "20230110", Joined({early, middle})},
      {"20230106", "20230114", middle},
  };
  TJVLinkSession& link = Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + "-" + c.to);
    std::filesystem::remove(store.Out("RACE_RA.txt"));
    JVLINK_PARA request = store.StoredRequest();
    request.DateFrom = c.from;
    request.DateTo = c.to;
    EXPECT_EQ(link.OpenStored(request), kRequestDone);
    EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), c.expected);
  }
}

TEST_F(SessionTest, StopAfterDateToEndsAtTheFirstFileBeyondItsMonth) {
  // Every record is within the meeting date range; only the file names' months differ.
  const std::string january = Record("RA", "20230101", "jan");
  const std::string february = Record("RA", "20230101", "feb");
  const std::string march = Record("RA", "20230101", "mar");
  store.AddStored("RACE", "RARA", "20230110", "20230111120000", {january});
  store.AddStored("RACE", "RARA", "20230228", "20230301120000", {february});
  store.AddStored("RACE", "RARA", "20230301", "20230302120000", {march});
  TJVLinkSession& link = Start();
  for (bool stop : {true, false}) {
    SCOPED_TRACE(stop);
    std::filesystem::remove(store.Out("RACE_RA.txt"));
    JVLINK_PARA request = store.StoredRequest();
    request.DateTo = "20230228";
    request.StopAfterDateTo = stop;
    EXPECT_EQ(link.OpenStored(request), kRequestDone);
    EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")),
              stop ? Joined({january, february}) : Joined({january, february, march}));
  }
}

TEST_F(SessionTest, ExistingLinesStayFirst) {
  std::string tenLines;
  for (int i = 0; i < 10; ++i) tenLines += "old line " + std::to_string(i) + "\r\n";
  WriteAll(store.Out("RACE_RA.txt"), tenLines);
  WriteAll(store.Out("RACE_SE.txt"), "last line without a line end");
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1, kSe1, kRa2});
  TJVLinkSession& link = Start();

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone);
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), tenLines + kRa1 + kRa2);
  EXPECT_EQ(ReadAll(store.Out("RACE_SE.txt")), "last line without a line end\r\n" + kSe1);
}

TEST_F(SessionTest, FilesVisitedAgainInOneJvLinkFileHoldEveryRecordOnce) {
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1, kSe1, kRa2});
  store.AddStored("RACE", "RARA", "20230106", "20230107120000", {kSe2, kRa3});
  TJVLinkSession& link = Start();

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone);
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), Joined({kRa1, kRa2, kRa3}));
  EXPECT_EQ(ReadAll(store.Out("RACE_SE.txt")), Joined({kSe1, kSe2}));

  // A literal element puts every record type into one file.
  JVLINK_PARA request = store.StoredRequest();
  request.NameParts = {"schedule", "", "", "", ""};
  EXPECT_EQ(link.OpenStored(request), kRequestDone);
  EXPECT_EQ(ReadAll(store.Out("schedule.txt")), Joined({kRa1, kSe1, kRa2, kSe2, kRa3}));
}

TEST_F(SessionTest, ReadErrorDeletesTheReportedFileSoThatItIsDownloadedAgain) {
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1});
  std::string bad = store.AddStored("RACE", "RARA", "20230106", "20230107120000", {kRa2, kRa3});
  store.WriteStoreIni("[Faults]\r\nReadErrorFile=" + bad + "\r\nReadErrorCode=-403\r\n");
  TJVLinkSession& link = Start();

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kJvFileCorrupt);
  EXPECT_EQ(host.texts(HostMessage::Error),
            std::vector<std::string>{"【JV-Link システムエラー】\r\n\r\nJVRead（読込）エラー: -403"});
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), kRa1) << "the first file was written before";

  store.WriteStoreIni("");
  host.progress.clear();
  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone);
  EXPECT_EQ(host.progress.front(), std::make_pair(1, 1)) << "only the deleted file is fetched";
}

TEST_F(SessionTest, QuietFlagHidesJvLinkErrorBoxesButKeepsTheCodes) {
  std::string bad = store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1});
  for (bool quiet : {false, true}) {
    SCOPED_TRACE(quiet);
    host.messages.clear();
    store.WriteStoreIni("");
    auto owned = store.Emulator();
    TJVLinkSession link(std::move(owned), host);
    link.SetPollInterval(0ms);
    link.SetQuiet(quiet);
    EXPECT_EQ(link.InitLink(""), kJvSidMissing);
    EXPECT_EQ(link.InitLink(kSoftwareId), kJvOk);
    store.WriteStoreIni("[Faults]\nReadErrorFile=" + bad +
                        "\nReadErrorCode=-402\nCloseResult=-401\n");
    EXPECT_EQ(link.OpenStored(store.StoredRequest()), kJvFileEmpty);
    std::vector<std::string> expected;
    if (!quiet) {
      expected = {"【JV-Link システムエラー】\r\n\r\nJVInit（初期化）エラー: -101",
                  "【JV-Link システムエラー】\r\n\r\nJVRead（読込）エラー: -402",
                  "【JV-Link システムエラー】\r\n\r\nJVClose（終了）エラー: -401"};
    }
    EXPECT_EQ(host.texts(HostMessage::Error), expected);
  }
}

TEST_F(SessionTest, NamingPattern2) {
  store.AddStored("RACE", "SERA", "20230105", "20230106120000", {kSe1});
  store.AddRealtime("0B30", "202301050511", {Record("O1", "20230105", "odds")});
  TJVLinkSession& link = Start();

  JVLINK_PARA stored = store.StoredRequest();
  stored.NamingPattern = 1;
  EXPECT_EQ(link.OpenStored(stored), kRequestDone);
  EXPECT_EQ(ReadAll(store.Out("SE_20230101000000.txt")), kSe1);

  JVLINK_PARA realtime = stored;
  realtime.DataSpec = "0B30";
  realtime.Key = "202301050511";
  realtime.RtDate = "20230105";
  realtime.RtJyo = "05";
  realtime.RtRace = "11";
  EXPECT_EQ(link.OpenRealtime(realtime), kRequestDone);
  EXPECT_EQ(ReadAll(store.Out("SOKUHO_20230105_O1_0511.txt")),
            Record("O1", "20230105", "odds"));
}

TEST_F(SessionTest, RealtimeRequests) {
  const std::string wh = Record("WH", "20230105", "weights");
  store.AddRealtime("0B11", "20230105", {wh});
  TJVLinkSession& link = Start();
  JVLINK_PARA request = store.StoredRequest();
  request.DataSpec = "0B11";
  request.NameParts = {"DS", "RS", "KEY", "", ""};

  request.Key = "20230105";
  EXPECT_EQ(link.OpenRealtime(request), kRequestDone);
  EXPECT_EQ(ReadAll(store.Out("S_0B11_WH_20230105.txt")), wh);

  request.Key = "20230106";
  EXPECT_EQ(link.OpenRealtime(request), kRequestNoData);
  request.Key = "2023010";
  EXPECT_EQ(link.OpenRealtime(request), kJvBadKey);
  EXPECT_EQ(link.RequestKey(), "2023010");
  store.WriteStoreIni("[Faults]\nRtOpenResult=-504\n");
  request.Key = "20230105";
  EXPECT_EQ(link.OpenRealtime(request), -504);
}

TEST_F(SessionTest, CancelDuringTheDownloadWait) {
  for (const char* stamp : {"20230106120000", "20230107120000", "20230108120000"}) {
    store.AddStored("RACE", "RARA", "20230105", stamp, {kRa1});
  }
  store.SetPace(1);
  TJVLinkSession& link = Start();
  host.onPump = [&] {
    if (host.pumpCount == 2) link.RequestCancel();
  };

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestCancelled);
  EXPECT_FALSE(Exists(store.Out("RACE_RA.txt")));
  EXPECT_EQ(host.busyChanges.back(), false);

  // The download stopped after one file; the next request fetches the other two.
  host.onPump = nullptr;
  host.progress.clear();
  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone);
  EXPECT_EQ(host.progress.front(), std::make_pair(1, 2));
}

// Passes every call on to the emulator and lets the test act after a given number of records,
// the way a window event handled between two reads would.
class ActAfterRecords : public JvLink {
 public:
  ActAfterRecords(std::unique_ptr<JvLink> link, int records, std::function<void()> action)
      : link_(std::move(link)), left_(records), action_(std::move(action)) {}
  int JVInit(const std::string& sid) override { return link_->JVInit(sid); }
  int JVSetUIProperties() override { return link_->JVSetUIProperties(); }
  int JVOpen(const std::string& kind, const std::string& from, int option, int& reads,
             int& downloads, std::string& stamp) override {
    return link_->JVOpen(kind, from, option, reads, downloads, stamp);
  }
  int JVStatus() override { return link_->JVStatus(); }
  int JVRTOpen(const std::string& kind, const std::string& key) override {
    return link_->JVRTOpen(kind, key);
  }
  int JVRead(std::string& record, int& size, std::string& fileName) override {
    int n = link_->JVRead(record, size, fileName);
    if (n > 0 && --left_ == 0) action_();
    return n;
  }
  void JVSkip() override { link_->JVSkip(); }
  void JVCancel() override { link_->JVCancel(); }
  int JVClose() override { return link_->JVClose(); }
  int JVFileDelete(const std::string& name) override { return link_->JVFileDelete(name); }
  std::string JVLinkVersion() const override { return link_->JVLinkVersion(); }

 private:
  std::unique_ptr<JvLink> link_;
  int left_;
  std::function<void()> action_;
};

TEST_F(SessionTest, CancelDuringReadingLosesOnlyTheLinesNotYetWritten) {
  WriteAll(store.Out("RACE_RA.txt"), "existing\r\n");
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1, kSe1, kRa2, kRa3});
  TJVLinkSession* link = nullptr;
  // Cancel after the third record: RA was written when SE began, SE when RA came back; the RA
  // lines of this second visit were not written yet.
  link = &Start(std::make_unique<ActAfterRecords>(store.Emulator(), 3,
                                                  [&] { link->RequestCancel(); }));

  EXPECT_EQ(link->OpenStored(store.StoredRequest()), kRequestCancelled);
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), "existing\r\n" + kRa1);
  EXPECT_EQ(ReadAll(store.Out("RACE_SE.txt")), kSe1);
}

TEST_F(SessionTest, BrokenInputFailsClearlyAndKeepsWhatWasWritten) {
  struct Case {
    const char* what;
    std::string secondFile;
    int expected;
  };
  const std::vector<Case> cases = {
      {"a record shorter than 27 bytes", kRa2 + "RA7202212312023\r\n", kRequestFailed},
      {"a record id that is not two letters or digits", kRa2 + Record("./", "20230105", "x"),
       kRequestFailed},
      {"a record longer than JV-Link's buffer", kRa2 + std::string(110001, 'R') + "\r\n",
       kJvFileCorrupt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StoreFixture fresh;
    fresh.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1, kSe1});
    fresh.AddStoredBytes("RACE", "RARA", "20230106", "20230107120000", c.secondFile);
    RecordingHost quietHost;
    TJVLinkSession link(fresh.Emulator(), quietHost);
    link.SetPollInterval(0ms);
    link.SetQuiet(true);
    ASSERT_EQ(link.InitLink(kSoftwareId), kJvOk);
    EXPECT_EQ(link.OpenStored(fresh.StoredRequest()), c.expected);
    EXPECT_EQ(ReadAll(fresh.Out("RACE_RA.txt")), kRa1) << "the second file's RA is not written";
    EXPECT_EQ(ReadAll(fresh.Out("RACE_SE.txt")), kSe1);
    if (c.expected == kRequestFailed) {
      EXPECT_FALSE(link.LastFailure().empty());
    }
  }
}

TEST_F(SessionTest, StoreFilesWithLfLineEndsOrBytesOutsideCp932AreCopiedFaithfully) {
  std::string ra1 = kRa1.substr(0, kRa1.size() - 2);
  std::string ra2 = kRa2.substr(0, kRa2.size() - 2);
  std::string odd = Record("RA", "20230105", "\x82\xA0\xFF\x80\x81");
  store.AddStoredBytes("RACE", "RARA", "20230105", "20230106120000", ra1 + "\n" + ra2);
  store.AddStored("RACE", "RARA", "20230106", "20230107120000", {odd});
  TJVLinkSession& link = Start();

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestDone);
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), Joined({kRa1, kRa2, odd}));
}

TEST_F(SessionTest, UnwritableOutputFailsWithoutTouchingOtherFiles) {
  store.AddStored("RACE", "RARA", "20230105", "20230106120000", {kRa1, kSe1});
  std::filesystem::create_directory(store.Out("RACE_SE.txt"));  // a folder in the way
  TJVLinkSession& link = Start();

  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kRequestFailed);
  EXPECT_NE(link.LastFailure().find("RACE_SE.txt"), std::string::npos);
  EXPECT_EQ(ReadAll(store.Out("RACE_RA.txt")), kRa1) << "written when SE began";

  JVLINK_PARA missing = store.StoredRequest();
  missing.OutDir = store.Out("no-such-folder");
  EXPECT_EQ(link.OpenStored(missing), kRequestFailed);
  EXPECT_FALSE(Exists(missing.OutDir));
}

TEST_F(SessionTest, InitialisationAndVersion) {
  auto emulator = store.Emulator();
  TJVLinkSession link(std::move(emulator), host);
  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kJvNotInitialised);
  EXPECT_EQ(link.InitLink(std::string(65, 'S')), kJvSidTooLong);
  EXPECT_EQ(link.InitLink(std::string(64, 'S')), kJvOk);
  EXPECT_EQ(link.LinkVersion(), "1.0.0");

  store.WriteStoreIni("[Faults]\r\nInitResult=-301\r\n");
  EXPECT_EQ(link.InitLink(kSoftwareId), -301);
  EXPECT_EQ(link.OpenStored(store.StoredRequest()), kJvNotInitialised);
  EXPECT_EQ(ErrorText(-301), "-301 （認証エラー）");
}

}  // namespace
