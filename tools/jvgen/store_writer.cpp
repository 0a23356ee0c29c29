#include "store_writer.h"

#include "calendar.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

StoreWriter::StoreWriter(std::string root) : root_(std::move(root)) {
  for (const char* folder : {"stored", "realtime"}) {
    std::error_code error;
    fs::remove_all(fs::path(root_) / folder, error);
    if (error) throw std::runtime_error("cannot empty " + (fs::path(root_) / folder).string() + ": " + error.message());
  }
}

void StoreWriter::write(const std::string& path, const std::vector<std::string>& records) {
  if (!written_.insert(path).second) throw std::logic_error("two files at " + path);
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& record : records) {
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
    totals_.bytes += static_cast<long long>(record.size());
  }
  if (!out) throw std::runtime_error("cannot write " + path);
  totals_.records += static_cast<long long>(records.size());
  ++totals_.files;
}

void StoreWriter::stored(std::string_view dataspec, int dataDay, const std::string& stamp,
                         const std::vector<std::string>& records) {
  if (records.empty()) return;
  std::string name = records.front().substr(0, 2) + std::string(dataspec.substr(0, 2)) + Yyyymmdd(dataDay) + stamp + ".jvd";
  // JV-Link file names are unique across the data kinds: JVFileDelete names a file alone.
  if (!storedNames_.insert(name).second) throw std::logic_error("two stored files named " + name);
  write(root_ + "/stored/" + std::string(dataspec) + "/" + name, records);
}

void StoreWriter::realtime(std::string_view dataspec, std::string_view key, const std::vector<std::string>& records) {
  if (records.empty()) return;
  write(root_ + "/realtime/" + std::string(dataspec) + "/" + std::string(key) + ".txt", records);
}

void StoreWriter::storeIni(int thisWeekFrom) {
  std::string path = root_ + "/store.ini";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "[Store]\r\nThisWeekFrom=" << Yyyymmdd(thisWeekFrom) << "\r\n";
  if (!out) throw std::runtime_error("cannot write " + path);
}
