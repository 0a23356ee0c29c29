#include "jvlink/record_file_writer.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A buffer of 16 bytes makes every few lines reach the disk before they are committed.
constexpr std::size_t kSmallBuffer = 16;

TEST(RecordFileWriter, AbandonTakesBackLinesAlreadyOnDisk) {
  TempDir dir;
  std::string existing = dir.file("existing.txt");
  std::string created = dir.file("created.txt");
  WriteAll(existing, "kept\r\n");
  {
    RecordFileWriter writer(kSmallBuffer);
    ASSERT_TRUE(writer.switchTo(existing));
    ASSERT_TRUE(writer.add("committed line"));
    ASSERT_TRUE(writer.switchTo(created));  // commits existing.txt
    ASSERT_TRUE(writer.add("first line of a new file"));
    ASSERT_TRUE(writer.add("second line"));
    EXPECT_NE(ReadAll(created), "") << "the small buffer has written through";
    ASSERT_TRUE(writer.switchTo(existing));  // commits created.txt
    ASSERT_TRUE(writer.add("uncommitted line that is long enough to reach the disk"));
    EXPECT_NE(ReadAll(existing), "kept\r\ncommitted line\r\n");
    writer.abandon();
  }
  EXPECT_EQ(ReadAll(existing), "kept\r\ncommitted line\r\n");
  EXPECT_EQ(ReadAll(created), "first line of a new file\r\nsecond line\r\n");

  // A file created and never committed disappears; an existing one is left as it was.
  std::string never = dir.file("never.txt");
  {
    RecordFileWriter writer(kSmallBuffer);
    ASSERT_TRUE(writer.switchTo(never));
    ASSERT_TRUE(writer.add("a line long enough to be written through"));
    EXPECT_TRUE(std::filesystem::exists(never));
  }  // the destructor abandons
  EXPECT_FALSE(std::filesystem::exists(never));
}

TEST(RecordFileWriter, CompletesALastLineWithoutLineEnd) {
  TempDir dir;
  struct Case {
    const char* before;
    const char* after;
  };
  for (const Case& c : {Case{"a", "a\r\nb\r\n"}, Case{"a\r", "a\r\nb\r\n"}, Case{"a\n", "a\nb\r\n"},
                        Case{"", "b\r\n"}}) {
    SCOPED_TRACE(c.before);
    std::string path = dir.file("f.txt");
    WriteAll(path, c.before);
    RecordFileWriter writer;
    ASSERT_TRUE(writer.switchTo(path));
    ASSERT_TRUE(writer.add("b"));
    ASSERT_TRUE(writer.finish());
    EXPECT_EQ(ReadAll(path), c.after);
  }
}

}  // namespace
