#include "config/folder_helpers.h"

#include "support/recording_host.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

// A folder as the callers meet it: plain files, a read-only one, a hidden one, a sub-folder.
void FillFolder(const std::string& folder) {
  fs::create_directories(folder + "/sub");
  WriteAll(folder + "/a.txt", "a");
  WriteAll(folder + "/B.DAT", "b");
  WriteAll(folder + "/noext", "n");
  WriteAll(folder + "/locked.txt", "l");
  fs::permissions(folder + "/locked.txt", fs::perms::owner_read | fs::perms::group_read);
  WriteAll(folder + "/.hidden", "h");
  WriteAll(folder + "/sub/inner.txt", "i");
}

std::set<std::string> Names(const TFileList& list) {
  std::set<std::string> names;
  for (std::size_t i = 0; i < list.Count(); ++i) names.insert(list.NameAt(i));
  return names;
}

std::set<std::string> Entries(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

TEST(FileList, ListsTheFilesMatchingTheMaskButNoFolderOrHiddenFile) {
  TempDir dir;
  FillFolder(dir.path());
  TFileList list(1000);
  struct Case {
    const char* mask;
    std::set<std::string> names;
  } cases[] = {
      {"*.*", {"a.txt", "B.DAT", "noext", "locked.txt"}},
      {"*", {"a.txt", "B.DAT", "noext", "locked.txt"}},
      {"*.dat", {"B.DAT"}},  // case is ignored
      {"?.txt", {"a.txt"}},
      {"*.mdb", {}},
  };
  for (const Case& c : cases) {
    list.Collect(dir.path(), c.mask);
    EXPECT_EQ(Names(list), c.names) << c.mask;
    EXPECT_EQ(list.Count(), c.names.size()) << c.mask;
  }

  list.Collect(dir.path(), "*.*");
  list.Collect(dir.file("missing"), "*.*");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.NameAt(0), "") << "a new listing forgets the old names";
}

TEST(FileList, StopsAtItsCapacity) {
  TempDir dir;
  for (int i = 0; i < 7; ++i) WriteAll(dir.file("f" + std::to_string(i)), "x");
  TFileList list(5);
  list.Collect(dir.path(), "*.*");
  EXPECT_EQ(list.Count(), 5);
  std::set<std::string> names = Names(list);
  EXPECT_EQ(names.size(), 5u);
  for (const std::string& name : names) EXPECT_TRUE(fs::exists(dir.file(name))) << name;
  EXPECT_THROW(list.NameAt(5), std::out_of_range);
}

TEST(ClearFolder, DeletesFilesButKeepsReadOnlyHiddenAndSubFolders) {
  TempDir dir;
  FillFolder(dir.path());
  RecordingHost host;
  EXPECT_EQ(ClearFolder(host, dir.path()), 0);
  EXPECT_EQ(Entries(dir.path()), (std::set<std::string>{"locked.txt", ".hidden", "sub"}));
  EXPECT_TRUE(fs::exists(dir.file("sub/inner.txt")));

  EXPECT_EQ(ClearFolder(host, dir.file("sub")), 0);
  EXPECT_EQ(ClearFolder(host, dir.file("sub")), 0) << "an empty folder";
  EXPECT_EQ(ClearFolder(host, dir.file("missing")), 0);
  EXPECT_TRUE(host.messages.empty());
}

TEST(FolderHelpers, AFolderThatCannotBeListedFails) {
  RecordingHost host;
  std::string tooLong = "/tmp/" + std::string(5000, 'x');
  EXPECT_EQ(ClearFolder(host, tooLong), 9);
  EXPECT_EQ(host.texts(HostMessage::Error),
            std::vector<std::string>{"ファイル削除エラー\r\n\r\nディレクトリ = " + tooLong});
  EXPECT_EQ(CopyFolderFiles(tooLong, "/tmp"), -1);
}

TEST(CopyFolderFiles, CopiesEveryFileReplacingOlderCopies) {
  TempDir source;
  TempDir target;
  FillFolder(source.path());
  WriteAll(target.file("a.txt"), "older and longer");

  int failed = -1;
  EXPECT_EQ(CopyFolderFiles(source.path(), target.path(), &failed), 4);
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(Entries(target.path()), (std::set<std::string>{"a.txt", "B.DAT", "noext", "locked.txt"}));
  EXPECT_EQ(ReadAll(target.file("a.txt")), "a");
  EXPECT_EQ(ReadAll(target.file("locked.txt")), "l");
}

TEST(CopyFolderFiles, CountsTheFilesAndTheFailuresWhenTheTargetIsMissing) {
  TempDir source;
  FillFolder(source.path());
  int failed = 0;
  EXPECT_EQ(CopyFolderFiles(source.path(), source.file("missing"), &failed), 4);
  EXPECT_EQ(failed, 4);
  EXPECT_FALSE(fs::exists(source.file("missing")));
  EXPECT_EQ(CopyFolderFiles(source.file("missing"), source.path()), 0);
}

TEST(FileNameNoExt, TakesTheExtensionOfTheLastComponentOnly) {
  struct Case {
    const char* name;
    const char* expected;
  } cases[] = {
      {"week.mdb", "week"},          {"archive.tar.gz", "archive.tar"},
      {"a.b/c", "a.b/c"},            {"/x/y.z/REC_RA.dat", "/x/y.z/REC_RA"},
      {"name.", "name"},             {"noext", "noext"},
      {"", ""},                      {".profile", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FileNameNoExt(c.name), c.expected) << c.name;
}

}  // namespace
