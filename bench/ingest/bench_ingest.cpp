// Ingest benchmark: a RACE store read through the JV-Link emulator and the session into
// per-record files, timed against `cat` copying the same bytes in the same run, with the peak
// resident memory of the process that runs the session. Runs at the full size and at a quarter
// of it, so that a time per MB growing with the size shows.
//
//   bench_ingest [--mib N] [--dir DIR]     N MiB (default 200) in a temporary folder under DIR
//   bench_ingest --session PROGRAM STORE OUT   (internal: one request, in its own process)

#include "jvlink/jvlink_emulator.h"
#include "jvlink/jvlink_session.h"
#include "util/cp932.h"
#include "util/fixed_width.h"
#include "util/host.h"
#include "util/jvdata_layout.h"
#include "util/memory_log_pane.h"

#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

class NullHost : public Host {
 public:
  void info(const std::string&) override {}
  void warn(const std::string&) override {}
  void error(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  Answer ask(const std::string&, bool) override { return Answer::No; }
  void setBusy(bool) override {}
  void setStatus(const std::string&) override {}
  void setProgress(int, int) override {}
  void pump() override {}
  LogPane& mainLog() override { return log_; }
  LogPane& taskLog() override { return log_; }

 private:
  MemoryLogPane log_;
};

int RunSession(const std::string& programDir, const std::string& storeDir,
               const std::string& outDir) {
  NullHost host;
  TJVLinkSession session(std::make_unique<JvLinkEmulator>(programDir, storeDir), host);
  if (session.InitLink("SA000000/SD000000/Ostravel/Ver.4.01") != kJvOk) return 1;
  JVLINK_PARA request;
  request.DataSpec = "RACE";
  request.FromTime = "20000101000000";
  request.Option = 1;
  request.OutDir = outDir;
  request.NameParts = {"DS", "RS", "", "", ""};
  int result = session.OpenStored(request);
  if (result != kRequestDone) {
    std::fprintf(stderr, "OpenStored: %d %s\n", result, session.LastFailure().c_str());
    return 1;
  }
  // The peak of this process's own memory; the parent's figures for a spawned child would include
  // its own pages, shared until exec.
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) std::printf("%s\n", line.c_str());
  }
  return 0;
}

// A record of `type` with its real length, the common header filled in, CR LF at the end.
std::string MakeRecord(const std::string& type, const std::string& date, int course, int race,
                       int serial) {
  std::string record = BlankRecord(JvRecordLength(type) - 2);
  PutField(record, 1, 2, type);
  PutField(record, 3, 1, "7");
  PutField(record, 4, 8, date);
  PutField(record, 12, 8, date);
  PutField(record, 20, 2, ZeroPadded(course, 2));
  PutField(record, 22, 2, "01");
  PutField(record, 24, 2, "01");
  PutField(record, 26, 2, ZeroPadded(race, 2));
  static const std::string name = Sjis("ベンチマークステークス");
  PutField(record, 33, 60, name);
  for (std::size_t pos = 100; pos + 8 < record.size(); pos += 97) {
    std::string digits = ZeroPadded(serial * 31u + pos, 8);
    record.replace(pos, 8, digits);
  }
  return record + "\r\n";
}

std::string DateOfDay(int day) {
  using namespace std::chrono;
  year_month_day ymd{sys_days{year{2023} / January / 1} + days{day}};
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return text;
}

struct Store {
  std::vector<std::string> files;  // in delivery order
  std::uintmax_t bytes = 0;
};

// Races of two courses, 12 a day; each race is four JV-Link files of mixed record types: RA with
// its runners' SE, HR with H1, H6, and O1 to O6, with the records' real lengths.
Store BuildStore(const fs::path& storeDir, std::uintmax_t targetBytes, std::size_t targetFiles) {
  fs::path dir = storeDir / "stored" / "RACE";
  fs::create_directories(dir);
  Store store;
  int serial = 0;
  for (int race = 0; store.bytes < targetBytes || store.files.size() < targetFiles; ++race) {
    std::string date = DateOfDay(race / 24);
    int course = race / 12 % 2 + 5;
    int number = race % 12 + 1;
    const std::vector<std::pair<std::string, std::vector<std::string>>> groups = {
        {"RARA", {"RA", "SE", "SE", "SE", "SE", "SE", "SE", "SE", "SE", "SE", "SE", "SE", "SE",
                  "SE", "SE"}},
        {"HRRA", {"HR", "H1"}},
        {"H6RA", {"H6"}},
        {"O1RA", {"O1", "O2", "O3", "O4", "O5", "O6"}},
    };
    for (std::size_t g = 0; g < groups.size(); ++g) {
      char stamp[40];
      std::snprintf(stamp, sizeof stamp, "%02d%02d%02d", race % 24, static_cast<int>(g), 0);
      std::string name = groups[g].first + date + date + stamp + ".jvd";
      std::string bytes;
      for (const std::string& type : groups[g].second) {
        bytes += MakeRecord(type, date, course, number, ++serial);
      }
      std::ofstream(dir / name, std::ios::binary) << bytes;
      store.files.push_back((dir / name).string());
      store.bytes += bytes.size();
    }
  }
  return store;
}

struct Run {
  double seconds = 0;
  long peakKiB = 0;
  bool ok = false;
};

// Runs argv with stdout sent to `stdoutPath`, timing it.
Run Spawn(const std::vector<std::string>& args, const std::string& stdoutPath) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  Run run;
  auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

std::uintmax_t FolderBytes(const fs::path& dir) {
  std::uintmax_t total = 0;
  for (const auto& entry : fs::directory_iterator(dir)) total += entry.file_size();
  return total;
}

struct Measured {
  std::uintmax_t bytes = 0;
  std::size_t files = 0;
  Run cat;
  Run ingest;
  bool complete = false;
};

// Best of three runs each, every run into an empty folder and after a sync, so that writing back
// an earlier run's output does not fall into the next measurement.
Measured Measure(const fs::path& work, std::uintmax_t targetBytes, std::size_t targetFiles) {
  fs::path storeDir = work / "store";
  Store store = BuildStore(storeDir, targetBytes, targetFiles);
  Measured m;
  m.bytes = store.bytes;
  m.files = store.files.size();
  m.cat.seconds = m.ingest.seconds = 1e9;
  m.complete = true;
  for (int round = 0; round < 3; ++round) {
    fs::path catOut = work / "cat.out";
    ::sync();
    std::vector<std::string> catArgs{"cat"};
    catArgs.insert(catArgs.end(), store.files.begin(), store.files.end());
    Run cat = Spawn(catArgs, catOut.string());
    m.complete = m.complete && cat.ok && fs::file_size(catOut) == store.bytes;
    m.cat.seconds = std::min(m.cat.seconds, cat.seconds);
    fs::remove(catOut);

    fs::path program = work / "program";
    fs::path out = work / "out";
    fs::remove_all(program);
    fs::remove_all(out);
    fs::create_directories(program);
    fs::create_directories(out);
    SaveEmulatorSettings(program.string(), {storeDir.string(), 0});
    ::sync();
    fs::path report = work / "session.out";
    Run ingest = Spawn({"/proc/self/exe", "--session", program.string(), storeDir.string(),
                        out.string()}, report.string());
    std::ifstream(report).ignore(6) >> ingest.peakKiB;  // "VmHWM:    5732 kB"
    m.complete = m.complete && ingest.ok && FolderBytes(out) == store.bytes;
    m.ingest.seconds = std::min(m.ingest.seconds, ingest.seconds);
    m.ingest.peakKiB = std::max(m.ingest.peakKiB, ingest.peakKiB);
  }
  fs::remove_all(work);
  return m;
}

void Print(const char* label, const Measured& m) {
  double mb = static_cast<double>(m.bytes) / (1 << 20);
  double ratio = m.ingest.seconds / m.cat.seconds;
  double peakMiB = static_cast<double>(m.ingest.peakKiB) / 1024;
  std::printf("%-8s %8.1f MiB %6zu files  cat %6.3f s  ingest %6.3f s  %7.1f MiB/s  "
              "ratio %4.2f %s  peak %5.1f MiB %s%s\n",
              label, mb, m.files, m.cat.seconds, m.ingest.seconds, mb / m.ingest.seconds, ratio,
              ratio <= 2 ? "(ok)" : "(over 2)", peakMiB, peakMiB < 64 ? "(ok)" : "(over 64)",
              m.complete ? "" : "  INCOMPLETE OUTPUT");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 4 && args[0] == "--session") return RunSession(args[1], args[2], args[3]);

  std::uintmax_t mib = 200;
  fs::path base = fs::temp_directory_path();
  for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
    if (args[i] == "--mib") mib = std::strtoull(args[i + 1].c_str(), nullptr, 10);
    if (args[i] == "--dir") base = args[i + 1];
  }
  std::string pattern = (base / "ostravel-ingest-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  fs::path work = pattern;
  std::printf("ingest: RACE store -> per-record files; "
              "targets: ratio to cat <= 2, peak < 64 MiB\n");
  Measured full = Measure(work / "full", mib << 20, 2000);
  Print("full", full);
  Measured quarter = Measure(work / "quarter", (mib << 20) / 4, 500);
  Print("quarter", quarter);
  fs::remove_all(work);
  return full.complete && quarter.complete ? 0 : 1;
}
