#pragma once

// The criteria dialogs of the three queries: 장부 조회 (the books query: a period, a kind of
// movement, a category and an asset), 카드 조회 (a statement month and a credit card) and 통장 조회
// (a period and a bank account). Each opens on the page's criteria, and its OK writes them back
// and marks the query for reading again; "취소" changes nothing. Only the card dialog refuses: a
// year its field's text does not name (typed_year.h), caption "오류", focus on the year.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/choice_list.h"
#include "dialogs/query_page_state.h"
#include "dialogs/typed_year.h"
#include "platform/ui_port.h"
#include "store/book.h"
#include "store/records.h"

namespace coinest {

// What the three dialogs share: OK writes the criteria, "취소" closes without a change.
class CriteriaDialog {
 public:
  virtual ~CriteriaDialog() = default;
  void pressOk() {
    if (accept()) accepted_ = closed_ = true;
  }
  void pressCancel() { closed_ = true; }
  bool closed() const { return closed_; }
  // Whether OK wrote the criteria (the page then builds its query again).
  bool accepted() const { return accepted_; }

 protected:
  explicit CriteriaDialog(QueryPageState& page) : page_(page) {}
  // Writes the criteria; false when a check refused them (after its message).
  virtual bool accept() = 0;
  QueryPageState& page_;

 private:
  bool closed_ = false;
  bool accepted_ = false;
};

// The two date pickers ("yyyy-MM-dd") of a period. A text that is no real date is not taken.
struct PeriodPickers {
  std::string from;
  std::string to;
  bool setFrom(std::string_view date);
  bool setTo(std::string_view date);
};

enum class BooksQueryField { From, To, Kind, Major, Minor, Asset };

class BooksQueryDialog final : public CriteriaDialog {
 public:
  // The period, the kind list (13 labels) at the filter code; for codes with a category filter
  // the majors of the code's side ("전체" first, without "전월이월" and "카드대금") and the
  // major's minors in use, each at its filter ("전체" when not found); for codes with an asset
  // filter "전체" and the assets of the code (bank accounts, credit cards or check cards).
  BooksQueryDialog(Book& book, QueryPageState& page);

  PeriodPickers period;
  // Kind, Major, Minor, Asset (an empty list for the dates).
  const ChoiceList& list(BooksQueryField field) const;
  // The asset list shows for the codes with an asset filter only.
  bool assetShown() const { return !asset_.empty(); }
  // Another kind refills the category lists when the side (income or expense) changes or they
  // were empty ("전체" selected), empties them for the codes without a category filter, and
  // redoes the asset list; another major refills the minors. False for a row outside the list.
  bool choose(BooksQueryField field, int row);
  // The filter code of the selected kind.
  std::string_view filterCode() const;

 private:
  bool accept() override;
  void fillCategories();
  void fillMinors();
  void fillAssets();

  Book& book_;
  ChoiceList kind_;
  ChoiceList major_;
  ChoiceList minor_;
  ChoiceList asset_;
  ChoiceList noList_;
};

enum class CardQueryField { Year, Month, Card };


class CardQueryDialog final : public CriteriaDialog {
 public:
  // The statement year, the month list "1".."12" at its month, "전체" and the credit cards with
  // the chosen card selected ("전체" when it is gone).
  CardQueryDialog(Book& book, UiPort& ui, QueryPageState& page);

  const std::string& yearText() const { return yearText_; }
  // Keeps at most four characters the code page holds.
  void setYearText(std::string_view typed);
  // Month and Card (an empty list for the year).
  const ChoiceList& list(CardQueryField field) const;
  bool choose(CardQueryField field, int row);
  CardQueryField focus() const { return focus_; }

 private:
  bool accept() override;

  Book& book_;
  UiPort& ui_;
  std::string yearText_;
  ChoiceList month_;
  ChoiceList card_;
  ChoiceList noList_;
  CardQueryField focus_ = CardQueryField::Year;
};

class AccountQueryDialog final : public CriteriaDialog {
 public:
  // The period and the bank accounts (no "전체"), the chosen one selected, else the first.
  AccountQueryDialog(Book& book, QueryPageState& page);

  PeriodPickers period;
  const ChoiceList& accounts() const { return accounts_; }
  bool chooseAccount(int row) { return accounts_.select(row); }

 private:
  bool accept() override;

  std::vector<Asset> assets_;  // behind the rows of accounts_
  ChoiceList accounts_;
};

}  // namespace coinest
