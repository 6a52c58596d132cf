#include "platform/text_field.h"

#include <gtest/gtest.h>

namespace coinest {
namespace {

struct FieldCase {
  std::string text;
  std::size_t maxChars;
  std::optional<std::string> refusal;
  std::string kept;
};

TEST(TextField, KeepsWhatTheCodePageHoldsUpToTheFieldsLength) {
  const FieldCase cases[] = {
      {"점심 식사", 40, std::nullopt, "점심 식사"},
      {"커피☕", 40, "'☕' 문자는 가계부에 저장할 수 없습니다", "커피"},
      {"똠얌꿍", 40, std::nullopt, "똠얌꿍"},  // an extended Hangul syllable of the code page
      {"가나다라마", 4, "4자까지 입력할 수 있습니다", "가나다라"},
      {"😀가😀나다", 2, "'😀' 문자는 가계부에 저장할 수 없습니다", "가나"},
      {std::string("a\xff") + "b", 10, "'\xff' 문자는 가계부에 저장할 수 없습니다", "ab"},
      {"", 0, std::nullopt, ""},
  };
  for (const FieldCase& c : cases) {
    EXPECT_EQ(textFieldRefusal(c.text, c.maxChars), c.refusal) << c.text;
    EXPECT_EQ(fitTextField(c.text, c.maxChars), c.kept) << c.text;
    EXPECT_FALSE(textFieldRefusal(fitTextField(c.text, c.maxChars), c.maxChars)) << c.text;
  }
}

}  // namespace
}  // namespace coinest
