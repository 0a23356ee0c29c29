#pragma once
// A code table: each code maps to one display text per code form. The texts are written in the
// source as UTF-8 and converted to code page 932 once, when the table is built; tables are kept in
// function-local statics so a lookup per field and row costs a map search and nothing else.

#include "util/cp932.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

template <typename Key>
class CodeTable {
 public:
  struct Row {
    Key code;
    std::vector<std::string_view> texts;  // UTF-8, one per code form from 1
  };

  explicit CodeTable(std::initializer_list<Row> rows, std::string_view fallback = "")
      : fallback_(Sjis(fallback)) {
    for (const Row& row : rows) {
      std::vector<std::string>& texts = rows_[row.code];
      for (std::string_view text : row.texts) texts.push_back(Sjis(text));
    }
  }

  // The text of `code` in `form`, or nullptr when the table has no such code or no such form.
  template <typename Lookup>
  const std::string* Find(const Lookup& code, int form) const {
    auto row = rows_.find(code);
    return row == rows_.end() ? nullptr : InForm(row->second, form);
  }

  // The text of `code` in `form`; an unknown code gives the fallback, a form the code's row does
  // not have gives empty.
  template <typename Lookup>
  std::string Text(const Lookup& code, int form = 1) const {
    auto row = rows_.find(code);
    if (row == rows_.end()) return fallback_;
    const std::string* text = InForm(row->second, form);
    return text ? *text : std::string();
  }

 private:
  static const std::string* InForm(const std::vector<std::string>& texts, int form) {
    return form >= 1 && form <= static_cast<int>(texts.size()) ? &texts[form - 1] : nullptr;
  }

  std::map<Key, std::vector<std::string>, std::less<>> rows_;
  std::string fallback_;
};
