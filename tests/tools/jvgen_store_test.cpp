// The jvgen program end to end: default stores for weeks around the year, checked by the program
// itself and read here record by record.

#include "support/temp_dir.h"
#include "util/fixed_width.h"
#include "util/jvdata_layout.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int exitCode = -1;
  std::string output;
};

Outcome Jvgen(const std::string& args, const TempDir& scratch) {
  std::string log = scratch.file("jvgen.log");
  int status = std::system((std::string(JVGEN_BINARY) + " " + args + " > " + log + " 2>&1").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(log)};
}

std::string Field(const std::string& record, const char* type, const std::string& name) {
  const JvField* f = FindJvRecordLayout(type)->field(name);
  return f ? std::string(CutField(record, f->pos, f->len)) : std::string();
}

// Records of the stored files of a data kind whose data date is on or after `from`.
std::vector<std::string> StoredRecords(const std::string& store, const std::string& kind, const std::string& type,
                                       const std::string& from = "00000000") {
  std::vector<std::string> out;
  fs::path folder = fs::path(store) / "stored" / kind;
  if (!fs::exists(folder)) return out;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    std::string name = file.filename().string();
    if (name.substr(0, 2) != type || name.substr(4, 8) < from) continue;
    std::string text = ReadAll(file.string());
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = text.find("\r\n", at);
      out.push_back(text.substr(at, end + 2 - at));
      at = end + 2;
    }
  }
  return out;
}

std::map<std::string, std::string> AllFiles(const std::string& store) {
  std::map<std::string, std::string> out;
  for (const auto& entry : fs::recursive_directory_iterator(store)) {
    if (entry.is_regular_file()) out[fs::relative(entry.path(), store).string()] = ReadAll(entry.path().string());
  }
  return out;
}

struct Week {
  const char* today;
  const char* thisWeekFrom;
  const char* raceDay;  // a race day of the week
  std::set<char> stages;  // the data kinds of its RA records published by today
};

void PrintTo(const Week& week, std::ostream* out) { *out << "today " << week.today; }

class DefaultStore : public testing::TestWithParam<Week> {};

TEST_P(DefaultStore, PassesTheCheckAndAgreesWithItself) {
  const Week& week = GetParam();
  TempDir scratch;
  std::string store = scratch.file("store");
  Outcome made = Jvgen("--out " + store + " --today " + week.today, scratch);
  ASSERT_EQ(made.exitCode, 0) << made.output;
  EXPECT_NE(ReadAll(store + "/store.ini").find(std::string("ThisWeekFrom=") + week.thisWeekFrom + "\r\n"), std::string::npos);

  Outcome checked = Jvgen("--check " + store, scratch);
  ASSERT_EQ(checked.exitCode, 0) << checked.output;

  // The week's race day is there at the stages published by today, and no stored file is
  // stamped later than today.
  std::set<char> stages;
  for (const std::string& ra : StoredRecords(store, "RACE", "RA", week.raceDay)) {
    if (Field(ra, "RA", "開催年") + Field(ra, "RA", "開催月日") == week.raceDay) stages.insert(ra[2]);
  }
  EXPECT_EQ(stages, week.stages) << week.raceDay;
  for (const auto& entry : fs::recursive_directory_iterator(store + "/stored")) {
    std::string name = entry.path().filename().string();
    if (entry.is_regular_file()) {
      EXPECT_LE(name.substr(12, 8), week.today) << name;
    }
  }

  // Every horse in this week's race records has its master among the runners' masters.
  std::set<std::string> masters;
  for (const std::string& um : StoredRecords(store, "RCVN", "UM")) masters.insert(Field(um, "UM", "血統登録番号"));
  int runners = 0;
  for (const std::string& se : StoredRecords(store, "RACE", "SE", week.thisWeekFrom)) {
    ++runners;
    EXPECT_TRUE(masters.count(Field(se, "SE", "血統登録番号"))) << Field(se, "SE", "血統登録番号");
  }
  EXPECT_GT(runners, 100);

  // Payouts name the horses the results place first, second and third.
  std::map<std::string, std::map<int, std::string>> placed;  // race key -> placing -> horse number
  for (const std::string& se : StoredRecords(store, "RACE", "SE")) {
    if (se[2] == '7') placed[se.substr(11, 16)][std::stoi(Field(se, "SE", "確定着順"))] = Field(se, "SE", "馬番");
  }
  int payouts = 0;
  for (const std::string& hr : StoredRecords(store, "RACE", "HR")) {
    std::map<int, std::string>& order = placed[hr.substr(11, 16)];
    ++payouts;
    EXPECT_EQ(Field(hr, "HR", "単勝払戻(1) 馬番"), order[1]) << hr.substr(11, 16);
    EXPECT_EQ(Field(hr, "HR", "馬単払戻(1) 組番"), order[1] + order[2]) << hr.substr(11, 16);
    EXPECT_EQ(Field(hr, "HR", "3連単払戻(1) 組番"), order[1] + order[2] + order[3]) << hr.substr(11, 16);
  }
  EXPECT_GT(payouts, 20);

  // The same store with one record cut short fails the check, which names the record.
  std::string victim;
  for (const auto& entry : fs::directory_iterator(store + "/stored/RACE")) {
    if (entry.path().filename().string().substr(0, 2) == "SE") victim = entry.path().string();
  }
  ASSERT_FALSE(victim.empty());
  std::string text = ReadAll(victim);
  int length = JvRecordLength("SE");
  ASSERT_GE(text.size(), 3u * static_cast<std::size_t>(length));
  text.erase(2 * static_cast<std::size_t>(length) + 100, 1);  // a byte of the third record
  WriteAll(victim, text);
  Outcome spoiled = Jvgen("--check " + store, scratch);
  EXPECT_EQ(spoiled.exitCode, 1);
  std::string where = fs::relative(victim, store).string() + ":3: record SE is 554 bytes";
  EXPECT_NE(spoiled.output.find(where), std::string::npos) << spoiled.output;
}

INSTANTIATE_TEST_SUITE_P(Weeks, DefaultStore,
                         testing::Values(
                             // mid-year, on the Saturday: race cards out, results not yet
                             Week{"20260613", "20260611", "20260613", {'1', '2'}},
                             // across New Year, after the opening day's results
                             Week{"20270106", "20261231", "20270105", {'1', '2', '7'}},
                             // a Monday holiday, the day after it
                             Week{"20261013", "20261008", "20261012", {'1', '2', '7'}}),
                         [](const testing::TestParamInfo<Week>& info) { return std::string("Today") + info.param.today; });

TEST(Jvgen, OneSeedGivesTheSameBytes) {
  TempDir scratch;
  ASSERT_EQ(Jvgen("--out " + scratch.file("a") + " --today 20260702 --seed 7", scratch).exitCode, 0);
  ASSERT_EQ(Jvgen("--out " + scratch.file("b") + " --today 20260702 --seed 7", scratch).exitCode, 0);
  std::map<std::string, std::string> a = AllFiles(scratch.file("a")), b = AllFiles(scratch.file("b"));
  EXPECT_GT(a.size(), 500u);
  EXPECT_EQ(a.size(), b.size());
  for (const auto& [path, bytes] : a) EXPECT_TRUE(b.count(path) && b[path] == bytes) << path;
}

TEST(Jvgen, RefusesBadArguments) {
  TempDir scratch;
  for (const char* args : {"", "--out", "--out x --check y", "--out x --today 20260230", "--out x --scale 0"}) {
    Outcome run = Jvgen(args, scratch);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_NE(run.output.find("jvgen"), std::string::npos) << args;
  }
  EXPECT_EQ(Jvgen("--check " + scratch.file("missing"), scratch).exitCode, 1);
}

}  // namespace
