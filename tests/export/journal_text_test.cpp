// The book's texts as the journal can hold them, and how a transaction is laid out.

#include "export/journal_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/journal_transaction.h"

namespace coinest {
namespace {

struct TextCase {
  std::string text;
  std::string want;
};

TEST(JournalTextTest, AccountPartsHoldNoSeparatorAndNoRunOfSpaces) {
  const TextCase cases[] = {
      {"식비", "식비"},    {"생활비:통장", "생활비：통장"},
      {"a::b", "a：：b"},  {"  국민은행  급여통장 ", "국민은행 급여통장"},
      {"a\t\tb", "a b"},   {"a\r\nb", "a b"},
      {"a \x7f b", "a b"}, {"x;y", "x;y"},
      {"", "미지정"},      {" \t\n ", "미지정"},
      // A journal reader ends an account name at any Unicode space, as at ' '.
      {"국민\u3000 통장\u3000", "국민 통장"},
      {"\u00a0a\u2000\u200ab\u202fc\u205fd\u1680", "a b c d"},
      {"\u3000", "미지정"},
      // Next to them but no space: the ideographic full stop, a zero-width space, a stray byte.
      {"a\u3002\u200bb\xa0", "a\u3002\u200bb\xa0"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(journalAccountPart(c.text), c.want) << c.text;
}

TEST(JournalTextTest, DescriptionsStartNoCommentMarkCodeOrSecondDate) {
  const TextCase cases[] = {
      {"점심 식사", "점심 식사"},
      {"저녁; 회식", "저녁； 회식"},
      {";", "；"},
      {"a\tb\nc", "a b c"},
      {"  가운데  ", "가운데"},
      {"*중요", "＊중요"},
      {"!급함", "！급함"},
      {"(주)다이소", "（주)다이소"},
      {"=HYPERLINK(1)", "＝HYPERLINK(1)"},
      {" \t(주)", "（주)"},
      {"다이소(주)*", "다이소(주)*"},
      {"", ""},
      {"\n", ""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(journalDescription(c.text), c.want) << c.text;
}

TEST(JournalTextTest, NoteLinesSplitAtEveryKindOfLineBreakAndHoldNoTagOrDate) {
  const struct {
    std::string note;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"한 줄", {"한 줄"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\rc", {"a", "b", "c"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\n", {"a", ""}},
      {"a\tb;c", {"a b;c"}},
      {"시간: 10:30 :태그:", {"시간： 10：30 ：태그："}},
      {"[2월분] 정산 [3/5]\n]끝[", {"［2월분］ 정산 ［3/5］", "］끝［"}},
  };
  for (const auto& c : cases) EXPECT_EQ(journalNoteLines(c.note), c.lines) << c.note;
}

TEST(JournalTextTest, WideCharactersTakeTwoColumns) {
  const struct {
    std::string text;
    std::size_t width;
  } cases[] = {
      {"", 0}, {"abc", 3}, {"한글", 4}, {"a：b", 4}, {"é", 1}, {"\xff", 1}, {"\xed\x95", 2}, {"漢字", 4},
  };
  for (const auto& c : cases) EXPECT_EQ(displayWidth(c.text), c.width) << c.text;
}

TEST(JournalTextTest, AmountsAlignAtTheirRightEdge) {
  JournalTransaction t{"2007-03-05", "점심 식사", 123, {}, {{"지출:식비:외식", 12000, {}}, {"자산:현금", -12000, {}}}};
  std::string out;
  appendJournalTransaction(out, t);
  EXPECT_EQ(out,
            "2007-03-05 점심 식사  ; id: 123\n"
            "    지출:식비:외식      12000 KRW\n"
            "    자산:현금          -12000 KRW\n");

  // A long account pushes the amounts out and keeps two spaces before each amount.
  t.noteLines = {"첫 줄", "", "셋째"};
  t.postings = {{"자산:국민은행 아주 긴 이름의 급여통장", 5, 5}, {"자본:전월이월", -5, {}}};
  out.clear();
  appendJournalTransaction(out, t);
  EXPECT_EQ(out,
            "2007-03-05 점심 식사  ; id: 123\n"
            "    ; 첫 줄\n"
            "    ;\n"
            "    ; 셋째\n"
            "    자산:국민은행 아주 긴 이름의 급여통장  5 KRW = 5 KRW\n"
            "    자본:전월이월                         -5 KRW\n");
}

}  // namespace
}  // namespace coinest
