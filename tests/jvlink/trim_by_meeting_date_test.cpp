#include "jvlink/trim_by_meeting_date.h"

#include "support/temp_dir.h"
#include "util/result_codes.h"

#include <gtest/gtest.h>

namespace {

// Bytes 12 to 19 of a record are its meeting date.
std::string Line(const char* meetingDate) {
  return std::string("SE7") + "20221231" + meetingDate + "05010111";
}

TEST(TrimByMeetingDate, KeepsTheLinesWithinTheRangeInclusive) {
  TempDir dir;
  std::string path = dir.file("SE.txt");
  WriteAll(path, Line("20230104") + "\r\n" + Line("20230105") + "\n" + Line("20230110") +
                     "\r\nshort\r\n" + Line("20230111"));
  EXPECT_EQ(TrimByMeetingDate(path, "20230105", "20230110"), kResultOk);
  EXPECT_EQ(ReadAll(path), Line("20230105") + "\r\n" + Line("20230110") + "\r\n");
}

TEST(TrimByMeetingDate, FailsWithoutChangingAnything) {
  TempDir dir;
  EXPECT_EQ(TrimByMeetingDate(dir.file("missing.txt"), "0", "9"), kResultFailed);
  std::string path = dir.file("long.txt");
  std::string content = Line("20230105") + "\r\n" + std::string(2 << 20, 'x');  // over 1 MiB
  WriteAll(path, content);
  EXPECT_EQ(TrimByMeetingDate(path, "00000000", "99999999"), kResultFailed);
  EXPECT_EQ(ReadAll(path), content);
}

}  // namespace
