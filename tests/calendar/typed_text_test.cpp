#include "calendar/typed_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace coinest {
namespace {

struct TrimCase {
  std::string text;
  std::string trimmed;
};

TEST(TypedTextTest, TrimsSpacesAtBothEnds) {
  const std::vector<TrimCase> cases = {
      {"", ""},
      {"   ", ""},
      {"abc", "abc"},
      {"  abc", "abc"},
      {"abc  ", "abc"},
      {"  a b  c  ", "a b  c"},
      {" 1,500 ", "1,500"},
      {"\t7\t", "\t7\t"},  // only spaces are removed
      {"  점심 식사  ", "점심 식사"},
  };
  for (const TrimCase& c : cases) {
    EXPECT_EQ(trimTypedText(c.text), c.trimmed) << "[" << c.text << "]";
  }
}

std::string repeat(const std::string& unit, std::size_t times) {
  std::string s;
  for (std::size_t i = 0; i < times; ++i) s += unit;
  return s;
}

TEST(TypedTextTest, HandlesAtMost257Characters) {
  struct Case {
    std::string text;
    std::string trimmed;
  };
  const std::vector<Case> cases = {
      {repeat("a", 257), repeat("a", 257)},
      {repeat("a", 300), repeat("a", 257)},
      // Three-byte characters are counted as one each and never split.
      {repeat("가", 300), repeat("가", 257)},
      {"x" + repeat("가", 300), "x" + repeat("가", 256)},
      // Four-byte characters too.
      {repeat("\xF0\x9F\x98\x80", 260), repeat("\xF0\x9F\x98\x80", 257)},
      // The cut comes before trimming: spaces up to the limit leave nothing.
      {repeat(" ", 257) + "abc", ""},
      {repeat(" ", 250) + "abcdefghij", "abcdefg"},
      // Stray bytes count as one character each and are kept.
      {repeat("\xEA", 300), repeat("\xEA", 257)},
      {"\xEA\xB0 a", "\xEA\xB0 a"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(trimTypedText(cases[i].text), cases[i].trimmed) << "case " << i;
  }
}

}  // namespace
}  // namespace coinest
