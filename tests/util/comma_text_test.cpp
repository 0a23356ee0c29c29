#include "util/comma_text.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitCommaText, SeparatesAtCommasBlanksAndQuotes) {
  using Fields = std::vector<std::string>;
  const std::pair<std::string, Fields> cases[] = {
      {"", {}},
      {"   ", {}},
      {"a", {"a"}},
      {"a,b", {"a", "b"}},
      {"a,,b", {"a", "", "b"}},
      {",a", {"", "a"}},
      {"a,", {"a", ""}},
      {"a, ", {"a"}},
      {"a b\tc", {"a", "b", "c"}},
      {"a , b", {"a", "b"}},
      {"\"a b\",c", {"a b", "c"}},
      {"\"a\"\"b\"", {"a\"b"}},
      {"\"ab\"cd,e", {"ab", "cd", "e"}},
      {"\"open", {"open"}},
      {"\"\",x", {"", "x"}},
      {"\x83\x8C\x81\x5B\x83\x58,RA", {"\x83\x8C\x81\x5B\x83\x58", "RA"}},
  };
  for (const auto& [text, fields] : cases) EXPECT_EQ(SplitCommaText(text), fields) << text;
}

}  // namespace
