#include "util/file_io.h"

#include "util/atomic_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

std::optional<std::string> ReadFileBytes(const std::string& path) {
  // A folder opens like a file and reads as empty; it is not a file.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(buffer).str();
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    std::size_t lineEnd = (end > start && text[end - 1] == '\r') ? end - 1 : end;
    lines.emplace_back(text.substr(start, lineEnd - start));
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return SplitLines(*bytes);
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, mode_t mode) {
  int error = 0;
  {
    AtomicFileWriter file(path, mode);
    file.Write(bytes);
    if (!file.Commit()) error = file.error();
  }
  errno = error;  // after the writer has cleaned up, which may touch errno
  return error == 0;
}

std::optional<std::string> KeepUnreadCopy(const std::string& path) {
  std::string copy = path + ".bak";
  std::error_code error;
  if (!std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing,
                                  error)) {
    return std::nullopt;
  }
  return copy;
}

std::string UnreadCopyNote(const std::optional<std::string>& copy) {
  return copy ? "\r\n\r\n読み込み前のファイルを保存しました : " + *copy : std::string();
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}
