#pragma once
// Packs files into an LZH archive as the archiver's "a" command does: an existing archive is
// updated (an entry of the same name is replaced in its place, the others are kept in order,
// new names follow at the end), a missing one is created. Each file is stored -lh5- when that
// makes it smaller, else -lh0-, under a level-1 header with the file's modification time.

#include <string>
#include <string_view>
#include <vector>

// The refusal of an LZH run when no packer is available (UTF-8).
inline constexpr std::string_view kArchiverMissingMessage =
    "ファイルの圧縮に使用する「Unlha32.dll」が見つかりません。\r\n"
    "「Unlha32.dll」のインストール後に再実行して下さい。";

// Whether this build carries the packer: the check the run driver makes before an LZH run.
// Always true unless the build was configured with OSTRAVEL_LZH_PACKER=OFF.
bool LzhPackerAvailable();

struct LzhPackResult {
  bool ok = false;
  std::string reason;  // UTF-8; why the archive was left as it was
};

// Packs `fileNames` (names without folder, printable ASCII, compared without regard to case)
// from `sourceFolder` into `archivePath`. On failure (a file that cannot be read, an archive
// that cannot be written, an existing file that is not an LZH archive) the archive is left
// exactly as it was.
LzhPackResult PackLzhArchive(const std::string& archivePath, const std::string& sourceFolder,
                             const std::vector<std::string>& fileNames);
