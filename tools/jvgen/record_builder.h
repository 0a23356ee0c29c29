#pragma once
// Builds one JV-Data record by field name through the layout tables, so that every record has
// exactly the length of its type. A new record holds what JV-Data puts in a field without a
// value: zeros in numeric fields, full-width spaces in full-width text, spaces elsewhere; the
// record type id and the closing CR LF are already in place. Texts are CP932 bytes.

#include "util/jvdata_layout.h"

#include <string>
#include <string_view>

// One field of a repeated group ("単勝払戻(n) 払戻金"): entry n (from 1) lies at
// first + (n - 1) * stride.
struct RepeatedField {
  int first = 0;   // 1-based position of entry 1
  int stride = 0;  // bytes between entries (0 for a group of one)
  int count = 0;   // number of entries
  int len = 0;
  int pos(int n) const { return first + (n - 1) * stride; }
};

class RecordBuilder {
 public:
  explicit RecordBuilder(std::string_view type);

  // Text left-aligned, padded as the field's kind wants (full-width spaces in full-width text).
  RecordBuilder& text(std::string_view field, std::string_view cp932);
  // A number right-aligned with leading zeros; a value wider than the field is a programming error.
  RecordBuilder& num(std::string_view field, long long value);
  // Bytes exactly as given, padded with spaces (codes such as "A  ", "----", "+005").
  RecordBuilder& raw(std::string_view field, std::string_view bytes);

  // Entry n of a repeated group: "group(n) sub", or "group(n)" when sub is empty.
  RecordBuilder& text(std::string_view group, int n, std::string_view sub, std::string_view cp932);
  RecordBuilder& num(std::string_view group, int n, std::string_view sub, long long value);
  RecordBuilder& raw(std::string_view group, int n, std::string_view sub, std::string_view bytes);

  // Fast access for groups with thousands of entries.
  RepeatedField repeated(std::string_view group, std::string_view sub) const;
  void num(const RepeatedField& field, int n, long long value);
  void raw(const RepeatedField& field, int n, std::string_view bytes);
  void blank(const RepeatedField& field, int n);  // spaces: an entry that does not exist

  const std::string& record() const { return record_; }

 private:
  const JvField& field(std::string_view name) const;
  void putText(const JvField& field, std::string_view cp932);
  void putNum(int pos, int len, long long value, std::string_view name);
  void putRaw(int pos, int len, std::string_view bytes);

  const struct LayoutIndex* index_;
  const JvRecordLayout* layout_;
  std::string record_;
};
