#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace coinest {
namespace {

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

TEST(CodePage, KoreanAndAsciiTextRoundTrips) {
  struct Case {
    std::string utf8;
    std::optional<std::string> cp949;  // the exact bytes, where they are known
  };
  const std::vector<Case> cases = {
      {"", std::string()},
      {"Coinest 1,234 \\ ~", "Coinest 1,234 \\ ~"},
      {"가", bytes({0xB0, 0xA1})},
      {"가계부", bytes({0xB0, 0xA1, 0xB0, 0xE8, 0xBA, 0xCE})},
      {"현금 입금", std::nullopt},
      {"전월이월", std::nullopt},
      // An extended syllable: not in EUC-KR, but CP949 holds it in its added lead-byte range.
      {"똠", bytes({0x8C, 0x63})},
      {"똠방각하 (A)", std::nullopt},
  };
  for (const Case& c : cases) {
    const CodePageResult encoded = utf8ToCp949(c.utf8);
    ASSERT_TRUE(encoded.ok()) << c.utf8;
    if (c.cp949) {
      EXPECT_EQ(encoded.bytes, *c.cp949) << c.utf8;
    }
    EXPECT_TRUE(canEncodeInCp949(c.utf8)) << c.utf8;
    const CodePageResult decoded = cp949ToUtf8(encoded.bytes);
    ASSERT_TRUE(decoded.ok()) << c.utf8;
    EXPECT_EQ(decoded.bytes, c.utf8);
  }
}

TEST(CodePage, LongTextGrowsTheOutputWithoutLoss) {
  // Decoding CP949 makes each syllable one byte longer, so the output must grow past its first guess.
  std::string utf8;
  for (int i = 0; i < 5000; ++i) utf8 += "가계부 똠";
  const CodePageResult encoded = utf8ToCp949(utf8);
  ASSERT_TRUE(encoded.ok());
  EXPECT_EQ(encoded.bytes.size(), 5000u * 9u);
  const CodePageResult decoded = cp949ToUtf8(encoded.bytes);
  ASSERT_TRUE(decoded.ok());
  EXPECT_EQ(decoded.bytes, utf8);
}

struct BadInput {
  std::string input;
  CodePageError error;
  std::size_t offset;
};

TEST(CodePage, BadUtf8IsReportedWhereItStarts) {
  const std::vector<BadInput> cases = {
      {"\xFF", CodePageError::InvalidInput, 0},
      {"ab\xC3", CodePageError::InvalidInput, 2},              // cut off
      {"a\xC0\xAF", CodePageError::InvalidInput, 1},           // overlong '/'
      {"\xE0\x80\xAF", CodePageError::InvalidInput, 0},        // overlong
      {"\xED\xA0\x80", CodePageError::InvalidInput, 0},        // a surrogate
      {"\xF4\x90\x80\x80", CodePageError::InvalidInput, 0},    // above U+10FFFF
      {"가\x80", CodePageError::InvalidInput, 3},              // a stray continuation byte
      {"가\xEA\xB0", CodePageError::InvalidInput, 3},          // half a syllable
      {"a\xF0\x9F\x98\x80", CodePageError::Unmappable, 1},     // an emoji
      {"가계\xF0\x9F\x98\x80부", CodePageError::Unmappable, 6},
      {"\xE0\xB8\x81", CodePageError::Unmappable, 0},          // a Thai letter
  };
  for (const BadInput& c : cases) {
    const CodePageResult result = utf8ToCp949(c.input);
    EXPECT_EQ(result.error, c.error) << ::testing::PrintToString(c.input);
    EXPECT_EQ(result.errorOffset, c.offset) << ::testing::PrintToString(c.input);
    EXPECT_TRUE(result.bytes.empty());
    EXPECT_FALSE(canEncodeInCp949(c.input)) << ::testing::PrintToString(c.input);
    // A failed call leaves nothing behind for the next one.
    EXPECT_EQ(utf8ToCp949("가").bytes, bytes({0xB0, 0xA1}));
  }
}

TEST(CodePage, BadCp949IsReportedWhereItStarts) {
  const std::vector<BadInput> cases = {
      {bytes({0xB0}), CodePageError::InvalidInput, 0},                    // a lead byte cut off
      {bytes({'a', 'b', 0xB0}), CodePageError::InvalidInput, 2},
      {bytes({0xB0, 0xA1, 0xB0}), CodePageError::InvalidInput, 2},
      {bytes({0xB0, 0x20}), CodePageError::InvalidInput, 0},              // not a trail byte
      {bytes({'x', 0x80}), CodePageError::InvalidInput, 1},
      {bytes({0xFF, 'x'}), CodePageError::InvalidInput, 0},
  };
  for (const BadInput& c : cases) {
    const CodePageResult result = cp949ToUtf8(c.input);
    EXPECT_EQ(result.error, c.error) << ::testing::PrintToString(c.input);
    EXPECT_EQ(result.errorOffset, c.offset) << ::testing::PrintToString(c.input);
    EXPECT_TRUE(result.bytes.empty());
    EXPECT_EQ(cp949ToUtf8(bytes({0xB0, 0xA1})).bytes, "가");
  }
}

TEST(CodePage, ThreadsConvertIndependently) {
  const std::vector<std::string> texts = {"가계부", "현금 입금", "전월이월", "똠", "ASCII"};
  std::vector<int> failures(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 300; ++round) {
        const std::string& text = texts[(round + t) % texts.size()];
        const CodePageResult encoded = utf8ToCp949(text);
        const CodePageResult decoded = cp949ToUtf8(encoded.bytes);
        if (!encoded.ok() || !decoded.ok() || decoded.bytes != text) ++failures[t];
        if (cp949ToUtf8(bytes({0xB0})).error != CodePageError::InvalidInput) ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t;
}

}  // namespace
}  // namespace coinest
