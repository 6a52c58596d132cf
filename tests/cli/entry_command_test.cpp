// coinest-cli entry add / edit / delete: each kind through the entry dialog, its refusals on
// stderr, and options the dialog does not offer.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/asset_table.h"
#include "store/entry_table.h"
#include "support/book_fixture.h"
#include "support/cli_runner.h"
#include "support/record_builders.h"
#include "support/temp_dir.h"

namespace coinest {
namespace {

class EntryCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::RootBook book(root());
    account = testing::addNewAsset(book.book(), {.name = "생활비", .holder = "나", .company = "국민"});
    saving = testing::addNewAsset(book.book(), {.name = "저축", .holder = "나", .company = "농협"});
    card = testing::addNewAsset(book.book(), {.kind = kCreditCardKind, .name = "신용", .holder = "나", .company = "삼성"});
  }

  testing::CliRun entry(std::vector<std::string> rest) {
    std::vector<std::string> args = {"--root", root().string(), "--today", "2007-03-05", "entry"};
    args.insert(args.end(), rest.begin(), rest.end());
    return testing::runCli(args, dir.path());
  }

  // The id of a `saved<TAB>ID` line.
  static int32_t savedId(const testing::CliRun& run) {
    EXPECT_EQ(run.out.rfind("saved\t", 0), 0u) << run.out << run.err;
    return run.out.size() > 6 ? std::stoi(run.out.substr(6)) : 0;
  }

  std::optional<LedgerEntry> stored(int32_t id) {
    testing::RootBook book(root());
    return findEntry(book.book(), id);
  }

  std::filesystem::path root() const { return dir / "root"; }

  testing::TempDir dir;
  Asset account, saving, card;
};

TEST_F(EntryCommandTest, AddsAnEntryOfEachKind) {
  const std::vector<std::string> base = {"add", "--date", "2007-03-04", "--content", "내용", "--amount", "10000"};
  struct Case {
    std::vector<std::string> options;
    std::string kind, minor;
    int32_t assetId, toAssetId, instalments;
    std::string cardFlag;
  } cases[] = {
      {{"--kind", "수입", "--major", "고정수입", "--minor", "급여", "--means", assetDisplayText(account)},
       "1", "급여", account.assetId, 0, 0, "N"},
      {{"--kind", "지출", "--major", "식비", "--minor", "외식"}, "2", "외식", 0, 0, 0, "N"},
      {{"--kind", "카드지출", "--major", "식비", "--minor", "외식", "--means", std::to_string(card.assetId),
        "--instalments", "3"},
       "2", "외식", card.assetId, 0, 3, "Y"},
      {{"--kind", "이체", "--major", "현금", "--minor", "계좌 이동", "--means", std::to_string(account.assetId), "--to",
        assetDisplayText(saving)},
       "3", "계좌 이동", account.assetId, saving.assetId, 0, "N"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind + " " + c.minor);
    std::vector<std::string> args = base;
    args.insert(args.end(), c.options.begin(), c.options.end());
    const testing::CliRun run = entry(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::optional<LedgerEntry> e = stored(savedId(run));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->entryDate, "2007-03-04");
    EXPECT_EQ(e->entryKind, c.kind);
    EXPECT_EQ(e->minorItem, c.minor);
    EXPECT_EQ(e->amount, 10000);
    EXPECT_EQ(e->assetId, c.assetId);
    EXPECT_EQ(e->toAssetId, c.toAssetId);
    EXPECT_EQ(e->instalments, c.instalments);
    EXPECT_EQ(e->cardFlag, c.cardFlag);
  }
}

TEST_F(EntryCommandTest, ARefusedSaveSaysTheDialogsMessageOnStderr) {
  const testing::CliRun run = entry({"add", "--date", "2007-03-04", "--kind", "지출", "--major", "식비", "--minor",
                                     "외식", "--content", "점심", "--amount", "-500"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "금액은 0보다 커야 합니다\n");

  const testing::CliRun same = entry({"add", "--date", "2007-03-04", "--kind", "이체", "--major", "현금", "--minor",
                                      "계좌 이동", "--means", std::to_string(account.assetId), "--to",
                                      std::to_string(account.assetId), "--content", "이동", "--amount", "100"});
  EXPECT_EQ(same.status, 1);
  EXPECT_EQ(same.err, "동일한 통장으로 현금이동 할 수 없습니다\n");

  testing::RootBook book(root());
  EXPECT_TRUE(entriesInRange(book.book(), "0000", "9999").empty());
}

TEST_F(EntryCommandTest, AnOptionTheDialogDoesNotOfferNamesTheChoices) {
  // A lunch in cash, with one option replaced or added.
  auto lunch = [](const std::string& name, const std::string& value) {
    std::vector<std::string> args = {"add", "--date", "2007-03-04", "--kind", "지출", "--major", "식비",
                                     "--minor", "외식", "--content", "점심", "--amount", "100"};
    const auto given = std::find(args.begin(), args.end(), name);
    if (given != args.end()) {
      given[1] = value;
    } else {
      args.insert(args.end(), {name, value});
    }
    return args;
  };
  struct Case {
    std::vector<std::string> args;
    std::string said;
  } cases[] = {
      {lunch("--major", "급여"), "\"식비\", \"주거/통신\""},
      {lunch("--minor", "급여"), "\"주식\", \"부식\", \"외식\", \"기타\""},
      {lunch("--means", "99999"), "\"현금\", \"휴대폰 결제\", \"국민 생활비 나\""},
      {lunch("--to", "현금"), "--to does not apply to 지출"},
      {lunch("--instalments", "3"), "--instalments does not apply to 지출"},
      {lunch("--date", "2007-02-30"), "not a valid date"},
      {lunch("--content", std::string(41, 'x')), "--content"},
  };
  for (const Case& c : cases) {
    const testing::CliRun run = entry(c.args);
    EXPECT_EQ(run.status, 2) << c.said;
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  std::vector<std::string> card = lunch("--kind", "카드지출");
  card.insert(card.end(), {"--instalments", "25"});
  const testing::CliRun run = entry(card);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("\"일시불\", \"2개월\""), std::string::npos) << run.err;
}

TEST_F(EntryCommandTest, EditChangesTheFieldsGivenAndDeleteRemoves) {
  const int32_t id = savedId(entry({"add", "--date", "2007-03-04", "--kind", "지출", "--major", "식비", "--minor",
                                    "외식", "--content", "점심", "--amount", "8000", "--note", "회사"}));
  const testing::CliRun edited = entry({"edit", std::to_string(id), "--amount", "9000", "--means", "휴대폰 결제"});
  ASSERT_EQ(edited.status, 0) << edited.err;
  EXPECT_EQ(savedId(edited), id);
  std::optional<LedgerEntry> e = stored(id);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->amount, 9000);
  EXPECT_EQ(e->phoneFlag, "Y");
  EXPECT_EQ(e->content, "점심");
  EXPECT_EQ(e->note, "회사");
  EXPECT_EQ(e->minorItem, "외식");

  const testing::CliRun deleted = entry({"delete", std::to_string(id)});
  EXPECT_EQ(deleted.status, 0) << deleted.err;
  EXPECT_EQ(deleted.out, "deleted\t" + std::to_string(id) + "\n");
  EXPECT_FALSE(stored(id));
  EXPECT_EQ(entry({"delete", std::to_string(id)}).status, 1);
  EXPECT_EQ(entry({"edit", std::to_string(id), "--amount", "1"}).status, 1);
}

}  // namespace
}  // namespace coinest
