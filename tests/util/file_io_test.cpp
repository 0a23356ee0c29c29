#include "util/file_io.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

namespace {

TEST(SplitLines, HandlesCrLfLfAndAMissingFinalLineEnd) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\rb\n"), (Lines{"a\rb"}));  // a lone CR is data
  EXPECT_EQ(SplitLines(""), Lines{});
}

TEST(ReadTextLines, KeepsCp932BytesAndFailsOnAMissingFile) {
  TempDir dir;
  WriteAll(dir.file("a.txt"), "\x83\x8C\x81\x5B\x83\x58\r\nx");
  auto lines = ReadTextLines(dir.file("a.txt"));
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"\x83\x8C\x81\x5B\x83\x58", "x"}));
  EXPECT_FALSE(ReadTextLines(dir.file("missing.txt")));
  EXPECT_FALSE(ReadFileBytes(dir.path())) << "a folder is not an empty file";
}

TEST(WriteFileAtomic, ReplacesWholeAndLeavesNoTemporaryFile) {
  TempDir dir;
  std::string path = dir.file("settings.ini");
  ASSERT_TRUE(WriteFileAtomic(path, "old", 0600));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  ASSERT_TRUE(WriteFileAtomic(path, JoinCrLf({"new", "lines"})));
  EXPECT_EQ(ReadAll(path), "new\r\nlines\r\n");
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << "a replaced file keeps its mode";
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(WriteFileAtomic, FailureLeavesThePreviousFileIntact) {
  TempDir dir;
  std::string path = dir.file("keep.txt");
  WriteAll(path, "previous");
  EXPECT_FALSE(WriteFileAtomic(dir.file("no-such-folder/x.txt"), "data"));
  // A folder in the way of the rename: the write fails and nothing else changes.
  std::filesystem::create_directory(dir.file("taken"));
  WriteAll(dir.file("taken/inner"), "x");
  EXPECT_FALSE(WriteFileAtomic(dir.file("taken"), "data"));
  EXPECT_EQ(ReadAll(path), "previous");
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2) << "the temporary file is removed after a failure";
}

}  // namespace
