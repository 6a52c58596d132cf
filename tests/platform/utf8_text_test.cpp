// Characters of a UTF-8 text, one at a time.

#include "platform/utf8_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace coinest {
namespace {

TEST(Utf8TextTest, ACharacterIsDecodedOrItsFirstByteStandsAlone) {
  const struct {
    std::string text;
    std::vector<char32_t> values;  // the characters from the start to the end
  } cases[] = {
      {"", {}},
      {"a\t", {U'a', U'\t'}},
      {"é한😀", {0xE9, 0xD55C, 0x1F600}},
      {"\u3000국민", {0x3000, 0xAD6D, 0xBBFC}},
      {"\xff\xfe", {kUtf8Replacement, kUtf8Replacement}},
      // A cut sequence: each byte on its own, and what follows is read again.
      {"\xed\x95", {kUtf8Replacement, kUtf8Replacement}},
      {"\xe0\x41\x42", {kUtf8Replacement, U'A', U'B'}},
      {"\xea\xb0", {kUtf8Replacement, kUtf8Replacement}},
      // A continuation byte and a lead that starts no sequence.
      {"\x80\xc0\xaf", {kUtf8Replacement, kUtf8Replacement, kUtf8Replacement}},
  };
  for (const auto& c : cases) {
    std::vector<char32_t> values;
    std::size_t chars = 0;
    for (std::size_t at = 0; at < c.text.size(); ++chars) {
      const Utf8Char ch = utf8CharAt(c.text, at);
      ASSERT_GE(ch.length, 1u) << c.text;
      values.push_back(ch.value);
      at += ch.length;
    }
    EXPECT_EQ(values, c.values) << c.text;
    EXPECT_EQ(chars, utf8Length(c.text)) << c.text;
  }
}

}  // namespace
}  // namespace coinest
