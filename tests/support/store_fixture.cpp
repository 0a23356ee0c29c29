#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

std::string Record(const std::string& type, const std::string& meetingDate, const std::string& tag,
                   std::size_t length) {
  // id, data kind, creation date, meeting year and month-day, course, round, day, race.
  std::string record = type + "7" + "20221231" + meetingDate + "05010111" + tag;
  if (record.size() + 2 < length) record.append(length - 2 - record.size(), ' ');
  return record + "\r\n";
}

std::string Joined(const std::vector<std::string>& records) {
  std::string bytes;
  for (const std::string& record : records) bytes += record;
  return bytes;
}

StoreFixture::StoreFixture()
    : storeDir(root.file("store")), programDir(root.file("program")), outDir(root.file("out")) {
  for (const std::string& dir : {storeDir, programDir, outDir}) {
    std::filesystem::create_directories(dir);
  }
  SetPace(0);
}

std::string StoreFixture::AddStoredBytes(const std::string& dataSpec, const std::string& prefix,
                                         const std::string& dataDate,
                                         const std::string& timeStamp, const std::string& bytes) {
  std::string dir = storeDir + "/stored/" + dataSpec;
  std::filesystem::create_directories(dir);
  std::string name = prefix + dataDate + timeStamp + ".jvd";
  WriteAll(dir + "/" + name, bytes);
  return name;
}

void StoreFixture::AddRealtime(const std::string& dataSpec, const std::string& key,
                               const std::vector<std::string>& records) {
  std::string dir = storeDir + "/realtime/" + dataSpec;
  std::filesystem::create_directories(dir);
  WriteAll(dir + "/" + key + ".txt", Joined(records));
}

void StoreFixture::WriteStoreIni(const std::string& text) {
  WriteAll(storeDir + "/store.ini", text);
}

void StoreFixture::SetPace(int pace) {
  if (!SaveEmulatorSettings(programDir, {storeDir, pace})) ADD_FAILURE() << "settings not saved";
}

std::unique_ptr<JvLinkEmulator> StoreFixture::Emulator() const {
  return std::make_unique<JvLinkEmulator>(programDir);
}

JVLINK_PARA StoreFixture::StoredRequest() const {
  JVLINK_PARA request;
  request.DataSpec = "RACE";
  request.FromTime = "20230101000000";
  request.Option = 1;
  request.OutDir = outDir;
  request.NameParts = {"DS", "RS", "", "", ""};
  return request;
}
