#include "store_checker.h"

#include "calendar.h"
#include "util/file_io.h"
#include "util/fixed_width.h"
#include "util/jvdata_layout.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Where {
  std::string file;
  int line = 0;
  std::string text() const { return line > 0 ? file + ":" + std::to_string(line) : file; }
};

bool AllOf(std::string_view text, char c) {
  return std::all_of(text.begin(), text.end(), [c](char x) { return x == c; });
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

bool IsBlankOrZero(std::string_view text) { return AllOf(text, ' ') || AllOf(text, '0'); }

bool ValidTime(std::string_view hhmm) {
  return AllDigits(hhmm) && Number(hhmm.substr(0, 2)) < 24 && Number(hhmm.substr(2, 2)) < 60;
}

bool ValidStamp(std::string_view stamp) {
  int day = 0;
  return stamp.size() == 14 && AllDigits(stamp) && ParseYyyymmdd(stamp.substr(0, 8), day) &&
         Number(stamp.substr(8, 2)) < 24 && Number(stamp.substr(10, 2)) < 60 && Number(stamp.substr(12, 2)) < 60;
}

// Fields of a record type that the checker reads, found once.
struct TypeInfo {
  const JvRecordLayout* layout = nullptr;
  std::vector<const JvField*> dates, times;
  const JvField *year = nullptr, *monthDay = nullptr, *course = nullptr, *meeting = nullptr, *dayOfMeeting = nullptr,
                *raceNo = nullptr;
};

const TypeInfo* InfoOf(std::string_view type) {
  static std::map<std::string, TypeInfo, std::less<>> infos;
  auto found = infos.find(type);
  if (found != infos.end()) return &found->second;
  const JvRecordLayout* layout = FindJvRecordLayout(type);
  if (!layout) return nullptr;
  TypeInfo info;
  info.layout = layout;
  for (const JvField& f : layout->fields) {
    if (f.kind == "YMD") info.dates.push_back(&f);
    if (f.kind == "HHNN") info.times.push_back(&f);
  }
  info.year = layout->field("開催年");
  info.monthDay = layout->field("開催月日");
  info.course = layout->field("競馬場コード");
  info.meeting = layout->field("開催回[第N回]");
  info.dayOfMeeting = layout->field("開催日目[N日目]");
  info.raceNo = layout->field("レース番号");
  return &infos.emplace(std::string(type), std::move(info)).first->second;
}

std::string_view Cut(std::string_view record, const JvField* f) { return f ? CutField(record, f->pos, f->len) : std::string_view(); }
std::string_view Cut(std::string_view record, const TypeInfo& info, std::string_view name) {
  return Cut(record, info.layout->field(name));
}

// A runner of a race as the results show it.
struct Runner {
  int number = 0, bracket = 0, placing = 0;
  std::string regNo;
};

struct RaceResult {
  Where where;
  int registered = 0;
  std::vector<Runner> runners;
};

struct Payout {
  Where where;
  std::string record;
};

class Checker {
 public:
  explicit Checker(std::string root) : root_(std::move(root)) {}

  CheckResult run();

 private:
  bool fail(const Where& where, const std::string& what) {
    if (result_.ok) {
      result_.ok = false;
      result_.fault = where.text() + ": " + what;
    }
    return false;
  }

  bool checkIni();
  bool checkStored(const std::string& dataspec, const fs::path& folder);
  bool checkRealtime(const std::string& dataspec, const fs::path& folder);
  bool checkFile(const fs::path& path, const std::string& dataspec, const std::string& key);
  bool checkRecord(const Where& where, std::string_view record, const std::string& dataspec, const std::string& key);
  void remember(const Where& where, std::string_view record, const TypeInfo& info, const std::string& dataspec);
  bool checkConsistency();
  bool checkPayout(const Payout& payout, const std::map<std::string, RaceResult>& results);

  std::string root_;
  CheckResult result_;
  int thisWeekFrom_ = -1;
  std::string currentDataDate_;
  std::set<std::string> storedNames_;  // JVFileDelete names a file without its data kind

  std::map<std::string, RaceResult> raceResults_;       // RACE results by race key
  std::map<std::string, RaceResult> speedResults_;      // 0B12 by race key
  std::vector<Payout> payouts_, speedPayouts_;
  std::set<std::string> runnerMasters_;                 // RCVN UM
  std::vector<std::pair<Where, std::string>> weekRunners_;  // this week's RACE SE: registration numbers
  std::map<std::string, std::set<std::string>> pastRaces_;  // RCVN/TCVN: race keys with an RA
  std::vector<std::pair<Where, std::string>> pastRuns_;     // "<kind>\t<race key>"
  std::set<std::string> scheduled_;                         // YS: date + course
  std::vector<std::pair<Where, std::string>> weekCourseDays_;
};

bool Checker::checkIni() {
  fs::path ini = fs::path(root_) / "store.ini";
  if (!fs::exists(ini)) return true;
  auto lines = ReadTextLines(ini.string());
  if (!lines) return fail({"store.ini"}, "cannot be read");
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const std::string& line = (*lines)[i];
    Where where{"store.ini", static_cast<int>(i + 1)};
    if (line.empty() || line[0] == ';' || line[0] == '[') continue;
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) return fail(where, "not a key=value line");
    if (line.substr(0, eq) == "ThisWeekFrom" && !ParseYyyymmdd(line.substr(eq + 1), thisWeekFrom_)) {
      return fail(where, "ThisWeekFrom is not a date yyyymmdd");
    }
  }
  return true;
}

bool Checker::checkRecord(const Where& where, std::string_view record, const std::string& dataspec, const std::string& key) {
  std::string type(record.substr(0, std::min<std::size_t>(2, record.size())));
  const TypeInfo* info = InfoOf(type);
  if (!info) return fail(where, "unknown record type \"" + type + "\"");
  const JvDataSpec* dataKind = FindJvDataSpec(dataspec);
  if (std::find(dataKind->recordTypes.begin(), dataKind->recordTypes.end(), type) == dataKind->recordTypes.end()) {
    return fail(where, "record type " + type + " does not belong to " + dataspec);
  }
  if (static_cast<int>(record.size()) != info->layout->length) {
    return fail(where, "record " + type + " is " + std::to_string(record.size()) + " bytes, its type has " +
                           std::to_string(info->layout->length));
  }
  char kind = record[2];
  if (!((kind >= '0' && kind <= '9') || kind == 'A' || kind == 'B')) return fail(where, "data kind \"" + std::string(1, kind) + "\"");
  for (const JvField* f : info->dates) {
    std::string_view v = Cut(record, f);
    int day = 0;
    if (!IsBlankOrZero(v) && !ParseYyyymmdd(v, day)) return fail(where, f->name + " is not a date: \"" + std::string(v) + "\"");
  }
  for (const JvField* f : info->times) {
    std::string_view v = Cut(record, f);
    if (!IsBlankOrZero(v) && !ValidTime(v)) return fail(where, f->name + " is not a time: \"" + std::string(v) + "\"");
  }
  if (info->year && info->monthDay) {
    std::string date = std::string(Cut(record, info->year)) + std::string(Cut(record, info->monthDay));
    int day = 0;
    if (!ParseYyyymmdd(date, day)) return fail(where, "race date \"" + date + "\" is not a date");
    std::string_view course = Cut(record, info->course);
    bool jra = AllDigits(course) && Number(course) >= 1 && Number(course) <= 10;
    bool local = AllDigits(course) && Number(course) >= 30 && Number(course) <= 61 && kind == 'A';
    bool overseas = kind == 'B' && course.size() == 2 && course[0] >= 'A' && course[0] <= 'Z';
    if (!jra && !local && !overseas) return fail(where, "course code \"" + std::string(course) + "\"");
    for (const JvField* f : {info->meeting, info->dayOfMeeting}) {
      if (f && !AllDigits(Cut(record, f))) return fail(where, f->name + " is not a number");
    }
    if (info->raceNo) {
      std::string_view race = Cut(record, info->raceNo);
      if (!AllDigits(race) || Number(race) < 1 || Number(race) > 12) return fail(where, "race number \"" + std::string(race) + "\"");
    }
    if (!key.empty()) {
      if (date != key.substr(0, 8)) return fail(where, "race date " + date + " is not the day of the request " + key);
      bool raceLevel = key.size() == 12;
      if (raceLevel && std::string(course) != key.substr(8, 2)) return fail(where, "course " + std::string(course) + " is not the course of the request " + key);
      if (raceLevel && info->raceNo && std::string(Cut(record, info->raceNo)) != key.substr(10, 2)) {
        return fail(where, "race " + std::string(Cut(record, info->raceNo)) + " is not the race of the request " + key);
      }
    }
  }
  if (type == "SE") {
    std::string_view number = Cut(record, *info, "馬番"), bracket = Cut(record, *info, "枠番");
    if (!AllDigits(number) || Number(number) > 18 || !AllDigits(bracket) || Number(bracket) > 8) {
      return fail(where, "horse number \"" + std::string(number) + "\" or bracket \"" + std::string(bracket) + "\"");
    }
  }
  if (type == "SE" || type == "UM") {
    if (!AllDigits(Cut(record, *info, "血統登録番号"))) return fail(where, "registration number is not ten digits");
  }
  if (type == "TK") {
    int count = Number(Cut(record, *info, "登録頭数"));
    const JvField* first = info->layout->field("登録馬毎情報(1) 連番");
    const JvField* second = info->layout->field("登録馬毎情報(2) 連番");
    int stride = second->pos - first->pos;
    int filled = 0;
    for (int n = 0; n < 300; ++n) filled += AllOf(CutField(record, first->pos + n * stride, 3), ' ') ? 0 : 1;
    if (count != filled) return fail(where, "登録頭数 " + std::to_string(count) + " but " + std::to_string(filled) + " horses listed");
  }
  remember(where, record, *info, dataspec);
  return true;
}

void Checker::remember(const Where& where, std::string_view record, const TypeInfo& info, const std::string& dataspec) {
  std::string type(record.substr(0, 2));
  char kind = record[2];
  std::string raceKey = info.year ? std::string(record.substr(11, 16)) : std::string();
  bool race = dataspec == "RACE", speed = dataspec == "0B12";
  if ((race && kind == '7') || (speed && kind != '0' && kind != '9')) {
    std::map<std::string, RaceResult>& results = race ? raceResults_ : speedResults_;
    if (type == "RA") {
      RaceResult& r = results[raceKey];
      r.where = where;
      r.registered = Number(Cut(record, info, "登録頭数"));
    } else if (type == "SE") {
      Runner runner{Number(Cut(record, info, "馬番")), Number(Cut(record, info, "枠番")), Number(Cut(record, info, "確定着順")),
                    std::string(Cut(record, info, "血統登録番号"))};
      results[raceKey].runners.push_back(runner);
    }
  }
  if (type == "HR" && (race || speed)) (race ? payouts_ : speedPayouts_).push_back({where, std::string(record)});
  if (race && type == "SE" && thisWeekFrom_ >= 0) {
    int dataDay = 0;
    if (ParseYyyymmdd(currentDataDate_, dataDay) && dataDay >= thisWeekFrom_) {
      weekRunners_.emplace_back(where, std::string(Cut(record, info, "血統登録番号")));
    }
  }
  if (race && type == "RA" && thisWeekFrom_ >= 0) {
    int dataDay = 0;
    if (ParseYyyymmdd(currentDataDate_, dataDay) && dataDay >= thisWeekFrom_) {
      weekCourseDays_.emplace_back(where, raceKey.substr(0, 10));
    }
  }
  if (dataspec == "RCVN" && type == "UM") runnerMasters_.insert(std::string(Cut(record, info, "血統登録番号")));
  if ((dataspec == "RCVN" || dataspec == "TCVN") && type == "RA") pastRaces_[dataspec].insert(raceKey);
  if ((dataspec == "RCVN" || dataspec == "TCVN") && type == "SE") pastRuns_.emplace_back(where, dataspec + "\t" + raceKey);
  if (type == "YS") scheduled_.insert(raceKey.substr(0, 10));
}

bool Checker::checkFile(const fs::path& path, const std::string& dataspec, const std::string& key) {
  std::string relative = fs::relative(path, root_).generic_string();
  auto bytes = ReadFileBytes(path.string());
  if (!bytes) return fail({relative}, "cannot be read");
  ++result_.files;
  std::string_view text(*bytes);
  int line = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    ++line;
    std::size_t lf = text.find('\n', start);
    Where where{relative, line};
    if (lf == std::string_view::npos) return fail(where, "the last record has no CR LF");
    if (lf == start || text[lf - 1] != '\r') return fail(where, "the record ends in LF without CR");
    ++result_.records;
    if (!checkRecord(where, text.substr(start, lf + 1 - start), dataspec, key)) return false;
    start = lf + 1;
  }
  return true;
}

std::vector<fs::path> SortedEntries(const fs::path& folder) {
  std::vector<fs::path> out;
  for (const auto& entry : fs::directory_iterator(folder)) out.push_back(entry.path());
  std::sort(out.begin(), out.end());
  return out;
}

bool Checker::checkStored(const std::string& dataspec, const fs::path& folder) {
  for (const fs::path& path : SortedEntries(folder)) {
    std::string name = path.filename().string();
    if (path.extension() != ".jvd") continue;
    std::string relative = fs::relative(path, root_).generic_string();
    bool nameOk = name.size() == 30 &&
                  std::all_of(name.begin(), name.begin() + 4, [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
    int day = 0;
    if (!nameOk || !ParseYyyymmdd(name.substr(4, 8), day) || !ValidStamp(name.substr(12, 14))) {
      return fail({relative}, "file name is not <4 letters><yyyymmdd><yyyymmddhhnnss>.jvd");
    }
    if (!storedNames_.insert(name).second) return fail({relative}, "another data kind has a file of this name");
    currentDataDate_ = name.substr(4, 8);
    if (!checkFile(path, dataspec, "")) return false;
  }
  return true;
}

bool Checker::checkRealtime(const std::string& dataspec, const fs::path& folder) {
  const JvDataSpec* dataKind = FindJvDataSpec(dataspec);
  for (const fs::path& path : SortedEntries(folder)) {
    if (path.extension() != ".txt") continue;
    std::string key = path.stem().string();
    std::string relative = fs::relative(path, root_).generic_string();
    int day = 0;
    bool raceLevel = dataKind->keyLevel == "race";
    bool ok = key.size() == (raceLevel ? 12u : 8u) && AllDigits(key) && ParseYyyymmdd(key.substr(0, 8), day);
    if (ok && raceLevel) {
      int course = Number(key.substr(8, 2)), race = Number(key.substr(10, 2));
      ok = course >= 1 && course <= 10 && race >= 1 && race <= 12;
    }
    if (!ok) return fail({relative}, std::string("key is not ") + (raceLevel ? "yyyymmddJJRR" : "yyyymmdd"));
    if (!checkFile(path, dataspec, key)) return false;
  }
  return true;
}

bool Checker::checkPayout(const Payout& payout, const std::map<std::string, RaceResult>& results) {
  std::string_view hr = payout.record;
  const TypeInfo& info = *InfoOf("HR");
  auto found = results.find(std::string(hr.substr(11, 16)));
  if (found == results.end()) return fail(payout.where, "payouts of a race without results");
  std::vector<Runner> runners = found->second.runners;
  auto placed = [&](int placing) {
    std::vector<const Runner*> out;
    for (const Runner& r : runners)
      if (r.placing == placing) out.push_back(&r);
    return out;
  };
  auto numberText = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  std::vector<const Runner*> first = placed(1), second = placed(2), third = placed(3);
  std::string_view win = Cut(hr, info, "単勝払戻(1) 馬番");
  if (first.size() != 1) return fail(payout.where, "results of the race do not have one winner");
  if (win != numberText(first[0]->number)) {
    return fail(payout.where, "win payout names horse " + std::string(win) + ", the results place horse " + numberText(first[0]->number) + " first");
  }
  for (int n = 1; n <= 5; ++n) {
    std::string_view horse = Cut(hr, info, "複勝払戻(" + std::to_string(n) + ") 馬番");
    if (IsBlankOrZero(horse)) continue;
    bool ok = false;
    for (const Runner& r : runners) ok = ok || (numberText(r.number) == horse && r.placing >= 1 && r.placing <= 3);
    if (!ok) return fail(payout.where, "place payout names horse " + std::string(horse) + ", not among the first three");
  }
  if (second.size() != 1) return true;
  int a = first[0]->number, b = second[0]->number;
  std::string quinella = numberText(std::min(a, b)) + numberText(std::max(a, b));
  if (Cut(hr, info, "馬連払戻(1) 組番") != quinella) return fail(payout.where, "quinella payout is not " + quinella);
  if (Cut(hr, info, "馬単払戻(1) 組番") != numberText(a) + numberText(b)) return fail(payout.where, "exacta payout is not " + numberText(a) + numberText(b));
  std::string_view bracket = Cut(hr, info, "枠連払戻(1) 馬番");
  std::string brackets = std::to_string(std::min(first[0]->bracket, second[0]->bracket)) + std::to_string(std::max(first[0]->bracket, second[0]->bracket));
  if (!IsBlankOrZero(bracket) && bracket != brackets) return fail(payout.where, "bracket quinella payout is not " + brackets);
  if (third.size() != 1 || IsBlankOrZero(Cut(hr, info, "3連単払戻(1) 組番"))) return true;
  int c = third[0]->number;
  int top[3] = {a, b, c};
  std::sort(top, top + 3);
  if (Cut(hr, info, "3連複払戻(1) 組番") != numberText(top[0]) + numberText(top[1]) + numberText(top[2])) {
    return fail(payout.where, "trio payout does not name the first three");
  }
  if (Cut(hr, info, "3連単払戻(1) 組番") != numberText(a) + numberText(b) + numberText(c)) {
    return fail(payout.where, "trifecta payout does not name the first three in order");
  }
  return true;
}

bool Checker::checkConsistency() {
  for (const auto* set : {&raceResults_, &speedResults_}) {
    for (const auto& [key, result] : *set) {
      if (result.where.file.empty()) continue;  // runners without the race's RA are reported below
      if (result.registered != static_cast<int>(result.runners.size())) {
        return fail(result.where, "登録頭数 " + std::to_string(result.registered) + " but " +
                                      std::to_string(result.runners.size()) + " runners in the results");
      }
    }
  }
  for (const Payout& payout : payouts_) {
    if (!checkPayout(payout, raceResults_)) return false;
  }
  for (const Payout& payout : speedPayouts_) {
    if (!checkPayout(payout, speedResults_)) return false;
  }
  for (const auto& [where, regNo] : weekRunners_) {
    if (!runnerMasters_.count(regNo)) return fail(where, "this week's runner " + regNo + " has no UM in RCVN");
  }
  for (const auto& [where, kindAndKey] : pastRuns_) {
    std::size_t tab = kindAndKey.find('\t');
    if (!pastRaces_[kindAndKey.substr(0, tab)].count(kindAndKey.substr(tab + 1))) {
      return fail(where, "past run in race " + kindAndKey.substr(tab + 1) + " without its RA");
    }
  }
  if (!scheduled_.empty()) {
    for (const auto& [where, courseDay] : weekCourseDays_) {
      if (!scheduled_.count(courseDay)) return fail(where, "race day " + courseDay + " is not in the schedule (YSCH)");
    }
  }
  return true;
}

CheckResult Checker::run() {
  if (!fs::is_directory(root_)) {
    fail({root_}, "is not a folder");
    return result_;
  }
  if (!checkIni()) return result_;
  for (const char* part : {"stored", "realtime"}) {
    fs::path base = fs::path(root_) / part;
    if (!fs::is_directory(base)) continue;
    for (const fs::path& folder : SortedEntries(base)) {
      std::string dataspec = folder.filename().string();
      const JvDataSpec* dataKind = FindJvDataSpec(dataspec);
      bool realtime = std::string(part) == "realtime";
      if (!dataKind || dataKind->realtime != realtime) {
        fail({fs::relative(folder, root_).generic_string()}, "not a " + std::string(realtime ? "real-time" : "stored") + " data kind");
        return result_;
      }
      if (!(realtime ? checkRealtime(dataspec, folder) : checkStored(dataspec, folder))) return result_;
    }
  }
  checkConsistency();
  return result_;
}

}  // namespace

CheckResult CheckStore(const std::string& dir) {
  try {
    return Checker(dir).run();
  } catch (const fs::filesystem_error& error) {
    CheckResult result;
    result.ok = false;
    result.fault = error.what();
    return result;
  }
}
