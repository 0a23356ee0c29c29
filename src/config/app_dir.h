#pragma once
// Where the program keeps its settings and work folders (AppDir): the folder of the program file
// when it is writable (portable use), else $OSTRAVEL_HOME, else $XDG_DATA_HOME/ostravel
// (~/.local/share/ostravel by default). A folder given with --home overrides them all. Relative
// file names of the program resolve against it, never against the current directory.

#include <optional>
#include <string>

// What the choice is made from; gathered from the running process by ResolveAppDir.
struct AppDirSources {
  std::optional<std::string> homeOption;  // --home
  std::string programFolder;
  bool programFolderWritable = false;
  std::string ostravelHome;  // $OSTRAVEL_HOME
  std::string xdgDataHome;   // $XDG_DATA_HOME
  std::string home;          // $HOME
};

// The chosen folder, absolute and without a trailing "/".
std::string ChooseAppDir(const AppDirSources& sources);

std::string ResolveAppDir(const std::optional<std::string>& homeOption);
