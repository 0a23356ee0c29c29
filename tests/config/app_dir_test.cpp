#include "config/app_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ChooseAppDir, TakesTheFirstUsableSource) {
  AppDirSources all;
  all.homeOption = "/opt/home/";
  all.programFolder = "/usr/local/bin";
  all.programFolderWritable = true;
  all.ostravelHome = "/srv/ostravel";
  all.xdgDataHome = "/data/xdg";
  all.home = "/home/user";

  struct Case {
    const char* name;
    void (*change)(AppDirSources&);
    const char* expected;
  } cases[] = {
      {"--home overrides all", [](AppDirSources&) {}, "/opt/home"},
      {"writable program folder", [](AppDirSources& s) { s.homeOption.reset(); }, "/usr/local/bin"},
      {"$OSTRAVEL_HOME",
       [](AppDirSources& s) {
         s.homeOption.reset();
         s.programFolderWritable = false;
       },
       "/srv/ostravel"},
      {"$XDG_DATA_HOME",
       [](AppDirSources& s) {
         s.homeOption.reset();
         s.programFolderWritable = false;
         s.ostravelHome.clear();
       },
       "/data/xdg/ostravel"},
      {"relative $XDG_DATA_HOME is ignored",
       [](AppDirSources& s) {
         s.homeOption.reset();
         s.programFolderWritable = false;
         s.ostravelHome.clear();
         s.xdgDataHome = "rel";
       },
       "/home/user/.local/share/ostravel"},
  };
  for (const Case& c : cases) {
    AppDirSources sources = all;
    c.change(sources);
    EXPECT_EQ(ChooseAppDir(sources), c.expected) << c.name;
  }
}

TEST(ResolveAppDir, MakesAGivenHomeAbsolute) {
  std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(ResolveAppDir(std::string("some/./home/")), cwd + "/some/home");
  EXPECT_EQ(ResolveAppDir(std::string("/abs/dir")), "/abs/dir");
}

}  // namespace
