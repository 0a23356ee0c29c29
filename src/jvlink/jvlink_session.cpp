#include "jvlink/jvlink_session.h"

#include "jvlink/record_file_name.h"
#include "util/busy_cursor.h"
#include "util/fixed_width.h"
#include "util/host.h"

#include <exception>
#include <thread>

namespace {

// The window goes back to the normal cursor and hides the download progress however a request
// ends (a cancel in the download wait does not close the request).
class RequestScope {
 public:
  explicit RequestScope(Host& host) : host_(host), busy_(host) {}
  ~RequestScope() { host_.setProgress(0, 0); }
  RequestScope(const RequestScope&) = delete;
  RequestScope& operator=(const RequestScope&) = delete;

 private:
  Host& host_;
  BusyCursor busy_;
};

bool IsAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The record without the CR LF that ends every JV-Data record.
std::string_view WithoutLineEnd(std::string_view record) {
  if (record.ends_with("\r\n")) return record.substr(0, record.size() - 2);
  if (record.ends_with('\n')) return record.substr(0, record.size() - 1);
  return record;
}

}  // namespace

TJVLinkSession::TJVLinkSession(std::unique_ptr<JvLink> link, Host& host)
    : link_(std::move(link)), host_(host) {}

int TJVLinkSession::InitLink(const std::string& softwareId) {
  int result = link_->JVInit(softwareId);
  if (result != kJvOk) ShowLinkError("JVInit（初期化）", result);
  return result;
}

int TJVLinkSession::ShowLinkSetup() { return link_->JVSetUIProperties(); }

std::string TJVLinkSession::LinkVersion() const {
  std::string version = link_->JVLinkVersion();
  if (version.size() < 4) return version;
  return std::string{version[1], '.', version[2], '.', version[3]};
}

void TJVLinkSession::BeginRequest(const JVLINK_PARA& request, Mode mode) {
  cancelled_ = false;
  mode_ = mode;
  request_ = request;
  readCount_ = downloadCount_ = 0;
  lastFileTimeStamp_.clear();
  failure_.clear();
}

int TJVLinkSession::OpenStored(const JVLINK_PARA& request) {
  RequestScope scope(host_);
  BeginRequest(request, Mode::Stored);
  int opened = link_->JVOpen(request_.DataSpec, request_.FromTime, request_.Option, readCount_,
                             downloadCount_, lastFileTimeStamp_);
  if (opened != kJvOk) {
    CloseLink();
    return opened == kJvNoData ? kRequestNoData : opened;
  }
  if (downloadCount_ == 0) {
    int result = ReadRecords();
    CloseLink();
    return result;
  }
  while (true) {
    int result = PollDownload();
    if (result != kStillDownloading) return result;
    std::this_thread::sleep_for(pollInterval_);
  }
}

int TJVLinkSession::PollDownload() {
  host_.pump();
  if (cancelled_) {
    link_->JVCancel();
    return kRequestCancelled;
  }
  int downloaded = link_->JVStatus();
  if (downloaded < 0) {
    CloseLink();
    return downloaded == kJvNoData ? kRequestNoData : downloaded;
  }
  if (downloaded < downloadCount_) {
    host_.setProgress(downloaded, downloadCount_);
    return kStillDownloading;
  }
  if (downloaded > downloadCount_) {
    failure_ = "JVStatus のファイル数（" + std::to_string(downloaded) +
               "）が JVOpen のダウンロード数（" + std::to_string(downloadCount_) + "）を超えました";
    // Closed so that the next request is not refused for a request left open.
    CloseLink();
    return kRequestFailed;
  }
  host_.setProgress(downloaded, downloadCount_);
  int result = ReadRecords();
  CloseLink();
  return result;
}

int TJVLinkSession::OpenRealtime(const JVLINK_PARA& request) {
  RequestScope scope(host_);
  BeginRequest(request, Mode::Realtime);
  int opened = link_->JVRTOpen(request_.DataSpec, request_.Key);
  if (opened != kJvOk) {
    CloseLink();
    return opened == kJvNoData ? kRequestNoData : opened;
  }
  int result = ReadRecords();
  CloseLink();
  return result;
}

void TJVLinkSession::CloseLink() {
  int result = link_->JVClose();
  if (result != kJvOk) ShowLinkError("JVClose（終了）", result);
}

int TJVLinkSession::ReadRecords() {
  try {
    return ReadLoop();
  } catch (const std::exception& e) {
    return ReadFailed(e.what());
  }
}

// Records go to the current per-record file as they arrive; the points where the file is
// "written" commit them, so a cancel or a read error loses exactly the uncommitted lines.
int TJVLinkSession::ReadLoop() {
  std::string previousId;
  std::string record;
  std::string fileName;
  int size = kJvReadBufferSize;
  while (true) {
    if (cancelled_) {
      records_.abandon();
      return kRequestCancelled;
    }
    int n = link_->JVRead(record, size, fileName);
    if (n > 0) {
      if (record.size() < kMinRecordBytes) {
        return ReadFailed("レコードが短すぎます（" + std::to_string(record.size()) +
                          " バイト）: " + fileName);
      }
      std::string_view id(record.data(), 2);
      if (!IsAsciiAlnum(id[0]) || !IsAsciiAlnum(id[1])) {
        return ReadFailed("レコード種別IDが不正です: " + fileName);
      }
      if (request_.UseRecFilter && id != previousId && !RecordWanted(id)) {
        if (!records_.commit()) return ReadFailed(records_.failure());
        link_->JVSkip();
        continue;
      }
      if (request_.StopAfterDateTo && BeyondDateTo(fileName)) {
        if (!records_.finish()) return ReadFailed(records_.failure());
        return kRequestDone;
      }
      std::string_view meetingDate = CutField(record, 12, 8);
      if (meetingDate < request_.DateFrom || meetingDate > request_.DateTo) continue;
      if (id != previousId && !SwitchRecordFile(RecordFileName(id))) {
        return ReadFailed(records_.failure());
      }
      if (!AddRecord(record)) return ReadFailed(records_.failure());
      previousId = id;
    } else if (n == kJvNoData) {
      if (!records_.commit()) return ReadFailed(records_.failure());
      previousId.clear();
    } else if (n == 0) {
      // Also written when JV-Link ends without closing its last file with -1.
      if (!records_.finish()) return ReadFailed(records_.failure());
      return kRequestDone;
    } else {
      ShowLinkError("JVRead（読込）", n);
      if (n == kJvFileEmpty || n == kJvFileCorrupt) link_->JVFileDelete(fileName);
      records_.abandon();
      return n;
    }
  }
}

int TJVLinkSession::ReadFailed(std::string failure) {
  records_.abandon();
  failure_ = std::move(failure);
  return kRequestFailed;
}

bool TJVLinkSession::SwitchRecordFile(const std::string& path) { return records_.switchTo(path); }

bool TJVLinkSession::AddRecord(std::string_view record) {
  return records_.add(WithoutLineEnd(record));
}

std::string TJVLinkSession::RecordFileName(std::string_view recordId) const {
  return ::RecordFileName(request_, mode_ == Mode::Realtime, recordId);
}

bool TJVLinkSession::RecordWanted(std::string_view recordId) const {
  for (const std::string& wanted : request_.RecSpec) {
    if (!wanted.empty() && wanted == recordId) return true;
  }
  return false;
}

bool TJVLinkSession::BeyondDateTo(std::string_view jvFileName) const {
  return CutField(jvFileName, 5, 6) > CutField(request_.DateTo, 1, 6);
}

void TJVLinkSession::ShowLinkError(const char* call, int code) {
  if (quiet_) return;
  host_.error(std::string("【JV-Link システムエラー】\r\n\r\n") + call + "エラー: " +
              std::to_string(code));
}
