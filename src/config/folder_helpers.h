#pragma once
// Folder helpers shared by the run drivers and windows. They see the regular files of a folder,
// in the order the system lists them; dot files are hidden and never listed, deleted or copied.
// A file without any write permission bit is read-only: listed and copied, but never deleted
// (decided by the mode bits, since root could delete it).

#include <cstdint>
#include <string>
#include <vector>

class Host;

// The names (without folder) of the files of one folder that match a mask, up to a capacity.
class TFileList {
 public:
  explicit TFileList(std::uint16_t capacity);

  // Forgets the previous names, then lists folder's files matching `mask` ("*" any run of
  // characters, "?" one; "*.*" every file; ASCII case ignored) until the listing ends or the
  // capacity is reached. A missing or unreadable folder yields no names.
  void Collect(const std::string& folder, const std::string& mask);

  std::uint16_t Count() const { return count_; }
  // An index at or beyond the capacity throws std::out_of_range.
  const std::string& NameAt(std::size_t index) const { return names_.at(index); }

 private:
  std::vector<std::string> names_;
  std::uint16_t count_ = 0;
};

// Deletes the folder's files, passing over those that cannot be deleted. 0, or 9 after an error
// of the listing itself (reported). A missing folder is already clear.
int ClearFolder(Host& host, const std::string& folder);

// Copies every file of `source` into `target`, replacing files of the same name. The number of
// files handled, copied or not; -1 when the source cannot be listed. `failedCopies`, when given,
// receives the number of files that could not be copied.
int CopyFolderFiles(const std::string& source, const std::string& target,
                    int* failedCopies = nullptr);

// Whether two paths name the same folder, however each is spelled (a trailing "/", "..", a
// link).
bool SameFolder(const std::string& a, const std::string& b);

// The name without the extension of its last path component: "week.mdb" gives "week", "a.b/c"
// stays, "name." gives "name".
std::string FileNameNoExt(const std::string& name);
