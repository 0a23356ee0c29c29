#pragma once
// The calls the program makes to JV-Link, the data provider's access component, and nothing else.
// Texts passed in (software id, dataspec, fromtime, key, file names) are ASCII; record text comes
// back as code page 932 bytes, CR LF included, exactly as JV-Link delivers it.

#include <string>

// JV-Link results the program and the emulator act on. Any other negative value is passed on as
// JV-Link's own error.
constexpr int kJvOk = 0;
// JVOpen, JVRTOpen, JVStatus: nothing to deliver; JVRead: the end of one JV-Link file.
constexpr int kJvNoData = -1;
constexpr int kJvBadParameter = -100;
constexpr int kJvSidMissing = -101;
constexpr int kJvSidTooLong = -102;
constexpr int kJvSidInvalid = -103;
constexpr int kJvBadDataSpec = -111;
constexpr int kJvBadFromTime = -112;
constexpr int kJvBadKey = -114;
constexpr int kJvBadOption = -115;
constexpr int kJvBadDataSpecOption = -116;
constexpr int kJvNotInitialised = -201;
constexpr int kJvNotClosed = -202;
constexpr int kJvNotOpened = -203;
constexpr int kJvBadSettings = -211;
constexpr int kJvInternalError = -401;
constexpr int kJvFileEmpty = -402;
constexpr int kJvFileCorrupt = -403;
constexpr int kJvFileNotFound = -503;

// The buffer size the program offers JVRead; no JV-Data record is longer.
constexpr int kJvReadBufferSize = 110000;

class JvLink {
 public:
  virtual ~JvLink() = default;

  virtual int JVInit(const std::string& softwareId) = 0;
  // JV-Link's own settings dialog.
  virtual int JVSetUIProperties() = 0;
  // Opens a stored-data request. downloadCount is the JVStatus value at which the download is
  // complete (0: nothing to download).
  virtual int JVOpen(const std::string& dataSpec, const std::string& fromTime, int option,
                     int& readCount, int& downloadCount, std::string& lastFileTimeStamp) = 0;
  // Files downloaded so far, or a negative error.
  virtual int JVStatus() = 0;
  virtual int JVRTOpen(const std::string& dataSpec, const std::string& key) = 0;
  // > 0: a record was delivered (its length); 0: everything read; -1: end of one JV-Link file;
  // below -1: error. fileName is the JV-Link file the record or error belongs to.
  virtual int JVRead(std::string& record, int& size, std::string& fileName) = 0;
  virtual void JVSkip() = 0;    // skips the rest of the current JV-Link file
  virtual void JVCancel() = 0;  // stops the running download
  virtual int JVClose() = 0;
  // Removes a downloaded file so that it is fetched again by a later request.
  virtual int JVFileDelete(const std::string& fileName) = 0;
  // The version property, for example "0480" for 4.8.0.
  virtual std::string JVLinkVersion() const = 0;
};
