#include "common/strings.h"

#include <gtest/gtest.h>

namespace {

TEST(Strings, TrimCutAndUpper) {
  EXPECT_EQ(common::Trim("  a b  "), "a b");
  EXPECT_EQ(common::Trim("   "), "");
  EXPECT_EQ(common::Trim("\ta\t"), "\ta\t");  // only spaces are trimmed
  EXPECT_EQ(common::CutAtNul(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(common::CutAtNul("abc"), "abc");
  EXPECT_EQ(common::UpperAscii("Software\\Classes"), "SOFTWARE\\CLASSES");
}

TEST(Strings, ReplaceBeforeSplit) {
  EXPECT_EQ(common::ReplaceAll("a\"b\"c", "\"", ""), "abc");
  EXPECT_EQ(common::ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(common::Before("x.exe /s", " /"), "x.exe");
  EXPECT_EQ(common::Before("x.exe", " /"), "x.exe");
  EXPECT_EQ(common::Split("a;;b", ';'), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(common::Split("", ';'), (std::vector<std::string>{""}));
}

}  // namespace
