#pragma once
// JV-Link's stand-in on machines without it: serves a store folder (docs/jvlink-store.md) and
// answers every call the program makes as JV-Link does, including a simulated download, a
// download cache and the faults store.ini asks for.

#include "jvlink/download_cache.h"
#include "jvlink/emulator_settings.h"
#include "jvlink/emulator_store.h"
#include "jvlink/jvlink.h"
#include "util/line_reader.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class JvLinkEmulator : public JvLink {
 public:
  // The version property of the emulator.
  static constexpr const char* kVersion = "0100";

  // programDir holds the emulator's settings and download cache; storeOverride (--store DIR)
  // takes the place of the settings' store folder.
  explicit JvLinkEmulator(std::string programDir,
                          std::optional<std::string> storeOverride = std::nullopt);

  // The settings dialog JVSetUIProperties shows: edits the settings and returns true for OK.
  using SetupDialog = std::function<bool(EmulatorSettings& settings)>;
  void SetSetupDialog(SetupDialog dialog) { setupDialog_ = std::move(dialog); }

  const std::string& StoreDir() const { return settings_.storeDir; }

  int JVInit(const std::string& softwareId) override;
  int JVSetUIProperties() override;
  int JVOpen(const std::string& dataSpec, const std::string& fromTime, int option, int& readCount,
             int& downloadCount, std::string& lastFileTimeStamp) override;
  int JVStatus() override;
  int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
  int JVRead(std::string& record, int& size, std::string& fileName) override;
  void JVSkip() override;
  void JVCancel() override;
  int JVClose() override;
  int JVFileDelete(const std::string& fileName) override;
  std::string JVLinkVersion() const override { return kVersion; }

 private:
  void ApplySettings(EmulatorSettings settings);
  int CheckCanOpen();
  std::size_t Pace() const;
  void EndRequest();
  int OpenCurrentFile(std::string& fileName);

  std::string programDir_;
  EmulatorSettings settings_;
  SetupDialog setupDialog_;
  DownloadCache cache_;
  bool initialised_ = false;

  // The open request.
  bool open_ = false;
  StoreSettings store_;
  std::string dataSpec_;
  std::vector<StoreFile> files_;           // delivered by JVRead, in order
  std::vector<std::string> toDownload_;    // names of the files not yet in the cache
  std::size_t downloaded_ = 0;
  std::size_t current_ = 0;  // index into files_ of the file being read
  LineReader reader_;
};
