// jvgen: writes a sample JV-Link store for the emulator, or checks one.
//   jvgen --out DIR [--today yyyymmdd[hhnn]] [--seed N] [--scale N]
//   jvgen --check DIR

#include "calendar.h"
#include "generator.h"
#include "store_checker.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <string>

namespace {

int Usage(FILE* out = stderr) {
  std::fprintf(out,
               "usage: jvgen --out DIR [--today yyyymmdd[hhnn]] [--seed N] [--scale N]\n"
               "       jvgen --check DIR\n"
               "--today is the moment the store is as of (default: now; a date alone means its end);\n"
               "its racing week, switched on Thursday at 18:30, is the store's week.\n");
  return out == stderr ? 2 : 0;
}

bool ParseNumber(const char* text, unsigned long long& value) {
  if (!*text) return false;
  value = 0;
  for (const char* p = text; *p; ++p) {
    if (*p < '0' || *p > '9' || value > 100000000000ULL) return false;
    value = value * 10 + static_cast<unsigned long long>(*p - '0');
  }
  return true;
}

bool ParseToday(const std::string& text, int& day, int& minute) {
  if (text.size() != 8 && text.size() != 12) return false;
  if (!ParseYyyymmdd(text.substr(0, 8), day)) return false;
  if (text.size() == 8) {
    minute = 23 * 60 + 59;
    return true;
  }
  unsigned long long hhnn = 0;
  if (!ParseNumber(text.substr(8).c_str(), hhnn) || hhnn / 100 > 23 || hhnn % 100 > 59) return false;
  minute = static_cast<int>(hhnn / 100 * 60 + hhnn % 100);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  GeneratorOptions options;
  std::string checkDir;
  bool todayGiven = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    unsigned long long number = 0;
    if (arg == "--help") {
      return Usage(stdout);
    } else if (arg == "--out" && hasValue) {
      options.outDir = argv[++i];
    } else if (arg == "--check" && hasValue) {
      checkDir = argv[++i];
    } else if (arg == "--today" && hasValue) {
      if (!ParseToday(argv[++i], options.today, options.minuteOfDay)) {
        std::fprintf(stderr, "jvgen: --today wants yyyymmdd or yyyymmddhhnn, not %s\n", argv[i]);
        return 2;
      }
      todayGiven = true;
    } else if (arg == "--seed" && hasValue && ParseNumber(argv[i + 1], number)) {
      options.seed = number;
      ++i;
    } else if (arg == "--scale" && hasValue && ParseNumber(argv[i + 1], number) && number >= 1 && number <= 50) {
      options.scale = static_cast<int>(number);
      ++i;
    } else {
      return Usage();
    }
  }
  if (checkDir.empty() == options.outDir.empty()) return Usage();

  if (!checkDir.empty()) {
    CheckResult result = CheckStore(checkDir);
    if (!result.ok) {
      std::fprintf(stderr, "%s\n", result.fault.c_str());
      return 1;
    }
    std::printf("%s: %lld files, %lld records, no fault\n", checkDir.c_str(), result.files, result.records);
    return 0;
  }

  if (!todayGiven) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    options.today = DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    options.minuteOfDay = local.tm_hour * 60 + local.tm_min;
  }
  try {
    auto start = std::chrono::steady_clock::now();
    GeneratorReport report = GenerateStore(options);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: week from %s, %lld files, %lld records, %.1f MB in %.1f s\n", options.outDir.c_str(),
                Yyyymmdd(report.weekStart).c_str(), report.totals.files, report.totals.records,
                static_cast<double>(report.totals.bytes) / 1e6, seconds);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "jvgen: %s\n", error.what());
    return 1;
  }
  return 0;
}
