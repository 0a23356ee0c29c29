#include "jvlink/record_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// More per-record files than this in one request are closed and opened again when revisited.
constexpr std::size_t kMaxParkedFiles = 64;

}  // namespace

RecordFileWriter::RecordFileWriter(std::size_t bufferCapacity) : capacity_(bufferCapacity) {
  buffer_.reserve(capacity_);
}

RecordFileWriter::~RecordFileWriter() { abandon(); }

bool RecordFileWriter::switchTo(const std::string& path) {
  if (fd_ >= 0 && path == path_) return commit();
  if (!commit()) return false;
  park();
  path_ = path;
  auto parked = parked_.find(path);
  if (parked == parked_.end()) return open(path);
  fd_ = parked->second;
  parked_.erase(parked);
  createdHere_ = false;
  everCommitted_ = true;
  // Asked afresh: the file may have grown through another name for it.
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return fail("ファイルを調べられません");
  onDisk_ = committed_ = st.st_size;
  return true;
}

bool RecordFileWriter::open(const std::string& path) {
  struct stat st {};
  bool existed = ::stat(path.c_str(), &st) == 0;
  // Read access too: a file that cannot be read back is as unusable as one that cannot be written.
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  createdHere_ = !existed;
  everCommitted_ = false;
  if (fd_ < 0) return fail("ファイルを開けません");
  if (::fstat(fd_, &st) != 0) return fail("ファイルを調べられません");
  onDisk_ = committed_ = st.st_size;
  if (st.st_size > 0) {
    char last = 0;
    if (::pread(fd_, &last, 1, st.st_size - 1) != 1) return fail("ファイルを読めません");
    if (last == '\r') buffer_ += '\n';
    else if (last != '\n') buffer_ += "\r\n";
  }
  return true;
}

bool RecordFileWriter::add(std::string_view line) {
  if (fd_ < 0) {
    failure_ = "書き込み先のファイルがありません";
    return false;
  }
  buffer_.append(line);
  buffer_.append("\r\n", 2);
  return buffer_.size() < capacity_ || flushBuffer();
}

bool RecordFileWriter::commit() {
  if (fd_ < 0) return true;
  if (!flushBuffer()) return false;
  committed_ = onDisk_;
  everCommitted_ = true;
  return true;
}

void RecordFileWriter::abandon() {
  buffer_.clear();
  if (fd_ >= 0) {
    if (createdHere_ && !everCommitted_) {
      ::unlink(path_.c_str());
    } else if (onDisk_ > committed_) {
      // Nothing more can be done if this fails; the caller already reports a failure or a cancel.
      [[maybe_unused]] int ignored = ::ftruncate(fd_, committed_);
    }
  }
  closeAll();
}

bool RecordFileWriter::finish() {
  if (!commit()) return false;
  closeAll();
  return true;
}

bool RecordFileWriter::flushBuffer() {
  const char* data = buffer_.data();
  std::size_t left = buffer_.size();
  while (left > 0) {
    ssize_t n = ::write(fd_, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail("ファイルに書き込めません");
    }
    data += n;
    left -= static_cast<std::size_t>(n);
    onDisk_ += n;
  }
  buffer_.clear();
  return true;
}

bool RecordFileWriter::fail(const char* what) {
  failure_ = std::string(what) + ": " + path_ + " (" + std::strerror(errno) + ")";
  return false;
}

// Puts the committed current file aside, open, for a later visit in the same request.
void RecordFileWriter::park() {
  if (fd_ < 0) return;
  if (parked_.size() < kMaxParkedFiles) {
    parked_.emplace(path_, fd_);
  } else {
    ::close(fd_);
  }
  fd_ = -1;
}

void RecordFileWriter::closeAll() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  for (const auto& [path, fd] : parked_) ::close(fd);
  parked_.clear();
}
