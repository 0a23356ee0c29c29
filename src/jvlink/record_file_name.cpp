#include "jvlink/record_file_name.h"

#include <algorithm>

namespace {

// Pattern 1 element: a placeholder for a request value, or literal text.
std::string NameElement(const JVLINK_PARA& request, const std::string& element,
                        std::string_view recordId) {
  if (element == "DS") return request.DataSpec;
  if (element == "RS") return std::string(recordId);
  if (element == "OP") return std::to_string(request.Option);
  if (element == "FT") {
    return request.FromTime.substr(std::min<std::size_t>(2, request.FromTime.size()), 10);
  }
  if (element == "KEY") return request.Key;
  return element;
}

std::string FolderPrefix(const std::string& outDir) {
  if (!outDir.empty() && outDir.back() == '/') return outDir;
  return outDir + "/";
}

}  // namespace

std::string RecordFileName(const JVLINK_PARA& request, bool realtime, std::string_view recordId) {
  std::string name;
  if (request.NamingPattern == 1) {
    if (realtime) {
      name = "SOKUHO_" + request.RtDate + "_" + std::string(recordId) + "_" + request.RtJyo +
             request.RtRace;
    } else {
      name = std::string(recordId) + "_" + request.FromTime;
    }
  } else {
    name = realtime ? "S_" : "";
    bool first = true;
    for (const std::string& element : request.NameParts) {
      if (element.empty()) break;
      if (!first) name += '_';
      name += NameElement(request, element, recordId);
      first = false;
    }
  }
  return FolderPrefix(request.OutDir) + name + ".txt";
}
