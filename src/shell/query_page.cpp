#include "shell/query_page.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "calendar/amount.h"
#include "dialogs/query_account.h"
#include "dialogs/query_books.h"
#include "dialogs/query_card.h"
#include "ledger/card_statement.h"
#include "shell/command_ids.h"
#include "shell/detail_panel.h"
#include "shell/list_rows.h"
#include "shell/shell_context.h"

namespace coinest {

namespace {

constexpr int kKindButtons[] = {kQueryBooksKindButton, kQueryCardKindButton, kQueryAccountKindButton};

struct FieldText {
  int id;
  std::string text;
};

void setTexts(Screen& screen, std::initializer_list<FieldText> fields) {
  for (const FieldText& field : fields) screen.setText(field.id, field.text);
}

int& rememberedRow(ShellContext& context) { return context.state.selectedRow[static_cast<int>(ListPage::Query)]; }

std::vector<EntryListRow> fillBooksQuery(ShellContext& context) {
  QueryPageState& model = context.query.model;
  BooksQueryView view = buildBooksQuery(context.book, model.criteria.books, model.booksRows);
  setTexts(context.screen, {{kQueryBooksFrom, view.fromText},
                            {kQueryBooksTo, view.toText},
                            {kQueryBooksCode, view.codeName},
                            {kQueryBooksAsset, view.assetText},
                            {kQueryBooksMajor, view.majorText},
                            {kQueryBooksMinor, view.minorText},
                            {kQueryBooksIncome, view.incomeText},
                            {kQueryBooksExpense, view.expenseText}});
  return std::move(view.rows);
}

std::vector<EntryListRow> fillCardQuery(ShellContext& context) {
  const CardCriteria& card = context.query.model.criteria.card;
  const CardStatement statement = buildCardQuery(context.book, context.query.model.criteria);
  setTexts(context.screen, {{kQueryCardMonth, statementMonthText(card.year, card.month)},
                            {kQueryCardName, card.cardText},
                            {kQueryCardPayDay, card.payDayText},
                            {kQueryCardPeriod, card.periodText},
                            {kQueryCardBilled, formatTotalAmount(statement.billed)},
                            {kQueryCardToCome, formatTotalAmount(statement.toCome)}});
  std::vector<EntryListRow> rows;
  rows.reserve(statement.lines.size());
  for (const StatementLine& line : statement.lines) {
    rows.push_back({rowDateText(line.date), line.content, formatAmount(line.amount), line.entryId});
  }
  return rows;
}

std::vector<EntryListRow> fillAccountQuery(ShellContext& context) {
  QueryPageState& model = context.query.model;
  AccountQueryView view = buildAccountQuery(context.book, model.criteria.account, model.accountRows);
  setTexts(context.screen, {{kQueryAccountFrom, view.fromText},
                            {kQueryAccountTo, view.toText},
                            {kQueryAccountCompany, view.company},
                            {kQueryAccountName, view.assetName},
                            {kQueryAccountNumber, view.assetNumber},
                            {kQueryAccountHolder, view.holder},
                            {kQueryAccountBalance, view.balanceText}});
  return std::move(view.rows);
}

// The row to select: the remembered entry's, else the remembered row within the list.
int rowToSelect(const ShellContext& context, const std::vector<EntryListRow>& rows) {
  const int32_t entryId = context.query.selectedEntryId;
  if (entryId != 0) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [&](const EntryListRow& r) { return r.entryId == entryId; });
    if (found != rows.end()) return static_cast<int>(found - rows.begin());
  }
  if (rows.empty()) return -1;
  // A list that was empty remembers no row; the first row then.
  return std::clamp(context.state.selectedRow[static_cast<int>(ListPage::Query)], 0, static_cast<int>(rows.size()) - 1);
}

// Fills the field group and the list of `queryKind` and selects the remembered entry or row.
void fillQueryPage(ShellContext& context) {
  std::vector<EntryListRow> rows;
  {
    // The entries, the statement and an account's balance from one state of the book.
    TransactionGuard snapshot(context.book.store, TransactionKind::Read);
    switch (context.state.queryKind) {
      case QueryKind::Card: rows = fillCardQuery(context); break;
      case QueryKind::Account: rows = fillAccountQuery(context); break;
      case QueryKind::Books: rows = fillBooksQuery(context); break;
    }
    context.tellOnce(snapshot.finish());
  }
  for (int kind = 0; kind < static_cast<int>(std::size(kKindButtons)); ++kind) {
    context.screen.setPressed(kKindButtons[kind], kind == static_cast<int>(context.state.queryKind));
  }
  const int row = rowToSelect(context, rows);
  context.screen.setRows(kQueryList, entryListCells(rows));
  context.screen.selectRow(kQueryList, row);
  querySelectionChanged(context, row);
}

void fillFromFirstRow(ShellContext& context) {
  rememberedRow(context) = 0;
  context.query.selectedEntryId = 0;
  fillQueryPage(context);
}

}  // namespace

void rebuildQueryList(ShellContext& context) {
  // A rebuild follows a change of the book (an entry saved or deleted, a restore, an import).
  context.query.model.entriesChanged();
  fillFromFirstRow(context);
}

void restoreQueryList(ShellContext& context) { fillQueryPage(context); }

void setQueryKind(ShellContext& context, QueryKind kind) {
  context.state.queryKind = kind;
  context.showPageControls();
  fillFromFirstRow(context);
  context.focus(kQueryList);
}

void querySelectionChanged(ShellContext& context, int row) {
  rememberedRow(context) = row;
  context.query.selectedEntryId = idOfRow(context.screen, kQueryList, row);
  if (context.state.queryPanel == PanelMode::Detail) {
    context.tellOnce(fillEntryDetailPanel(context.screen, context.book, context.query.selectedEntryId));
  }
}

void showQueryDetail(ShellContext& context) {
  const int row = context.screen.selectedRow(kQueryList);
  if (row >= 0) {
    context.state.queryPanel = PanelMode::Detail;
    querySelectionChanged(context, row);
    context.showPageControls();
  }
  context.focus(kQueryList);
}

void hideQueryDetail(ShellContext& context) {
  context.state.queryPanel = PanelMode::List;
  context.showPageControls();
  context.focus(kQueryList);
}

}  // namespace coinest
