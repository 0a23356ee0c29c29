#include "record_builder.h"

#include "util/cp932.h"
#include "util/fixed_width.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <unordered_map>

// Looks names up without making a string of them first.
struct FieldNameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
};

// Field lookup by name for one record type, built once.
struct LayoutIndex {
  const JvRecordLayout* layout = nullptr;
  std::unordered_map<std::string, const JvField*, FieldNameHash, std::equal_to<>> byName;
  std::unordered_map<std::string, RepeatedField> repeats;  // "group\tsub"
  std::string blank;
};

namespace {

enum class FieldFill { Digits, FullWidth, Blank };

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// What an empty field holds: zeros in numbers, codes and dates, full-width spaces in full-width
// text, spaces in half-width text, letters and reserved fields.
FieldFill FillOf(const JvField& field) {
  const std::string& name = field.name;
  if (!field.kind.empty()) return FieldFill::Digits;
  if (Contains(name, "欧字") || Contains(name, "半角カナ") || Contains(name, "予備") ||
      Contains(name, "グレードコード") || Contains(name, "コース区分") ||
      Contains(name, "レコード種別ID") || Contains(name, "レコード区切")) {
    return FieldFill::Blank;
  }
  static const char* const kFullWidth[] = {
      "馬名", "騎手名", "調教師名", "競走名本題", "競走名副題", "競走名カッコ内", "競走名略称",
      "競走条件名称", "生産者名", "馬主名", "産地名", "招待地域名", "服色標示", "系統名",
      "系統説明", "コース説明", "由来", "主催者名称", "市場の名称", "住所自治省名"};
  if (field.len % 2 == 0) {
    for (const char* part : kFullWidth) {
      if (Contains(name, part)) return FieldFill::FullWidth;
    }
  }
  return FieldFill::Digits;
}

const std::string& FullWidthSpace() {
  static const std::string space = Sjis("　");
  return space;
}

LayoutIndex& IndexOf(std::string_view type) {
  static std::map<std::string, LayoutIndex, std::less<>> indexes;
  auto found = indexes.find(type);
  if (found != indexes.end()) return found->second;
  const JvRecordLayout* layout = FindJvRecordLayout(type);
  if (!layout) throw std::logic_error("no JV-Data layout for record type " + std::string(type));
  LayoutIndex index;
  index.layout = layout;
  index.blank.assign(static_cast<std::size_t>(layout->length), ' ');
  for (const JvField& f : layout->fields) {
    index.byName.emplace(f.name, &f);
    std::size_t start = static_cast<std::size_t>(f.pos - 1);
    switch (FillOf(f)) {
      case FieldFill::Digits:
        index.blank.replace(start, static_cast<std::size_t>(f.len), static_cast<std::size_t>(f.len), '0');
        break;
      case FieldFill::FullWidth:
        for (int i = 0; i + 1 < f.len; i += 2) {
          index.blank.replace(start + static_cast<std::size_t>(i), 2, FullWidthSpace());
        }
        break;
      case FieldFill::Blank:
        break;
    }
  }
  index.blank.replace(0, 2, layout->type);
  index.blank.replace(index.blank.size() - 2, 2, "\r\n");
  return indexes.emplace(std::string(type), std::move(index)).first->second;
}

std::string GroupFieldName(std::string_view group, int n, std::string_view sub) {
  std::string name(group);
  name += '(';
  name += std::to_string(n);
  name += ')';
  if (!sub.empty()) {
    name += ' ';
    name += sub;
  }
  return name;
}

}  // namespace

RecordBuilder::RecordBuilder(std::string_view type) {
  index_ = &IndexOf(type);
  layout_ = index_->layout;
  record_ = index_->blank;
}

const JvField& RecordBuilder::field(std::string_view name) const {
  auto found = index_->byName.find(name);
  if (found == index_->byName.end()) {
    throw std::logic_error("record " + layout_->type + " has no field " + std::string(name));
  }
  return *found->second;
}

void RecordBuilder::putText(const JvField& f, std::string_view cp932) {
  std::string_view fitted = FitToWidth(cp932, f.len);
  std::string value(fitted);
  // Full-width text is padded with full-width spaces; a foreign name in letters with spaces.
  bool letters = std::all_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (FillOf(f) == FieldFill::FullWidth && !(letters && !value.empty())) {
    while (static_cast<int>(value.size()) + 2 <= f.len) value += FullWidthSpace();
  }
  PutField(record_, f.pos, f.len, value);
}

void RecordBuilder::putNum(int pos, int len, long long value, std::string_view name) {
  if (value < 0) throw std::logic_error("negative value for " + std::string(name));
  long long rest = value;
  for (int i = len - 1; i >= 0; --i) {
    record_[static_cast<std::size_t>(pos - 1 + i)] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  if (rest != 0) throw std::logic_error(std::string(name) + " too narrow for " + std::to_string(value));
}

void RecordBuilder::putRaw(int pos, int len, std::string_view bytes) {
  PutField(record_, pos, len, bytes);
}

RecordBuilder& RecordBuilder::text(std::string_view name, std::string_view cp932) {
  putText(field(name), cp932);
  return *this;
}

RecordBuilder& RecordBuilder::num(std::string_view name, long long value) {
  const JvField& f = field(name);
  putNum(f.pos, f.len, value, name);
  return *this;
}

RecordBuilder& RecordBuilder::raw(std::string_view name, std::string_view bytes) {
  const JvField& f = field(name);
  putRaw(f.pos, f.len, bytes);
  return *this;
}

RecordBuilder& RecordBuilder::text(std::string_view group, int n, std::string_view sub,
                                   std::string_view cp932) {
  putText(field(GroupFieldName(group, n, sub)), cp932);
  return *this;
}

RecordBuilder& RecordBuilder::num(std::string_view group, int n, std::string_view sub,
                                  long long value) {
  std::string name = GroupFieldName(group, n, sub);
  const JvField& f = field(name);
  putNum(f.pos, f.len, value, name);
  return *this;
}

RecordBuilder& RecordBuilder::raw(std::string_view group, int n, std::string_view sub,
                                  std::string_view bytes) {
  const JvField& f = field(GroupFieldName(group, n, sub));
  putRaw(f.pos, f.len, bytes);
  return *this;
}

RepeatedField RecordBuilder::repeated(std::string_view group, std::string_view sub) const {
  LayoutIndex& index = IndexOf(layout_->type);  // the mutable cache of this type
  std::string key = std::string(group) + '\t' + std::string(sub);
  auto cached = index.repeats.find(key);
  if (cached != index.repeats.end()) return cached->second;
  const JvField& first = field(GroupFieldName(group, 1, sub));
  RepeatedField out{first.pos, 0, 1, first.len};
  auto second = index.byName.find(GroupFieldName(group, 2, sub));
  if (second != index.byName.end()) {
    out.stride = second->second->pos - first.pos;
    while (index.byName.count(GroupFieldName(group, out.count + 1, sub))) ++out.count;
  }
  index.repeats.emplace(key, out);
  return out;
}

void RecordBuilder::num(const RepeatedField& f, int n, long long value) {
  if (n < 1 || n > f.count) throw std::logic_error("repeated entry out of range");
  putNum(f.pos(n), f.len, value, "repeated field");
}

void RecordBuilder::raw(const RepeatedField& f, int n, std::string_view bytes) {
  if (n < 1 || n > f.count) throw std::logic_error("repeated entry out of range");
  putRaw(f.pos(n), f.len, bytes);
}

void RecordBuilder::blank(const RepeatedField& f, int n) { raw(f, n, ""); }
