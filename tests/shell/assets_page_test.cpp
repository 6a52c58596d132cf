#include "shell/assets_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/asset_table.h"
#include "support/record_builders.h"
#include "support/refusing_change_sink.h"
#include "support/shell_fixture.h"

namespace coinest {
namespace {

using testing::addNewAsset;

class AssetsPageTest : public ::testing::Test {
 protected:
  void SetUp() override { fx.showPage(PageAssets); }

  ShellContext& context() { return fx.context(); }
  Screen& screen() { return fx.screen(); }
  std::vector<std::string> column(int listId, int col) {
    std::vector<std::string> texts;
    for (const ListRowCells& r : screen().at(listId).rows) texts.push_back(r[static_cast<std::size_t>(col)]);
    return texts;
  }

  testing::ShellContextFixture fx;
};

TEST_F(AssetsPageTest, KindsAssetsOfTheKindAndTheCaptions) {
  const Asset salary = addNewAsset(fx.book(), {.name = "급여통장", .holder = "홍길동", .company = "국민"});
  addNewAsset(fx.book(), {.name = "적금", .company = "우리"});
  const Asset visa = addNewAsset(fx.book(), {.kind = kCreditCardKind, .name = "visa"});

  rebuildAssetsPage(context());
  EXPECT_EQ(column(kAssetKindList, 0),
            (std::vector<std::string>{"통장", "신용카드", "체크카드", "보험", "증권", "기타"}));
  EXPECT_EQ(screen().selectedRow(kAssetKindList), 0);
  EXPECT_EQ(screen().at(kAssetList).rows[0], (ListRowCells{"국민", "급여통장", "홍길동", std::to_string(salary.assetId)}));
  EXPECT_EQ(column(kAssetList, 1), (std::vector<std::string>{"급여통장", "적금"}));
  EXPECT_EQ(screen().selectedRow(kAssetList), 0);
  EXPECT_EQ(context().assets.selectedAssetId, salary.assetId);
  EXPECT_EQ(screen().at(20025).text, "은행명");
  EXPECT_EQ(screen().at(20026).text, "통장명 / 예금주");

  // Picking a kind clears the asset selection; the tap then lists the kind from its first row.
  assetSelectionChanged(context(), 1);
  assetKindSelectionChanged(context(), 1);
  EXPECT_EQ(screen().selectedRow(kAssetList), -1);
  EXPECT_EQ(context().assets.selectedAssetId, 0);
  EXPECT_EQ(context().assets.kindText, "신용카드");
  assetKindTapped(context(), 1);
  EXPECT_EQ(column(kAssetList, 3), (std::vector<std::string>{std::to_string(visa.assetId)}));
  EXPECT_EQ(context().assets.selectedAssetId, visa.assetId);
  EXPECT_EQ(screen().at(20025).text, "카드사명");
  EXPECT_EQ(screen().at(20026).text, "카드명 / 카드명의");
  EXPECT_EQ(screen().focus, kAssetList);
}

TEST_F(AssetsPageTest, KindStepsWrapAtBothEnds) {
  rebuildAssetsPage(context());
  struct Step {
    int step;
    int expectedRow;
    const char* kindText;
  };
  const Step steps[] = {{-1, 5, "기타"}, {+1, 0, "통장"}, {+1, 1, "신용카드"}, {-1, 0, "통장"}};
  for (const Step& s : steps) {
    stepAssetKind(context(), s.step);
    EXPECT_EQ(context().assets.kindRow, s.expectedRow) << s.kindText;
    EXPECT_EQ(screen().selectedRow(kAssetKindList), s.expectedRow);
    EXPECT_EQ(context().assets.kindText, s.kindText);
  }
  EXPECT_EQ(screen().at(20025).text, "은행명");
}

TEST_F(AssetsPageTest, DetailPanelShowsTheSelectedAssetAndFollowsTheSelection) {
  const Asset account =
      addNewAsset(fx.book(), {.name = "급여통장", .number = "123-45", .holder = "홍길동", .company = "국민",
                              .balance = -50000});
  addNewAsset(fx.book(), {.name = "", .company = "우리"});
  rebuildAssetsPage(context());

  showAssetDetail(context());
  EXPECT_EQ(fx.state().assetsPanel, PanelMode::Detail);
  EXPECT_EQ(screen().commandBar.visibleSet, 10);
  EXPECT_FALSE(screen().at(kAssetKindList).visible);
  const int lines[] = {21079, 21080, 21081, 21111, 21082};
  const char* first[] = {"국민 - 급여통장", "123-45", "홍길동", "잔고: -50,000원", ""};
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(screen().at(lines[i]).visible) << lines[i];
    EXPECT_EQ(screen().at(lines[i]).text, first[i]) << lines[i];
  }
  EXPECT_EQ(context().assets.selectedAssetId, account.assetId);

  assetSelectionChanged(context(), 1);
  EXPECT_EQ(screen().at(21079).text, "우리");
  EXPECT_EQ(screen().at(21111).text, "잔고: 0원");

  hideAssetDetail(context());
  EXPECT_EQ(fx.state().assetsPanel, PanelMode::List);
  EXPECT_EQ(screen().commandBar.visibleSet, 9);
  EXPECT_FALSE(screen().at(21079).visible);
  EXPECT_TRUE(screen().at(kAssetKindList).visible);
}

TEST_F(AssetsPageTest, DetailAndDeleteNeedAnAsset) {
  rebuildAssetsPage(context());
  showAssetDetail(context());
  deleteSelectedAsset(context());
  EXPECT_EQ(fx.state().assetsPanel, PanelMode::List);
  EXPECT_TRUE(fx.ui.messages.empty());
}

TEST_F(AssetsPageTest, DeleteAsksFirstAndSelectsTheRowAboveWhenTheLastWentAway) {
  const Asset first = addNewAsset(fx.book(), {.name = "a"});
  const Asset last = addNewAsset(fx.book(), {.name = "b"});
  fx.bookFixture().enableExchange();
  rebuildAssetsPage(context());
  assetSelectionChanged(context(), 1);

  fx.ui.answers = {false};
  deleteSelectedAsset(context());
  EXPECT_EQ(fx.ui.messageTexts(), (std::vector<std::string>{kDeleteAssetQuestion}));
  EXPECT_TRUE(findAsset(fx.book(), last.assetId));
  EXPECT_EQ(screen().rowCount(kAssetList), 2);
  EXPECT_EQ(screen().selectedRow(kAssetList), 1);

  deleteSelectedAsset(context());  // Yes
  EXPECT_FALSE(findAsset(fx.book(), last.assetId));
  EXPECT_EQ(fx.bookFixture().sink.names().back(), "D3 " + std::to_string(last.assetId));
  EXPECT_EQ(column(kAssetList, 3), (std::vector<std::string>{std::to_string(first.assetId)}));
  EXPECT_EQ(screen().selectedRow(kAssetList), 0);
  EXPECT_EQ(context().assets.selectedAssetId, first.assetId);
  EXPECT_EQ(screen().focus, kAssetList);
}

TEST_F(AssetsPageTest, ADeleteTheBookRefusesIsReportedAndChangesNothing) {
  const Asset only = addNewAsset(fx.book(), {.name = "a"});
  testing::RefusingChangeSink refusing;
  fx.book().changes = &refusing;
  fx.bookFixture().enableExchange();
  rebuildAssetsPage(context());

  deleteSelectedAsset(context());
  ASSERT_EQ(fx.ui.messages.size(), 2u);
  EXPECT_EQ(fx.ui.messages[1].caption, MessageCaption::Error);
  EXPECT_FALSE(fx.ui.messages[1].text.empty());
  EXPECT_TRUE(findAsset(fx.book(), only.assetId));
  EXPECT_EQ(screen().selectedRow(kAssetList), 0);
}

}  // namespace
}  // namespace coinest
