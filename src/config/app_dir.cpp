#include "config/app_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string Absolute(const std::string& folder) {
  std::error_code error;
  fs::path path = fs::absolute(folder, error);
  if (error) path = folder;
  std::string text = path.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string ChooseAppDir(const AppDirSources& sources) {
  if (sources.homeOption && !sources.homeOption->empty()) return Absolute(*sources.homeOption);
  if (sources.programFolderWritable) return Absolute(sources.programFolder);
  if (!sources.ostravelHome.empty()) return Absolute(sources.ostravelHome);
  // The XDG rules ignore a relative $XDG_DATA_HOME.
  if (!sources.xdgDataHome.empty() && sources.xdgDataHome.front() == '/') {
    return Absolute(sources.xdgDataHome + "/ostravel");
  }
  if (!sources.home.empty()) return Absolute(sources.home + "/.local/share/ostravel");
  return Absolute(sources.programFolder);
}

std::string ResolveAppDir(const std::optional<std::string>& homeOption) {
  AppDirSources sources;
  sources.homeOption = homeOption;
  std::error_code error;
  sources.programFolder = fs::read_symlink("/proc/self/exe", error).parent_path().string();
  sources.programFolderWritable =
      !error && ::access(sources.programFolder.c_str(), W_OK) == 0;
  sources.ostravelHome = Environment("OSTRAVEL_HOME");
  sources.xdgDataHome = Environment("XDG_DATA_HOME");
  sources.home = Environment("HOME");
  return ChooseAppDir(sources);
}
