#include "store_checker.h"

#include "record_builder.h"
#include "support/temp_dir.h"
#include "util/cp932.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

namespace {

using Files = std::map<std::string, std::string>;  // path in the store -> contents

const char* const kRaFile = "stored/RACE/RARA2026061320260615140000.jvd";
const char* const kSeFile = "stored/RACE/SERA2026061320260615140000.jvd";
const char* const kHrFile = "stored/RACE/HRRA2026061320260615140000.jvd";
const char* const kUmFile = "stored/RCVN/UMRC2026061320260611170000.jvd";
const char* const kYsFile = "stored/YSCH/YSYS2026061320260608150000.jvd";

void RaceKey(RecordBuilder& r, bool withRace = true) {
  r.raw("開催年", "2026").raw("開催月日", "0613").raw("競馬場コード", "05");
  r.raw("開催回[第N回]", "03").raw("開催日目[N日目]", "03");
  if (withRace) r.raw("レース番号", "11");
}

std::string Ra(const std::string& registered = "02") {
  RecordBuilder r("RA");
  r.raw("データ区分", "7").raw("データ作成年月日", "20260615");
  RaceKey(r);
  r.raw("登録頭数", registered);
  return r.record();
}

std::string Se(int number, int placing, const std::string& regNo) {
  RecordBuilder r("SE");
  r.raw("データ区分", "7").raw("データ作成年月日", "20260615");
  RaceKey(r);
  r.num("枠番", number).num("馬番", number).raw("血統登録番号", regNo).text("馬名", Sjis("テストホース"));
  r.num("確定着順", placing);
  return r.record();
}

std::string Hr(const std::string& winner) {
  RecordBuilder r("HR");
  r.raw("データ区分", "2").raw("データ作成年月日", "20260615");
  RaceKey(r);
  r.raw("単勝払戻(1) 馬番", winner).raw("単勝払戻(1) 払戻金", "000000350");
  r.raw("馬連払戻(1) 組番", "0102").raw("馬単払戻(1) 組番", "0102");
  return r.record();
}

std::string Um(const std::string& regNo) {
  RecordBuilder r("UM");
  r.raw("データ区分", "4").raw("データ作成年月日", "20260611").raw("血統登録番号", regNo);
  return r.record();
}

std::string Ys() {
  RecordBuilder r("YS");
  r.raw("データ区分", "2").raw("データ作成年月日", "20260608");
  RaceKey(r, false);
  return r.record();
}

// A race with its results, payouts, runners' masters and schedule: nothing to find fault with.
Files GoodStore() {
  return {
      {"store.ini", "[Store]\r\nThisWeekFrom=20260611\r\n"},
      {kRaFile, Ra()},
      {kSeFile, Se(1, 1, "2022100001") + Se(2, 2, "2022100002")},
      {kHrFile, Hr("01")},
      {kUmFile, Um("2022100001") + Um("2022100002")},
      {kYsFile, Ys()},
  };
}

CheckResult CheckFiles(const Files& files) {
  TempDir dir;
  for (const auto& [path, contents] : files) {
    std::filesystem::create_directories(std::filesystem::path(dir.file(path)).parent_path());
    WriteAll(dir.file(path), contents);
  }
  return CheckStore(dir.path());
}

TEST(StoreChecker, AcceptsAConsistentStore) {
  CheckResult result = CheckFiles(GoodStore());
  EXPECT_TRUE(result.ok) << result.fault;
  EXPECT_EQ(result.files, 5);
  EXPECT_EQ(result.records, 7);
}

TEST(StoreChecker, NamesTheFirstFaultByFileAndLine) {
  struct Case {
    const char* what;
    std::function<void(Files&)> spoil;
    std::string expected;
  } cases[] = {
      {"a record cut short",
       [](Files& f) { f[kSeFile] = Se(1, 1, "2022100001") + Se(2, 2, "2022100002").erase(100, 1); },
       std::string(kSeFile) + ":2: record SE is 554 bytes, its type has 555"},
      {"LF without CR", [](Files& f) { f[kRaFile].erase(f[kRaFile].size() - 2, 1); }, std::string(kRaFile) + ":1: the record ends in LF without CR"},
      {"no line end", [](Files& f) { f[kRaFile].resize(f[kRaFile].size() - 2); }, std::string(kRaFile) + ":1: the last record has no CR LF"},
      {"a record of another data kind", [](Files& f) { f[kRaFile] += Um("2022100001"); },
       std::string(kRaFile) + ":2: record type UM does not belong to RACE"},
      {"a date that is none", [](Files& f) { f[kRaFile].replace(3, 8, "20261340"); },
       std::string(kRaFile) + ":1: データ作成年月日 is not a date"},
      {"a race number out of range", [](Files& f) { f[kRaFile].replace(25, 2, "13"); }, std::string(kRaFile) + ":1: race number \"13\""},
      {"a payout to a loser", [](Files& f) { f[kHrFile] = Hr("02"); },
       std::string(kHrFile) + ":1: win payout names horse 02, the results place horse 01 first"},
      {"a count that is not the runners'", [](Files& f) { f[kRaFile] = Ra("03"); },
       std::string(kRaFile) + ":1: 登録頭数 3 but 2 runners in the results"},
      {"a runner without master", [](Files& f) { f[kUmFile] = Um("2022100001"); },
       std::string(kSeFile) + ":2: this week's runner 2022100002 has no UM in RCVN"},
      {"a race day out of the schedule", [](Files& f) { f[kYsFile] = Ys().replace(19, 2, "06"); },
       std::string(kRaFile) + ":1: race day 2026061305 is not in the schedule (YSCH)"},
      {"a malformed file name",
       [](Files& f) { f["stored/RACE/RARA2026061320261315140000.jvd"] = f[kRaFile]; },
       "stored/RACE/RARA2026061320261315140000.jvd: file name is not"},
      {"an answer to another day", [](Files& f) { f["realtime/0B12/20260614.txt"] = Ra(); },
       "realtime/0B12/20260614.txt:1: race date 20260613 is not the day of the request 20260614"},
      {"one file name in two data kinds", [](Files& f) { f["stored/YSCH/RARA2026061320260615140000.jvd"] = Ys(); },
       "stored/YSCH/RARA2026061320260615140000.jvd: another data kind has a file of this name"},
      {"an unknown data kind", [](Files& f) { f["stored/RACX/RARA2026061320260615140000.jvd"] = Ra(); },
       "stored/RACX: not a stored data kind"},
  };
  for (const Case& c : cases) {
    Files files = GoodStore();
    c.spoil(files);
    CheckResult result = CheckFiles(files);
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_EQ(result.fault.substr(0, c.expected.size()), c.expected) << c.what;
  }
}

}  // namespace
