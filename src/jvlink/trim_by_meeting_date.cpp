#include "jvlink/trim_by_meeting_date.h"

#include "util/fixed_width.h"
#include "util/line_reader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

int TrimByMeetingDate(const std::string& path, const std::string& from, const std::string& to) {
  LineReader reader;
  struct stat st {};
  if (!reader.open(path) || ::stat(path.c_str(), &st) != 0) return kTrimFailed;

  // The kept lines go to a new file beside the old one, which replaces it only when complete.
  std::string temp = path + ".trim" + std::to_string(::getpid());
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  std::string_view line;
  LineReader::Result result = LineReader::Result::Error;
  while (out && (result = reader.next(line)) == LineReader::Result::Line) {
    std::string_view meetingDate = CutField(line, 12, 8);
    if (meetingDate >= from && meetingDate <= to) {
      out.write(line.data(), static_cast<std::streamsize>(line.size()));
      out.write("\r\n", 2);
    }
  }
  out.close();
  bool ok = out && result == LineReader::Result::End &&
            ::chmod(temp.c_str(), st.st_mode & 07777) == 0 &&
            std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok ? kTrimDone : kTrimFailed;
}
