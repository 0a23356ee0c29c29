#pragma once
// A small emulator store, program folder and output folder built by a test, and hand-built
// records to put into it.

#include "jvlink/jvlink_emulator.h"
#include "jvlink/jvlink_para.h"
#include "support/temp_dir.h"

#include <memory>
#include <string>
#include <vector>

// A record of type `type` held on `meetingDate`, `length` bytes with its CR LF; `tag` goes after
// the common header so that records can be told apart.
std::string Record(const std::string& type, const std::string& meetingDate, const std::string& tag,
                   std::size_t length = 40);

// Records joined: the bytes a per-record file holds for them (each ends with CR LF).
std::string Joined(const std::vector<std::string>& records);

class StoreFixture {
 public:
  StoreFixture();

  // Writes stored/<dataSpec>/<prefix><dataDate><timeStamp>.jvd with `bytes`; returns its name.
  std::string AddStoredBytes(const std::string& dataSpec, const std::string& prefix,
                             const std::string& dataDate, const std::string& timeStamp,
                             const std::string& bytes);
  std::string AddStored(const std::string& dataSpec, const std::string& prefix,
                        const std::string& dataDate, const std::string& timeStamp,
                        const std::vector<std::string>& records) {
    return AddStoredBytes(dataSpec, prefix, dataDate, timeStamp, Joined(records));
  }
  void AddRealtime(const std::string& dataSpec, const std::string& key,
                   const std::vector<std::string>& records);
  void WriteStoreIni(const std::string& text);
  void SetPace(int pace);

  std::unique_ptr<JvLinkEmulator> Emulator() const;
  // RACE from 1 January 2023, option 1, files named "DS", "RS", into the output folder.
  JVLINK_PARA StoredRequest() const;
  std::string Out(const std::string& name) const { return outDir + "/" + name; }

  TempDir root;
  std::string storeDir;
  std::string programDir;
  std::string outDir;
};
