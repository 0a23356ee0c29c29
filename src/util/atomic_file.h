#pragma once
// A file written piece by piece through a temporary file in the same folder; Commit() renames
// it over the target, so a failure at any point leaves any previous file intact.

#include <sys/types.h>

#include <string>
#include <string_view>

class AtomicFileWriter {
 public:
  // A new file gets `mode`; a replaced file keeps the mode it had.
  explicit AtomicFileWriter(std::string path, mode_t mode = 0644);
  // Removes the temporary file unless Commit() succeeded.
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False once anything failed; error() then holds the errno of the first failure.
  bool ok() const { return error_ == 0; }
  int error() const { return error_; }

  bool Write(std::string_view bytes);
  // Flushes the data to disk and renames the temporary file over the target.
  bool Commit();

 private:
  void Fail(int error);

  std::string path_;
  std::string temp_;
  int fd_ = -1;
  int error_ = 0;
  bool committed_ = false;
};
