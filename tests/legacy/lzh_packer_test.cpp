#include "legacy/lzh_packer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <utime.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "legacy/lzh_crc16.h"
#include "support/temp_dir.h"
#include "util/cp932.h"

namespace {

// Deterministic bytes for the fixtures.
class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed) {}
  std::uint32_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state_ >> 33);
  }

 private:
  std::uint64_t state_;
};

std::string RandomBytes(std::size_t size, std::uint32_t seed, unsigned alphabet = 256,
                        char first = 0) {
  Random random(seed);
  std::string bytes;
  for (std::size_t i = 0; i < size; ++i)
    bytes.push_back(static_cast<char>(first + random.Next() % alphabet));
  return bytes;
}

// Fixed-width lines of digits, CP932 names and blanks, as the legacy files hold.
std::string Records(std::size_t size, std::uint32_t seed) {
  const std::string names[] = {Sjis("サクラハヤテ"), Sjis("キタノダイヤ"), Sjis("メイショウ")};
  Random random(seed);
  std::string text;
  while (text.size() < size) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%08u%04u", random.Next() % 100000000,
                  random.Next() % 10000);
    std::string name = names[random.Next() % 3];
    text += digits + name + std::string(36 - name.size(), ' ') +
            std::to_string(random.Next() % 999) + std::string(40, ' ') + "\r\n";
  }
  return text;
}

struct CommandResult {
  int status = -1;
  std::string output;
};

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  int status = ::pclose(pipe);
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}

// Names in the order `lha l` lists them (the last column between the two rules).
std::vector<std::string> ListedNames(const std::string& archive) {
  CommandResult listing = RunCommand("lha l '" + archive + "'");
  EXPECT_EQ(listing.status, 0) << listing.output;
  std::vector<std::string> names;
  std::istringstream lines(listing.output);
  std::string line;
  int rules = 0;
  while (std::getline(lines, line)) {
    if (line.rfind("----", 0) == 0) {
      ++rules;
    } else if (rules == 1) {
      names.push_back(line.substr(line.find_last_of(' ') + 1));
    }
  }
  return names;
}

struct ArchivedFile {
  std::string name;
  std::string bytes;
};

// lhasa lists exactly these files in this order, finds every CRC right and extracts the same
// bytes.
void ExpectLhaReadsBack(const std::string& archive, const std::vector<ArchivedFile>& files) {
  std::vector<std::string> names;
  for (const ArchivedFile& file : files) names.push_back(file.name);
  EXPECT_EQ(ListedNames(archive), names);
  CommandResult test = RunCommand("lha t '" + archive + "'");
  EXPECT_EQ(test.status, 0) << test.output;
  TempDir out;
  CommandResult extract = RunCommand("lha xw='" + out.path() + "' '" + archive + "'");
  EXPECT_EQ(extract.status, 0) << extract.output;
  for (const ArchivedFile& file : files) {
    std::string extracted = ReadAll(out.file(file.name));
    EXPECT_TRUE(extracted == file.bytes) << file.name << ": " << extracted.size()
                                         << " bytes extracted, " << file.bytes.size() << " packed";
  }
}

// Every file and folder below `folder` with its contents.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    std::string name = std::filesystem::relative(entry.path(), folder).string();
    files[name] = entry.is_directory() ? "<folder>" : ReadAll(entry.path().string());
  }
  return files;
}

class PackLzhArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LzhPackerAvailable()) GTEST_SKIP() << "built without the LZH packer";
  }

  // Writes the files into the folder and packs them into `archive` there.
  void Pack(const std::string& archive, const std::vector<ArchivedFile>& files) {
    std::vector<std::string> names;
    for (const ArchivedFile& file : files) {
      WriteAll(dir_.file(file.name), file.bytes);
      names.push_back(file.name);
    }
    LzhPackResult result = PackLzhArchive(dir_.file(archive), dir_.path(), names);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_TRUE(result.reason.empty());
  }

  TempDir dir_;
};

TEST_F(PackLzhArchiveTest, LhaReadsBackEveryKindOfFile) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* method;
  };
  const Case cases[] = {
      {"an empty file", "", "-lh0-"},
      {"one byte", "x", "-lh0-"},
      {"records over 64 KiB, then text of another make (several blocks)",
       Records(150000, 1) + RandomBytes(90000, 2, 10, '0'), "-lh5-"},
      {"incompressible bytes", RandomBytes(20000, 3), "-lh0-"},
      {"nothing but spaces", std::string(100000, ' '), "-lh5-"},
      {"copies from the far end of the window", RandomBytes(8191, 4) + RandomBytes(8191, 4),
       "-lh5-"},
  };
  int number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string archive = "case" + std::to_string(++number) + ".lzh";
    Pack(archive, {{"JracSei1.dat", c.bytes}});
    ExpectLhaReadsBack(dir_.file(archive), {{"JracSei1.dat", c.bytes}});
    EXPECT_EQ(ReadAll(dir_.file(archive)).substr(2, 5), c.method);
  }
}

TEST_F(PackLzhArchiveTest, StoresTheModificationTime) {
  WriteAll(dir_.file("JracKisi.dat"), Records(3000, 5));
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 9;
  local.tm_hour = 10;
  local.tm_min = 20;
  local.tm_sec = 30;  // even: MS-DOS time stamps count two-second steps
  local.tm_isdst = -1;
  std::time_t stamp = std::mktime(&local);
  struct utimbuf times {
    stamp, stamp
  };
  ASSERT_EQ(::utime(dir_.file("JracKisi.dat").c_str(), &times), 0);
  ASSERT_TRUE(PackLzhArchive(dir_.file("kk240309.lzh"), dir_.path(), {"JracKisi.dat"}).ok);

  TempDir out;
  ASSERT_EQ(RunCommand("lha xw='" + out.path() + "' '" + dir_.file("kk240309.lzh") + "'").status,
            0);
  struct stat status {};
  ASSERT_EQ(::stat(out.file("JracKisi.dat").c_str(), &status), 0);
  EXPECT_EQ(status.st_mtime, stamp);
}

TEST_F(PackLzhArchiveTest, UpdateReplacesInPlaceKeepsTheOthersAndAppendsNewNames) {
  const std::string sei1 = Records(30000, 6), seih = Records(5000, 7), hyo1 = Records(8000, 8);
  Pack("so240309.lzh", {{"JracSei1.dat", sei1}, {"JracSeih.dat", seih}, {"JracHyo1.dat", hyo1}});
  ExpectLhaReadsBack(dir_.file("so240309.lzh"),
                     {{"JracSei1.dat", sei1}, {"JracSeih.dat", seih}, {"JracHyo1.dat", hyo1}});

  const std::string newSeih = Records(6000, 9), ods1 = Records(4000, 10);
  Pack("so240309.lzh", {{"JracOds1.dat", ods1}, {"JracSeih.dat", newSeih}});
  ExpectLhaReadsBack(dir_.file("so240309.lzh"), {{"JracSei1.dat", sei1},
                                                 {"JracSeih.dat", newSeih},
                                                 {"JracHyo1.dat", hyo1},
                                                 {"JracOds1.dat", ods1}});
}

// A stored entry under a level-2 header, as other archivers write them: a 26-byte base header
// whose last field is the size of the file name header that follows.
std::string Level2StoredEntry(const std::string& name, const std::string& bytes) {
  auto le16 = [](std::size_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  };
  auto le32 = [&](std::size_t v) { return le16(v & 0xFFFF) + le16(v >> 16); };
  std::string nameHeader = "\x01" + name + le16(0);
  std::string header = le16(26 + nameHeader.size()) + "-lh0-" + le32(bytes.size()) +
                       le32(bytes.size()) + le32(1700000000) + "\x20\x02" + le16(LzhCrc16(bytes)) +
                       "U" + le16(nameHeader.size());
  return header + nameHeader + bytes;
}

TEST_F(PackLzhArchiveTest, KeepsEntriesWrittenWithOtherHeaderLevels) {
  const std::string other = Records(2000, 11), added = Records(2000, 12);
  WriteAll(dir_.file("mixed.lzh"), Level2StoredEntry("other.txt", other) + std::string(1, '\0'));
  ASSERT_EQ(RunCommand("lha t '" + dir_.file("mixed.lzh") + "'").status, 0)
      << "the fixture is sound";
  Pack("mixed.lzh", {{"JracDelu.dat", added}});
  ExpectLhaReadsBack(dir_.file("mixed.lzh"), {{"other.txt", other}, {"JracDelu.dat", added}});
}

TEST_F(PackLzhArchiveTest, FailureLeavesEverythingAsItWas) {
  struct Case {
    const char* what;
    std::function<void(const TempDir&)> prepare;
    std::vector<std::string> names;
    const char* archive;
  };
  auto rewriteArchive = [](std::function<void(std::string&)> change) {
    return [change](const TempDir& dir) {
      std::string bytes = ReadAll(dir.file("out.lzh"));
      change(bytes);
      WriteAll(dir.file("out.lzh"), bytes);
    };
  };
  auto nothing = [](const TempDir&) {};
  const Case cases[] = {
      {"a source file is missing", nothing, {"a.dat", "missing.dat"}, "out.lzh"},
      {"a source name is a folder",
       [](const TempDir& dir) { std::filesystem::create_directory(dir.file("dir.dat")); },
       {"dir.dat"},
       "out.lzh"},
      {"a name has a folder part",
       [](const TempDir& dir) {
         std::filesystem::create_directory(dir.file("sub"));
         WriteAll(dir.file("sub/b.dat"), "b");
       },
       {"sub/b.dat"},
       "out.lzh"},
      {"the archive is a text file",
       rewriteArchive([](std::string& b) { b = "plain text\r\n"; }),
       {"a.dat"},
       "out.lzh"},
      {"the archive is cut short",
       rewriteArchive([](std::string& b) { b.resize(b.size() - 10); }),
       {"a.dat"},
       "out.lzh"},
      {"a header check sum fails",
       rewriteArchive([](std::string& b) { b[1] = static_cast<char>(b[1] ^ 0x55); }),
       {"a.dat"},
       "out.lzh"},
      {"the archive's folder is missing", nothing, {"a.dat"}, "missing/out.lzh"},
      {"the archive name is taken by a folder",
       [](const TempDir& dir) {
         std::filesystem::create_directory(dir.file("taken.lzh"));
         WriteAll(dir.file("taken.lzh/inner"), "x");
       },
       {"a.dat"},
       "taken.lzh"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteAll(dir.file("a.dat"), Records(20000, 13));
    ASSERT_TRUE(PackLzhArchive(dir.file("out.lzh"), dir.path(), {"a.dat"}).ok);
    c.prepare(dir);
    auto before = Snapshot(dir.path());

    LzhPackResult result = PackLzhArchive(dir.file(c.archive), dir.path(), c.names);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(Snapshot(dir.path()) == before) << "no file changed, none left behind";
  }
}

}  // namespace
