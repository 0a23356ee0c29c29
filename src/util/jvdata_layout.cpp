#include "util/jvdata_layout.h"

#include "util/file_io.h"

#include <charconv>
#include <map>
#include <stdexcept>

extern "C" {
extern const char ostravel_jv_layouts_begin[], ostravel_jv_layouts_end[];
extern const char ostravel_jv_records_begin[], ostravel_jv_records_end[];
extern const char ostravel_jv_dataspecs_begin[], ostravel_jv_dataspecs_end[];
}

namespace {

std::vector<std::string> SplitTabs(std::string_view line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (true) {
    std::size_t tab = line.find('\t', start);
    cells.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return cells;
}

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t space = text.find(' ', start);
    if (space == std::string_view::npos) space = text.size();
    if (space > start) words.emplace_back(text.substr(start, space - start));
    start = space + 1;
  }
  return words;
}

int ToInt(const std::string& text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    throw std::logic_error("bad number in the built-in JV-Data tables: " + text);
  }
  return value;
}

// Rows of a built-in table without its comment lines and its heading row.
std::vector<std::vector<std::string>> TableRows(const char* begin, const char* end) {
  std::vector<std::vector<std::string>> rows;
  bool heading = true;
  for (const std::string& line : SplitLines(std::string_view(begin, end - begin))) {
    if (line.empty() || line[0] == '#') continue;
    if (heading) {
      heading = false;
      continue;
    }
    rows.push_back(SplitTabs(line));
  }
  return rows;
}

std::vector<JvRecordLayout> LoadLayouts() {
  std::vector<JvRecordLayout> layouts;
  std::map<std::string, std::size_t> index;
  for (auto& row : TableRows(ostravel_jv_records_begin, ostravel_jv_records_end)) {
    row.resize(3);
    index[row[0]] = layouts.size();
    layouts.push_back({row[0], row[1], ToInt(row[2]), {}});
  }
  for (auto& row : TableRows(ostravel_jv_layouts_begin, ostravel_jv_layouts_end)) {
    row.resize(6);
    auto found = index.find(row[0]);
    if (found == index.end()) throw std::logic_error("layout of an unlisted record " + row[0]);
    layouts[found->second].fields.push_back(
        {ToInt(row[1]), row[2], ToInt(row[3]), ToInt(row[4]), row[5]});
  }
  return layouts;
}

std::vector<JvDataSpec> LoadDataSpecs() {
  std::vector<JvDataSpec> specs;
  for (auto& row : TableRows(ostravel_jv_dataspecs_begin, ostravel_jv_dataspecs_end)) {
    row.resize(4);
    specs.push_back({row[0], row[1] == "realtime", row[2], SplitWords(row[3])});
  }
  return specs;
}

}  // namespace

const JvField* JvRecordLayout::field(int no) const {
  if (no < 1 || no > static_cast<int>(fields.size())) return nullptr;
  return &fields[static_cast<std::size_t>(no - 1)];
}

const JvField* JvRecordLayout::field(std::string_view fieldName) const {
  for (const JvField& f : fields) {
    if (f.name == fieldName) return &f;
  }
  return nullptr;
}

const std::vector<JvRecordLayout>& JvRecordLayouts() {
  static const std::vector<JvRecordLayout> layouts = LoadLayouts();
  return layouts;
}

const JvRecordLayout* FindJvRecordLayout(std::string_view type) {
  for (const JvRecordLayout& layout : JvRecordLayouts()) {
    if (layout.type == type) return &layout;
  }
  return nullptr;
}

int JvRecordLength(std::string_view type) {
  const JvRecordLayout* layout = FindJvRecordLayout(type);
  return layout ? layout->length : 0;
}

const std::vector<JvDataSpec>& JvDataSpecs() {
  static const std::vector<JvDataSpec> specs = LoadDataSpecs();
  return specs;
}

const JvDataSpec* FindJvDataSpec(std::string_view code) {
  for (const JvDataSpec& kind : JvDataSpecs()) {
    if (kind.code == code) return &kind;
  }
  return nullptr;
}
