#pragma once
// The JV-Link session: the only code that talks to JV-Link. It initialises JV-Link, runs one
// stored-data or real-time request at a time, waits for the download, reads every record into
// per-record files, and turns JV-Link's results into one request result.

#include "jvlink/jvlink.h"
#include "jvlink/jvlink_para.h"
#include "jvlink/record_file_writer.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class Host;

// Results of OpenStored and OpenRealtime besides JV-Link's own negative codes.
constexpr int kRequestDone = 0;
constexpr int kStillDownloading = -666;  // only inside the download wait
constexpr int kRequestCancelled = -777;
constexpr int kRequestNoData = -888;
constexpr int kRequestFailed = -999;

// A JV-Data record shorter than this cannot even hold its common header.
constexpr std::size_t kMinRecordBytes = 27;

class TJVLinkSession {
 public:
  TJVLinkSession(std::unique_ptr<JvLink> link, Host& host);

  int InitLink(const std::string& softwareId);
  int ShowLinkSetup();
  std::string LinkVersion() const;  // "4.8.0" for a version property "0480"

  int OpenStored(const JVLINK_PARA& request);
  int OpenRealtime(const JVLINK_PARA& request);
  // One poll of the download wait: kStillDownloading, or the request's result.
  int PollDownload();
  int ReadRecords();
  void CloseLink();

  bool SwitchRecordFile(const std::string& path);
  bool AddRecord(std::string_view record);
  std::string RecordFileName(std::string_view recordId) const;

  const std::string& LastFileTimeStamp() const { return lastFileTimeStamp_; }
  const std::string& RequestKey() const { return request_.Key; }
  void RequestCancel() { cancelled_ = true; }
  void ClearCancel() { cancelled_ = false; }
  bool IsCancelled() const { return cancelled_; }
  void SetQuiet(bool quiet) { quiet_ = quiet; }
  // What went wrong when the last request ended with kRequestFailed (UTF-8), for the log.
  const std::string& LastFailure() const { return failure_; }
  // The pause between two polls of the download wait (500 ms).
  void SetPollInterval(std::chrono::milliseconds interval) { pollInterval_ = interval; }

 private:
  enum class Mode : std::uint8_t { None = 0, Stored = 1, Realtime = 2 };

  void BeginRequest(const JVLINK_PARA& request, Mode mode);
  int ReadLoop();
  int ReadFailed(std::string failure);
  bool RecordWanted(std::string_view recordId) const;
  bool BeyondDateTo(std::string_view jvFileName) const;
  void ShowLinkError(const char* call, int code);

  std::unique_ptr<JvLink> link_;
  Host& host_;
  bool cancelled_ = false;
  Mode mode_ = Mode::None;
  JVLINK_PARA request_;
  int readCount_ = 0;
  int downloadCount_ = 0;
  std::string lastFileTimeStamp_;
  bool quiet_ = false;
  RecordFileWriter records_;  // the current per-record file and its lines not yet written
  std::string failure_;
  std::chrono::milliseconds pollInterval_{500};
};
