#pragma once
// Appends lines to per-record files through a bounded buffer. What was appended since the last
// commit can be taken back: a cancelled or failed request loses exactly the lines it had not yet
// committed, while memory stays bounded whatever the size of the request or of the files.

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

class RecordFileWriter {
 public:
  explicit RecordFileWriter(std::size_t bufferCapacity = std::size_t{1} << 20);
  ~RecordFileWriter();  // takes back anything not committed
  RecordFileWriter(const RecordFileWriter&) = delete;
  RecordFileWriter& operator=(const RecordFileWriter&) = delete;

  // Commits the current file and makes `path` current; an existing file keeps its content and a
  // last line without a line end gets one. The same path again only commits.
  bool switchTo(const std::string& path);
  // Appends one line (without line end) and CR LF to the current file.
  bool add(std::string_view line);
  // Makes everything appended so far permanent.
  bool commit();
  // Takes back what was appended since the last commit (a file this writer created and never
  // committed is removed) and closes every file.
  void abandon();
  // Commits and closes every file.
  bool finish();

  // What went wrong in the last failed call (UTF-8).
  const std::string& failure() const { return failure_; }

 private:
  bool open(const std::string& path);
  bool flushBuffer();
  bool fail(const char* what);
  void park();
  void closeAll();

  std::size_t capacity_;
  std::string buffer_;
  int fd_ = -1;
  std::string path_;
  off_t onDisk_ = 0;     // bytes in the file, buffer not included
  off_t committed_ = 0;  // file size at the last commit
  bool createdHere_ = false;
  bool everCommitted_ = false;
  // Files visited earlier and fully committed, kept open for the next visit (RA, SE, RA, …).
  std::unordered_map<std::string, int> parked_;  // path → descriptor
  std::string failure_;
};
