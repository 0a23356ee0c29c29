#include "jvlink/trim_by_meeting_date.h"

#include "util/atomic_file.h"
#include "util/fixed_width.h"
#include "util/line_reader.h"
#include "util/result_codes.h"

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

}  // namespace

int TrimByMeetingDate(const std::string& path, const std::string& from, const std::string& to) {
  LineReader reader;
  if (!reader.open(path)) return kResultFailed;
  // The kept lines go to a new file that replaces the old one only when complete.
  AtomicFileWriter out(path);
  std::string chunk;
  std::string_view line;
  LineReader::Result result;
  while ((result = reader.next(line)) == LineReader::Result::Line) {
    std::string_view meetingDate = CutField(line, 12, 8);
    if (meetingDate < from || meetingDate > to) continue;
    chunk.append(line);
    chunk.append("\r\n", 2);
    if (chunk.size() >= kChunkBytes) {
      if (!out.Write(chunk)) return kResultFailed;
      chunk.clear();
    }
  }
  if (result != LineReader::Result::End || !out.Write(chunk) || !out.Commit()) return kResultFailed;
  return kResultOk;
}
