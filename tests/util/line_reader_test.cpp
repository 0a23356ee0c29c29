#include "util/line_reader.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Read {
  std::vector<std::string> lines;
  LineReader::Result last;
};

Read ReadLines(const std::string& path, std::size_t capacity) {
  LineReader reader(capacity);
  Read read{{}, LineReader::Result::Error};
  if (!reader.open(path)) return read;
  std::string_view line;
  while ((read.last = reader.next(line)) == LineReader::Result::Line) read.lines.emplace_back(line);
  return read;
}

TEST(LineReader, SplitsAtLfAndCrLfAcrossBufferRefills) {
  TempDir dir;
  std::string path = dir.file("a.txt");
  // An 8-byte buffer forces lines to be carried over between reads.
  WriteAll(path, "abc\r\n1234567\n\r\nlast\r");
  Read read = ReadLines(path, 8);
  EXPECT_EQ(read.lines, (std::vector<std::string>{"abc", "1234567", "", "last"}));
  EXPECT_EQ(read.last, LineReader::Result::End);

  WriteAll(path, "ok\r\n123456789\r\n");
  read = ReadLines(path, 8);
  EXPECT_EQ(read.lines, std::vector<std::string>{"ok"});
  EXPECT_EQ(read.last, LineReader::Result::TooLong);

  EXPECT_EQ(ReadLines(dir.file("missing"), 8).last, LineReader::Result::Error);
}

}  // namespace
