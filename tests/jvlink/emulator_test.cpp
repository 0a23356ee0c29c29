// The emulator's answers to JV-Link calls, read straight from a store built by the test.

#include "jvlink/jvlink_emulator.h"
#include "support/store_fixture.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Opened {
  int result = 0;
  int readCount = 0;
  int downloadCount = 0;
  std::string lastFileTimeStamp;
};

Opened Open(JvLink& link, const std::string& kind, const std::string& from, int option) {
  Opened o;
  o.result = link.JVOpen(kind, from, option, o.readCount, o.downloadCount, o.lastFileTimeStamp);
  return o;
}

// Every JVRead result up to 0: the file name for a record, "-1" for a file end, or the code.
std::vector<std::string> ReadAllResults(JvLink& link) {
  std::vector<std::string> results;
  std::string record, file;
  int size = kJvReadBufferSize;
  while (true) {
    int n = link.JVRead(record, size, file);
    if (n == 0) return results;
    results.push_back(n > 0 ? file : std::to_string(n));
    if (n < -1) return results;
  }
}

class EmulatorTest : public ::testing::Test {
 protected:
  EmulatorTest() {
    store.WriteStoreIni("[Store]\r\nThisWeekFrom=20230118\r\n");
    auto add = [&](const std::string& date, const std::string& stamp) {
      return store.AddStored("RACE", "RARA", date, stamp, {Record("RA", date, "")});
    };
    a = add("20230105", "20230106100000");
    b = add("20230112", "20230113100000");
    c = add("20230119", "20230120100000");
    // Not a JV-Link file name: ignored.
    WriteAll(store.storeDir + "/stored/RACE/readme.txt", "x");
  }

  std::unique_ptr<JvLinkEmulator> Initialised() {
    auto emulator = store.Emulator();
    EXPECT_EQ(emulator->JVInit("SA000000/SD000000/Ostravel/Ver.4.01"), kJvOk);
    return emulator;
  }

  StoreFixture store;
  std::string a, b, c;
};

TEST_F(EmulatorTest, OptionAndFromTimeSelectTheFiles) {
  struct Case {
    int option;
    const char* from;
    std::vector<std::string> files;
  };
  const std::vector<Case> cases = {
      {1, "20230110000000", {b, c}},
      {1, "20230113100000", {c}},  // a time stamp equal to fromtime is not newer
      {2, "20230101000000", {c}},
      {3, "20230112235959", {b, c}},
      {4, "20230101000000", {a, b, c}},
  };
  auto link = Initialised();
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.option) + " " + k.from);
    Opened o = Open(*link, "RACE", k.from, k.option);
    ASSERT_EQ(o.result, kJvOk);
    EXPECT_EQ(o.readCount, static_cast<int>(k.files.size()));
    EXPECT_EQ(o.lastFileTimeStamp, k.files.back().substr(12, 14));
    std::vector<std::string> expected;
    for (const std::string& file : k.files) {
      expected.push_back(file);
      expected.push_back("-1");
    }
    EXPECT_EQ(ReadAllResults(*link), expected);
    EXPECT_EQ(link->JVClose(), kJvOk);
  }
  EXPECT_EQ(Open(*link, "RACE", "20230120100000", 1).result, kJvNoData);
  EXPECT_EQ(link->JVClose(), kJvOk);
  store.WriteStoreIni("");
  EXPECT_EQ(Open(*link, "RACE", "20230101000000", 2).result, kJvNoData)
      << "without ThisWeekFrom no file is this week's";
}

TEST_F(EmulatorTest, RefusesWhatJvLinkRefuses) {
  auto fresh = store.Emulator();
  EXPECT_EQ(Open(*fresh, "RACE", "20230101000000", 1).result, kJvNotInitialised);
  EXPECT_EQ(fresh->JVInit(""), kJvSidMissing);
  EXPECT_EQ(fresh->JVInit(std::string(65, 'x')), kJvSidTooLong);
  EXPECT_EQ(fresh->JVInit("\xFF"), kJvSidInvalid);

  struct Case {
    const char* kind;
    const char* from;
    int option;
    int expected;
  };
  const std::vector<Case> cases = {
      {"XXXX", "20230101000000", 1, kJvBadDataSpec}, {"0B12", "20230101000000", 1, kJvBadDataSpec},
      {"RACE", "2023010100000", 1, kJvBadFromTime},  {"RACE", "2023010100000x", 1, kJvBadFromTime},
      {"RACE", "20230101000000", 0, kJvBadOption},   {"RACE", "20230101000000", 5, kJvBadOption},
      {"TCVN", "20230101000000", 1, kJvBadDataSpecOption},
      {"DIFN", "20230101000000", 2, kJvBadDataSpecOption},
      {"COMM", "20230101000000", 2, kJvBadDataSpecOption},
      {"TOKU", "20230101000000", 3, kJvBadDataSpecOption},
      {"RCVN", "20230101000000", 4, kJvBadDataSpecOption},
      {"RCVN", "20230101000000", 2, kJvNoData},  {"TOKU", "20230101000000", 1, kJvNoData},
  };
  auto link = Initialised();
  for (const Case& k : cases) {
    EXPECT_EQ(Open(*link, k.kind, k.from, k.option).result, k.expected)
        << k.kind << " " << k.from << " " << k.option;
  }
  struct RtCase {
    const char* kind;
    const char* key;
    int expected;
  };
  for (const RtCase& k : {RtCase{"RACE", "20230105", kJvBadDataSpec},
                          RtCase{"0B12", "202301051", kJvBadKey},
                          RtCase{"0B30", "20230105", kJvBadKey},
                          RtCase{"0B30", "2023010505xx", kJvBadKey},
                          RtCase{"0B30", "202301050511", kJvNoData}}) {
    EXPECT_EQ(link->JVRTOpen(k.kind, k.key), k.expected) << k.kind << " " << k.key;
  }

  std::string record, file;
  int size = kJvReadBufferSize;
  EXPECT_EQ(link->JVRead(record, size, file), kJvNotOpened);
  EXPECT_EQ(link->JVStatus(), kJvNotOpened);
  ASSERT_EQ(Open(*link, "RACE", "20230101000000", 1).result, kJvOk);
  EXPECT_EQ(Open(*link, "RACE", "20230101000000", 1).result, kJvNotClosed);
  EXPECT_EQ(link->JVRTOpen("0B12", "20230105"), kJvNotClosed);
  link->JVClose();

  auto lost = std::make_unique<JvLinkEmulator>(store.programDir, store.root.file("no-store"));
  ASSERT_EQ(lost->JVInit("sid"), kJvOk);
  EXPECT_EQ(Open(*lost, "RACE", "20230101000000", 1).result, kJvBadSettings);
}

TEST_F(EmulatorTest, DownloadCacheOutlivesTheEmulatorUntilJVFileDelete) {
  store.SetPace(2);
  auto link = Initialised();
  Opened o = Open(*link, "RACE", "20230101000000", 1);
  ASSERT_EQ(o.result, kJvOk);
  EXPECT_EQ(o.downloadCount, 3);
  EXPECT_EQ(link->JVStatus(), 2);
  EXPECT_EQ(link->JVStatus(), 3);
  EXPECT_EQ(link->JVStatus(), 3);
  link->JVClose();

  auto later = Initialised();
  EXPECT_EQ(Open(*later, "RACE", "20230101000000", 1).downloadCount, 0);
  EXPECT_EQ(later->JVClose(), kJvOk);
  EXPECT_EQ(later->JVFileDelete(b), kJvOk);
  EXPECT_EQ(later->JVFileDelete(b), kJvFileNotFound);
  EXPECT_EQ(Open(*later, "RACE", "20230101000000", 1).downloadCount, 1);
  later->JVClose();
  EXPECT_EQ(Initialised()->JVFileDelete(b), kJvFileNotFound) << "the deletion was saved";
}

TEST_F(EmulatorTest, ReadingSkipsBlankLinesAndJVSkipMovesToTheNextFile) {
  std::string two = store.AddStoredBytes("RACE", "SERA", "20230121", "20230122100000",
                                         "\r\n" + Record("SE", "20230121", "1") + "\n\n" +
                                             Record("SE", "20230121", "2"));
  auto link = Initialised();
  ASSERT_EQ(Open(*link, "RACE", "20230120000000", 1).result, kJvOk);
  std::string record, file;
  int size = kJvReadBufferSize;
  EXPECT_GT(link->JVRead(record, size, file), 0);
  EXPECT_EQ(file, c);
  link->JVSkip();
  EXPECT_EQ(link->JVRead(record, size, file), static_cast<int>(record.size()));
  EXPECT_EQ(record, Record("SE", "20230121", "1"));
  EXPECT_EQ(file, two);
  EXPECT_GT(link->JVRead(record, size, file), 0);
  EXPECT_EQ(record, Record("SE", "20230121", "2")) << "a missing last line end is supplied";
  EXPECT_EQ(link->JVRead(record, size, file), kJvNoData);
  EXPECT_EQ(link->JVRead(record, size, file), 0);
}

TEST_F(EmulatorTest, StoreFaults) {
  store.WriteStoreIni("[Store]\nPace=1\n");
  auto link = Initialised();
  ASSERT_EQ(Open(*link, "RACE", "20230101000000", 1).result, kJvOk);
  EXPECT_EQ(link->JVStatus(), 1) << "the store's pace wins over the emulator's";
  link->JVClose();

  store.WriteStoreIni("[Faults]\r\nOpenResult=-504\r\n");
  EXPECT_EQ(Open(*link, "RACE", "20230101000000", 1).result, -504);

  store.WriteStoreIni("[faults]\nstatusresult=-502\n");  // names are not case-sensitive
  ASSERT_EQ(Open(*link, "RACE", "20230101000000", 1).result, kJvOk);
  EXPECT_EQ(link->JVStatus(), -502);
  link->JVClose();

  store.WriteStoreIni("[Faults]\nStatusOverCount=2\nReadErrorFile=" + b + "\nReadErrorCode=-402\n");
  Opened o = Open(*link, "RACE", "20230101000000", 1);
  ASSERT_EQ(o.result, kJvOk);
  EXPECT_EQ(link->JVStatus(), o.downloadCount + 2);
  EXPECT_EQ(ReadAllResults(*link), (std::vector<std::string>{a, "-1", "-402"}));
  std::string record, file;
  int size = kJvReadBufferSize;
  EXPECT_EQ(link->JVRead(record, size, file), kJvNoData) << "the error took b's only record";
  link->JVClose();
}

TEST_F(EmulatorTest, SettingsFileCommandLineAndSetupDialog) {
  EmulatorSettings defaults = LoadEmulatorSettings(store.root.file("nowhere"));
  EXPECT_EQ(defaults.storeDir, "");
  EXPECT_EQ(defaults.pace, kDefaultDownloadPace);

  std::string japanese = store.root.file("ストア");
  ASSERT_TRUE(SaveEmulatorSettings(store.programDir, {japanese, 7}));
  EXPECT_EQ(ReadAll(store.programDir + "/jvlink-emulator.ini"),
            "[Emulator]\r\nStoreDir=" + store.root.path() + "/\x83\x58\x83\x67\x83\x41\r\n"
            "Pace=7\r\n");
  EmulatorSettings loaded = LoadEmulatorSettings(store.programDir);
  EXPECT_EQ(loaded.storeDir, japanese);
  EXPECT_EQ(loaded.pace, 7);

  EXPECT_EQ(JvLinkEmulator(store.programDir, store.storeDir).StoreDir(), store.storeDir);
  WriteAll(store.programDir + "/jvlink-emulator.ini", "[Emulator]\nPace=x\n");
  EXPECT_EQ(JvLinkEmulator(store.programDir).StoreDir(), store.programDir + "/store");

  JvLinkEmulator emulator(store.programDir);
  EXPECT_EQ(emulator.JVSetUIProperties(), kJvOk) << "no dialog to show";
  emulator.SetSetupDialog([&](EmulatorSettings& settings) {
    EXPECT_EQ(settings.pace, kDefaultDownloadPace);
    settings.storeDir = store.storeDir;
    settings.pace = 0;
    return true;
  });
  EXPECT_EQ(emulator.JVSetUIProperties(), kJvOk);
  EXPECT_EQ(emulator.StoreDir(), store.storeDir);
  EXPECT_EQ(LoadEmulatorSettings(store.programDir).pace, 0);
}

}  // namespace
