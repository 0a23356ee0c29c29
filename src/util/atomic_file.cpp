#include "util/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

AtomicFileWriter::AtomicFileWriter(std::string path, mode_t mode)
    : path_(std::move(path)), temp_(path_ + ".tmp" + std::to_string(::getpid())) {
  struct stat existing {};
  if (::stat(path_.c_str(), &existing) == 0) mode = existing.st_mode & 07777;
  fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd_ < 0) {
    Fail(errno);
    return;
  }
  // open() honours the umask; the mode asked for (0600 for secrets) must hold exactly.
  if (::fchmod(fd_, mode) != 0) Fail(errno);
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) ::unlink(temp_.c_str());
}

void AtomicFileWriter::Fail(int error) {
  if (error_ == 0) error_ = error != 0 ? error : EIO;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (ok() && left > 0) {
    ssize_t n = ::write(fd_, data, left);
    if (n < 0) {
      if (errno != EINTR) Fail(errno);
      continue;
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return ok();
}

bool AtomicFileWriter::Commit() {
  if (ok() && ::fsync(fd_) != 0) Fail(errno);
  if (fd_ >= 0 && ::close(fd_) != 0) Fail(errno);
  fd_ = -1;
  if (ok() && ::rename(temp_.c_str(), path_.c_str()) != 0) Fail(errno);
  committed_ = ok();
  return committed_;
}
