#include "config/folder_helpers.h"

#include "util/host.h"
#include "util/result_codes.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

namespace {

constexpr const char* kDeleteError = "ファイル削除エラー\r\n\r\nディレクトリ = ";

struct ListedFile {
  const char* name;
  const struct stat& status;
};

// Calls `visit` for each listed file until it returns false. False when the folder exists but
// cannot be listed; a missing folder lists nothing.
bool ListFiles(const std::string& folder, const std::string& mask,
               const std::function<bool(const ListedFile&)>& visit) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return errno == ENOENT || errno == ENOTDIR;
  // "*.*" means every file, with or without a dot.
  const char* pattern = mask == "*.*" ? "*" : mask.c_str();
  bool ok = true;
  while (true) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) {
      ok = errno == 0;
      break;
    }
    if (entry->d_name[0] == '.') continue;
    if (::fnmatch(pattern, entry->d_name, FNM_NOESCAPE | FNM_CASEFOLD) != 0) continue;
    struct stat status {};
    if (::fstatat(::dirfd(dir), entry->d_name, &status, 0) != 0 || !S_ISREG(status.st_mode)) continue;
    if (!visit({entry->d_name, status})) break;
  }
  ::closedir(dir);
  return ok;
}

bool IsReadOnly(const struct stat& status) { return (status.st_mode & 0222) == 0; }

}  // namespace

TFileList::TFileList(std::uint16_t capacity) : names_(capacity) {}

void TFileList::Collect(const std::string& folder, const std::string& mask) {
  for (std::string& name : names_) name.clear();
  count_ = 0;
  ListFiles(folder, mask, [this](const ListedFile& file) {
    if (count_ >= names_.size()) return false;
    names_[count_++] = file.name;
    return true;
  });
}

int ClearFolder(Host& host, const std::string& folder) {
  bool listed = ListFiles(folder, "*.*", [&folder](const ListedFile& file) {
    if (!IsReadOnly(file.status)) ::unlink((folder + "/" + file.name).c_str());
    return true;
  });
  if (listed) return kResultOk;
  host.error(kDeleteError + folder);
  return kResultFailed;
}

int CopyFolderFiles(const std::string& source, const std::string& target, int* failedCopies) {
  int handled = 0;
  int failed = 0;
  bool listed = ListFiles(source, "*.*", [&](const ListedFile& file) {
    std::error_code error;
    std::filesystem::copy_file(source + "/" + file.name, target + "/" + file.name,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) ++failed;
    ++handled;
    return true;
  });
  if (failedCopies != nullptr) *failedCopies = failed;
  return listed ? handled : -1;
}

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code error;
  return a == b || std::filesystem::equivalent(a, b, error);
}

std::string FileNameNoExt(const std::string& name) {
  std::size_t componentStart = name.rfind('/');
  componentStart = componentStart == std::string::npos ? 0 : componentStart + 1;
  std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot < componentStart) return name;
  return name.substr(0, dot);
}
