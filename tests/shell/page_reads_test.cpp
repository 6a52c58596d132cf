// A page whose read of the book fails (another process took a table away) says why, once: the
// redraws after it do not repeat the message, and the next failure after a good read is told again.

#include <gtest/gtest.h>

#include <string_view>

#include "shell/books_page.h"
#include "shell/categories_page.h"
#include "shell/query_page.h"
#include "shell/settlement_page.h"
#include "store/table_catalogue.h"
#include "support/shell_fixture.h"

namespace coinest {
namespace {

TEST(PageReads, AFailedReadIsToldOnceAndAgainOnlyAfterAGoodRead) {
  struct Case {
    const char* name;
    int page;
    void (*fill)(ShellContext&);
    std::string_view table;
  };
  const Case cases[] = {
      {"books", PageBooks, redrawBooksPage, kBooksTable},
      {"settlement", PageSettlement, rebuildSettlementList, kBooksTable},
      {"query", PageQuery, rebuildQueryList, kBooksTable},
      {"categories", PageCategories, reloadCategoryLists, kMajorItemsTable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::ShellContextFixture fx;
    fx.showPage(c.page);
    // Each fill reads afresh, as after a change of the book.
    auto fill = [&] {
      forgetEntryReads(fx.context());
      c.fill(fx.context());
    };
    auto errors = [&] {
      int count = 0;
      for (const auto& m : fx.ui.messages) count += m.caption == MessageCaption::Error ? 1 : 0;
      return count;
    };
    fill();
    ASSERT_EQ(errors(), 0);

    fx.book().store.dropTable(c.table);
    fill();
    ASSERT_EQ(errors(), 1);
    EXPECT_NE(fx.ui.messages.back().text.find(std::string(c.table)), std::string::npos) << fx.ui.messages.back().text;
    fill();
    EXPECT_EQ(errors(), 1) << "the same failure is not told at every redraw";

    ASSERT_TRUE(createBookTable(fx.book().store, c.table));
    fill();
    EXPECT_EQ(errors(), 1);
    fx.book().store.dropTable(c.table);
    fill();
    EXPECT_EQ(errors(), 2) << "a failure after a good read is told again";
  }
}

}  // namespace
}  // namespace coinest
