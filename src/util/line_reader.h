#pragma once
// Reads a file line by line through one fixed buffer, so memory stays the same however large the
// file is. Lines end at LF or CR LF; a last line without a line end counts as a line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class LineReader {
 public:
  // `capacity` is the longest line (line end included) the reader accepts.
  explicit LineReader(std::size_t capacity = std::size_t{1} << 20);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool open(const std::string& path);  // false with errno set
  void close();
  bool isOpen() const { return fd_ >= 0; }

  enum class Result { Line, End, Error, TooLong };
  // The next line without its line end; `line` stays valid until the next call.
  Result next(std::string_view& line);

 private:
  int fd_ = -1;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
};
