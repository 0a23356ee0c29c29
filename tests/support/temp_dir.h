#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the test.

#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Test helpers for files: whole contents, or an empty string when the file cannot be read.
std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
