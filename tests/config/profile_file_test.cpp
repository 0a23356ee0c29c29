#include "config/profile_file.h"

#include "util/cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileReader, FindsValuesByTheProfileRules) {
  ProfileReader file(
      "top=outside\r\n"
      "[Alpha]\r\n"
      "Key=one\r\n"
      "  Spaced  =\t two words \t\r\n"
      "Quoted=\" kept \"\r\n"
      "Empty=\r\n"
      "no equals sign\r\n"
      "Key=second\r\n"
      "[ Beta ]\n"           // LF only
      "Key=beta\n"
      "Eq=a=b\n"
      "Name=" + Sjis("漢字") + "\n");
  struct Case {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"Alpha", "Key", "one"},          // the first of repeated keys counts
      {"ALPHA", "kEY", "one"},          // names ignore ASCII case
      {"Alpha", "Spaced", "two words"}, // blanks around names and values go
      {"Alpha", "Quoted", " kept "},    // quotes keep blanks
      {"Alpha", "Empty", ""},
      {"Beta", "Key", "beta"},
      {"Beta", "Eq", "a=b"},            // split at the first "="
      {"Beta", "Name", Sjis("漢字")},   // bytes as they are
      {"Beta", "Spaced", std::nullopt}, // keys belong to their section
      {"Gamma", "Key", std::nullopt},
      {"Alpha", "top", std::nullopt},   // a line before any section is in none
  };
  for (const Case& c : cases) {
    EXPECT_EQ(file.value(c.section, c.key), c.value) << c.section << "." << c.key;
  }
}

TEST(ProfileWriter, WritesSectionsOnceWithCrLfAndReadsBack) {
  ProfileWriter writer;
  const std::string japanese = Sjis("パスワード");
  ASSERT_TRUE(writer.add("A", "k1", "v"));
  ASSERT_TRUE(writer.add("A", "k2", ""));
  ASSERT_TRUE(writer.add("B", "edges", " padded\t"));
  ASSERT_TRUE(writer.add("B", "quotes", "\"q\""));
  ASSERT_TRUE(writer.add("B", "jp", japanese));
  EXPECT_EQ(writer.bytes(),
            "[A]\r\nk1=v\r\nk2=\r\n[B]\r\nedges=\" padded\t\"\r\nquotes=\"\"q\"\"\r\njp=" + japanese +
                "\r\n");

  ProfileReader reader(writer.bytes());
  EXPECT_EQ(reader.value("B", "edges"), " padded\t");
  EXPECT_EQ(reader.value("B", "quotes"), "\"q\"");
  EXPECT_EQ(reader.value("B", "jp"), japanese);
}

TEST(ProfileWriter, RefusesALineBreakInsideAValue) {
  ProfileWriter writer;
  EXPECT_FALSE(writer.add("A", "k", "one\r\n[B]"));
  EXPECT_FALSE(writer.add("A", "k", "x\ny"));
  EXPECT_EQ(writer.bytes(), "");
}

}  // namespace
