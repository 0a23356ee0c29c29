#include "jvlink/jvlink_emulator.h"

#include "util/cp932.h"
#include "util/integer_text.h"
#include "util/jvdata_layout.h"

#include <sys/stat.h>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr std::size_t kMaxSoftwareIdBytes = 64;

// The data kind and option combinations JVOpen refuses.
bool OptionRefused(const std::string& dataSpec, int option) {
  auto among = [&](std::initializer_list<const char*> kinds) {
    return std::any_of(kinds.begin(), kinds.end(),
                       [&](const char* kind) { return dataSpec == kind; });
  };
  switch (option) {
    case 1:
      return among({"TCVN", "RCVN"});
    case 2:
      return among({"DIFN", "BLDN", "SLOP", "YSCH", "HOSN", "HOYU", "COMM"});
    default:
      return among({"TOKU", "TCVN", "RCVN"});
  }
}

bool Selected(const StoreFile& file, const std::string& fromTime, int option,
              const std::string& thisWeekFrom) {
  switch (option) {
    case 1:
      return file.timeStamp > fromTime;
    case 2:
      return !thisWeekFrom.empty() && file.timeStamp > fromTime && file.dataDate >= thisWeekFrom;
    default:
      return file.dataDate >= fromTime.substr(0, 8);
  }
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

JvLinkEmulator::JvLinkEmulator(std::string programDir, std::optional<std::string> storeOverride)
    : programDir_(std::move(programDir)), cache_(programDir_ + "/" + kDownloadCacheFile) {
  EmulatorSettings settings = LoadEmulatorSettings(programDir_);
  if (storeOverride) settings.storeDir = *storeOverride;
  ApplySettings(std::move(settings));
}

void JvLinkEmulator::ApplySettings(EmulatorSettings settings) {
  if (settings.storeDir.empty()) settings.storeDir = programDir_ + "/store";
  settings_ = std::move(settings);
}

int JvLinkEmulator::JVInit(const std::string& softwareId) {
  initialised_ = false;
  if (softwareId.empty()) return kJvSidMissing;
  CodecResult sid = Cp932FromUtf8(softwareId);
  if (!sid.ok) return kJvSidInvalid;
  if (sid.text.size() > kMaxSoftwareIdBytes) return kJvSidTooLong;
  std::optional<int> fault = ReadStoreSettings(settings_.storeDir).initResult;
  if (fault && *fault != kJvOk) return *fault;
  initialised_ = true;
  return kJvOk;
}

int JvLinkEmulator::JVSetUIProperties() {
  if (!setupDialog_) return kJvOk;
  EmulatorSettings edited = settings_;
  if (!setupDialog_(edited)) return kJvOk;
  if (!SaveEmulatorSettings(programDir_, edited)) return kJvBadParameter;
  ApplySettings(std::move(edited));
  return kJvOk;
}

// Common to JVOpen and JVRTOpen; also reads store.ini afresh, so that faults apply from the next
// request on.
int JvLinkEmulator::CheckCanOpen() {
  if (!initialised_) return kJvNotInitialised;
  if (open_) return kJvNotClosed;
  store_ = ReadStoreSettings(settings_.storeDir);
  return kJvOk;
}

int JvLinkEmulator::JVOpen(const std::string& dataSpec, const std::string& fromTime, int option,
                           int& readCount, int& downloadCount, std::string& lastFileTimeStamp) {
  readCount = downloadCount = 0;
  lastFileTimeStamp.clear();
  if (int refused = CheckCanOpen(); refused != kJvOk) return refused;
  const JvDataSpec* kind = FindJvDataSpec(dataSpec);
  if (kind == nullptr || kind->realtime) return kJvBadDataSpec;
  if (!IsDigits(fromTime, 14)) return kJvBadFromTime;
  if (option < 1 || option > 4) return kJvBadOption;
  if (OptionRefused(dataSpec, option)) return kJvBadDataSpecOption;
  if (!IsFolder(settings_.storeDir)) return kJvBadSettings;
  if (store_.openResult && *store_.openResult != kJvOk) return *store_.openResult;

  files_.clear();
  toDownload_.clear();
  for (StoreFile& file : ListStoredFiles(settings_.storeDir, dataSpec)) {
    if (!Selected(file, fromTime, option, store_.thisWeekFrom)) continue;
    if (!cache_.contains(dataSpec, file.name)) toDownload_.push_back(file.name);
    lastFileTimeStamp = std::max(lastFileTimeStamp, file.timeStamp);
    files_.push_back(std::move(file));
  }
  if (files_.empty()) return kJvNoData;
  dataSpec_ = dataSpec;
  downloaded_ = current_ = 0;
  readCount = static_cast<int>(files_.size());
  downloadCount = static_cast<int>(toDownload_.size());
  open_ = true;
  return kJvOk;
}

std::size_t JvLinkEmulator::Pace() const {
  int pace = store_.pace.value_or(settings_.pace);
  return pace > 0 ? static_cast<std::size_t>(pace) : toDownload_.size();
}

int JvLinkEmulator::JVStatus() {
  if (!open_) return kJvNotOpened;
  if (store_.statusResult && *store_.statusResult != kJvOk) return *store_.statusResult;
  std::size_t target = std::min(toDownload_.size(), downloaded_ + Pace());
  cache_.add(dataSpec_, std::vector<std::string>(toDownload_.begin() + downloaded_,
                                                 toDownload_.begin() + target));
  downloaded_ = target;
  return static_cast<int>(downloaded_) + store_.statusOverCount;
}

int JvLinkEmulator::JVRTOpen(const std::string& dataSpec, const std::string& key) {
  if (int refused = CheckCanOpen(); refused != kJvOk) return refused;
  const JvDataSpec* kind = FindJvDataSpec(dataSpec);
  if (kind == nullptr || !kind->realtime) return kJvBadDataSpec;
  if (!IsDigits(key, kind->keyLevel == "race" ? 12 : 8)) return kJvBadKey;
  if (!IsFolder(settings_.storeDir)) return kJvBadSettings;
  if (store_.rtOpenResult && *store_.rtOpenResult != kJvOk) return *store_.rtOpenResult;
  std::optional<StoreFile> answer = FindRealtimeAnswer(settings_.storeDir, dataSpec, key);
  if (!answer) return kJvNoData;
  dataSpec_ = dataSpec;
  files_ = {std::move(*answer)};
  toDownload_.clear();
  downloaded_ = current_ = 0;
  open_ = true;
  return kJvOk;
}

// Opens files_[current_]; a file that cannot be read, or the file store.ini names for a read
// fault, gives an error instead of its first record.
int JvLinkEmulator::OpenCurrentFile(std::string& fileName) {
  const StoreFile& file = files_[current_];
  fileName = file.name;
  if (!reader_.open(file.path)) {
    ++current_;
    return kJvFileNotFound;
  }
  if (store_.readErrorCode && file.name == store_.readErrorFile) {
    std::string_view dropped;
    reader_.next(dropped);
    return *store_.readErrorCode;
  }
  return kJvOk;
}

// The caller's buffer size is not needed: no record the emulator delivers is longer.
int JvLinkEmulator::JVRead(std::string& record, int& /*size*/, std::string& fileName) {
  if (!open_) return kJvNotOpened;
  while (true) {
    if (!reader_.isOpen()) {
      if (current_ >= files_.size()) return 0;
      if (int error = OpenCurrentFile(fileName); error != kJvOk) return error;
    }
    fileName = files_[current_].name;
    std::string_view line;
    switch (reader_.next(line)) {
      case LineReader::Result::Line:
        if (line.empty()) continue;  // blank lines of hand-made stores
        if (line.size() + 2 > static_cast<std::size_t>(kJvReadBufferSize)) return kJvFileCorrupt;
        record.assign(line.data(), line.size());
        record.append("\r\n", 2);
        return static_cast<int>(record.size());
      case LineReader::Result::End:
        reader_.close();
        ++current_;
        return kJvNoData;
      case LineReader::Result::TooLong:
        return kJvFileCorrupt;
      case LineReader::Result::Error:
        return kJvInternalError;
    }
  }
}

void JvLinkEmulator::JVSkip() {
  if (!open_ || !reader_.isOpen()) return;
  reader_.close();
  ++current_;
}

void JvLinkEmulator::EndRequest() {
  open_ = false;
  reader_.close();
  files_.clear();
  toDownload_.clear();
}

// The download stops and the request is over; files not yet downloaded stay out of the cache.
void JvLinkEmulator::JVCancel() { EndRequest(); }

int JvLinkEmulator::JVClose() {
  EndRequest();
  return store_.closeResult.value_or(kJvOk);
}

int JvLinkEmulator::JVFileDelete(const std::string& fileName) {
  return cache_.remove(fileName) ? kJvOk : kJvFileNotFound;
}
