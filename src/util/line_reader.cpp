#include "util/line_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

LineReader::LineReader(std::size_t capacity) : buffer_(capacity) {}

LineReader::~LineReader() { close(); }

bool LineReader::open(const std::string& path) {
  close();
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  return fd_ >= 0;
}

void LineReader::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  begin_ = end_ = 0;
  eof_ = false;
}

LineReader::Result LineReader::next(std::string_view& line) {
  if (fd_ < 0) return Result::Error;
  while (true) {
    const char* start = buffer_.data() + begin_;
    std::size_t available = end_ - begin_;
    if (const void* lf = std::memchr(start, '\n', available)) {
      std::size_t length = static_cast<const char*>(lf) - start;
      begin_ += length + 1;
      if (length > 0 && start[length - 1] == '\r') --length;
      line = std::string_view(start, length);
      return Result::Line;
    }
    if (eof_) {
      if (available == 0) return Result::End;
      begin_ = end_;
      if (start[available - 1] == '\r') --available;
      line = std::string_view(start, available);
      return Result::Line;
    }
    if (begin_ > 0) {
      std::memmove(buffer_.data(), start, available);
      begin_ = 0;
      end_ = available;
    }
    if (end_ == buffer_.size()) return Result::TooLong;
    ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Result::Error;
    }
    if (n == 0) eof_ = true;
    end_ += static_cast<std::size_t>(n);
  }
}
