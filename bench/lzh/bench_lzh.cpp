// Packs several MB of synthetic legacy files (fixed-width records of digits, CP932 names and
// blanks; the same bytes on every run) into one LZH archive and compares the archive's size and
// the packing speed with gzip -6 on the same files, measured in the same run.
//
// Targets: archive within 15% of the gzip -6 total, packing at 20 MB/s or more.

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "legacy/lzh_packer.h"
#include "util/cp932.h"
#include "util/file_io.h"

namespace {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  unsigned Below(unsigned limit) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<unsigned>((state_ >> 33) % limit);
  }

 private:
  std::uint64_t state_;
};

// Builds one fixed-width record field by field.
class Record {
 public:
  explicit Record(Random& random) : random_(random) {}

  Record& Number(int width, unsigned limit) {
    std::string digits = std::to_string(random_.Below(limit));
    text_ += std::string(width > static_cast<int>(digits.size()) ? width - digits.size() : 0, '0') +
             digits;
    return *this;
  }
  Record& Text(const std::string& bytes, int width) {
    text_ += bytes.substr(0, width) + std::string(width - std::min<int>(width, bytes.size()), ' ');
    return *this;
  }
  Record& Blank(int width) { return Text("", width); }
  Record& Code(const std::vector<std::string>& choices) {
    text_ += choices[random_.Below(choices.size())];
    return *this;
  }
  std::string Line() { return std::move(text_) + "\r\n"; }

 private:
  Random& random_;
  std::string text_;
};

const std::vector<std::string>& Syllables() {
  static const std::vector<std::string> list = [] {
    std::vector<std::string> out;
    for (const char* s : {"ア", "イ", "カ", "キ", "サ", "シ", "タ", "ト", "ナ", "ノ", "ハ",
                          "フ", "マ", "ミ", "ヤ", "ユ", "ラ", "リ", "ル", "ロ", "ワ", "ン",
                          "ー", "ス", "ド", "ゴ", "ブ", "ダ", "ジ", "ビ", "ク", "ツ"}) {
      out.push_back(Sjis(s));
    }
    return out;
  }();
  return list;
}

std::vector<std::string> MakeNames(Random& random, int count, int minSyllables, int maxSyllables) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::string name;
    int length = minSyllables + random.Below(maxSyllables - minSyllables + 1);
    for (int k = 0; k < length; ++k) name += Syllables()[random.Below(Syllables().size())];
    names.push_back(name);
  }
  return names;
}

struct LegacyFile {
  std::string name;
  std::string bytes;
};

// Lines from `makeLine` until the file holds `size` bytes.
std::string Lines(std::size_t size, const std::function<std::string()>& makeLine) {
  std::string text;
  while (text.size() < size) text += makeLine();
  return text;
}

std::vector<LegacyFile> MakeLegacyFiles() {
  Random random(20240309);
  const std::vector<std::string> horses = MakeNames(random, 3000, 2, 9);
  const std::vector<std::string> people = MakeNames(random, 300, 2, 5);
  const std::vector<std::string> courses = {"01", "02", "03", "04", "05",
                                            "06", "07", "08", "09", "10"};
  const std::vector<std::string> flags = {"0", "1", " "};
  auto pick = [&](const std::vector<std::string>& list) { return list[random.Below(list.size())]; };

  std::vector<LegacyFile> files;
  files.push_back({"JracDen1.dat", Lines(2'200'000, [&] {
                     Record r(random);
                     r.Text("2024", 4).Number(4, 1232).Code(courses).Number(2, 12).Number(2, 18);
                     r.Text(pick(horses), 18).Code(flags).Number(3, 560).Number(3, 999).Blank(6);
                     r.Text(pick(people), 10).Number(5, 99999).Blank(12).Text(pick(people), 10);
                     for (int run = 0; run < 5; ++run) {
                       r.Number(8, 20240000).Code(courses).Number(2, 18).Number(4, 2400).Blank(4);
                     }
                     return r.Blank(40).Line();
                   })});
  files.push_back(
      {"JracUmaj.dat", Lines(2'600'000, [&] {
         Record r(random);
         r.Number(10, 2000000000).Text(pick(horses), 36).Code(flags).Number(8, 20220000);
         r.Text(pick(horses), 36).Text(pick(horses), 36).Text(pick(people), 20);
         for (int i = 0; i < 12; ++i) r.Number(3, 30).Blank(2);
         return r.Blank(80).Number(9, 999999999).Blank(30).Line();
       })});
  files.push_back({"JracSei1.dat", Lines(1'600'000, [&] {
                     Record r(random);
                     r.Text("2024", 4).Number(4, 1232).Code(courses).Number(2, 12).Number(2, 18);
                     r.Text(pick(horses), 18).Number(2, 18).Number(4, 2400).Number(3, 600);
                     r.Text(pick(people), 10).Number(4, 9999).Blank(20).Number(3, 400).Blank(16);
                     return r.Line();
                   })});
  files.push_back({"JracOds1.dat", Lines(1'400'000, [&] {
                     Record r(random);
                     r.Text("2024", 4).Number(4, 1232).Code(courses).Number(2, 12);
                     for (int horse = 0; horse < 18; ++horse) r.Number(4, 9999).Number(2, 18);
                     for (int pair = 0; pair < 30; ++pair) r.Number(6, 99999);
                     return r.Blank(24).Line();
                   })});
  files.push_back(
      {"JracKisi.dat", Lines(500'000, [&] {
         Record r(random);
         r.Number(5, 99999).Text(pick(people), 34).Text(pick(people), 20).Number(8, 19700000);
         r.Code(flags).Blank(50).Number(4, 2000).Number(4, 2000).Blank(60);
         return r.Line();
       })});
  return files;
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

std::uintmax_t FileSize(const std::string& path) { return std::filesystem::file_size(path); }

}  // namespace

int main() {
  char pattern[] = "/tmp/ostravel-bench-lzh-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const std::string folder = pattern;

  std::vector<LegacyFile> files = MakeLegacyFiles();
  std::vector<std::string> names;
  std::size_t inputBytes = 0;
  for (const LegacyFile& file : files) {
    if (!WriteFileAtomic(folder + "/" + file.name, file.bytes)) return 1;
    names.push_back(file.name);
    inputBytes += file.bytes.size();
  }

  // Best of three for each side, so a busy moment of the machine weighs less.
  const std::string archive = folder + "/bench.lzh";
  double lzhSeconds = 1e9;
  for (int round = 0; round < 3; ++round) {
    std::filesystem::remove(archive);
    auto start = std::chrono::steady_clock::now();
    LzhPackResult result = PackLzhArchive(archive, folder, names);
    lzhSeconds = std::min(lzhSeconds, Seconds(std::chrono::steady_clock::now() - start));
    if (!result.ok) {
      std::fprintf(stderr, "packing failed: %s\n", result.reason.c_str());
      return 1;
    }
  }
  const std::uintmax_t lzhBytes = FileSize(archive);

  double gzipSeconds = 1e9;
  std::uintmax_t gzipBytes = 0;
  for (int round = 0; round < 3; ++round) {
    std::string command = "cd '" + folder + "' && gzip -6 -k -f";
    for (const std::string& name : names) command += " '" + name + "'";
    auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return 1;
    gzipSeconds = std::min(gzipSeconds, Seconds(std::chrono::steady_clock::now() - start));
  }
  for (const std::string& name : names) gzipBytes += FileSize(folder + "/" + name + ".gz");
  std::filesystem::remove_all(folder);

  const double megabytes = inputBytes / 1e6;
  const double sizeRatio = static_cast<double>(lzhBytes) / static_cast<double>(gzipBytes);
  const double lzhSpeed = megabytes / lzhSeconds;
  std::printf("input        %zu bytes in %zu files\n", inputBytes, files.size());
  std::printf("lzh -lh5-    %ju bytes, %.3f s, %.1f MB/s\n", lzhBytes, lzhSeconds, lzhSpeed);
  std::printf("gzip -6      %ju bytes, %.3f s, %.1f MB/s\n", gzipBytes, gzipSeconds,
              megabytes / gzipSeconds);
  std::printf("size ratio   %.3f of gzip -6 (target at most 1.150): %s\n", sizeRatio,
              sizeRatio <= 1.15 ? "met" : "MISSED");
  std::printf("speed        %.1f MB/s, %.2f times gzip -6 (target at least 20 MB/s): %s\n",
              lzhSpeed, gzipSeconds / lzhSeconds, lzhSpeed >= 20 ? "met" : "MISSED");
  return 0;
}
