// Generating a default sample store, against the baseline of copying its bytes once.
// Target: under ten seconds for the default store.

#include "calendar.h"
#include "generator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  std::string pattern = (fs::temp_directory_path() / "jvgen-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return 1;
  fs::path root(pattern);

  GeneratorOptions options;
  options.outDir = (root / "store").string();
  options.today = DayNumber(2026, 6, 15);
  options.minuteOfDay = 23 * 60 + 59;
  auto start = std::chrono::steady_clock::now();
  GeneratorReport report = GenerateStore(options);
  double generate = SecondsSince(start);

  start = std::chrono::steady_clock::now();
  fs::copy(root / "store", root / "copy", fs::copy_options::recursive);
  double copy = SecondsSince(start);

  std::printf("jvgen default store: %lld files, %.1f MB\n", report.totals.files,
              static_cast<double>(report.totals.bytes) / 1e6);
  std::printf("generate %.2f s, copy (baseline) %.2f s, ratio %.1f; target under 10 s: %s\n", generate, copy,
              generate / copy, generate < 10 ? "met" : "MISSED");
  fs::remove_all(root);
  return 0;
}
