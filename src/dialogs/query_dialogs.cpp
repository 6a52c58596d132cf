#include "dialogs/query_dialogs.h"

#include "calendar/date_text.h"
#include "dialogs/category_choices.h"
#include "dialogs/query_card.h"
#include "dialogs/query_filter.h"
#include "ledger/asset_view.h"
#include "platform/clock.h"
#include "platform/text_field.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/category_tables.h"
#include "store/entry_kind.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

constexpr int kMonths = 12;

bool takeDate(std::string& field, std::string_view date) {
  const std::optional<CalendarDate> parsed = parseIsoDate(std::string(date).c_str());
  if (!parsed) return false;
  field = formatDateText(parsed->year, parsed->month, parsed->day);
  return true;
}

// The side of the category lists: the income codes list income majors, every other code expense.
std::string_view sideOf(std::string_view code) {
  const bool income = code == kFilterIncome || code == kFilterCashIncome || code == kFilterAccountIncome;
  return income ? kIncomeKind : kExpenseKind;
}

// The asset kind a code narrows to; empty for the codes without an asset filter.
std::string_view assetKindOf(std::string_view code) {
  if (!usesAssetFilter(code)) return {};
  if (code == kFilterCardExpense) return kCreditCardKind;
  if (code == kFilterCheckCardExpense) return kCheckCardKind;
  return kBankAccountKind;
}

ChoiceList anyFirst() {
  ChoiceList list;
  list.add(std::string(kAnyCategory));
  list.select(0);
  return list;
}

// The row showing `text`, else the first ("전체").
void selectOrFirst(ChoiceList& list, std::string_view text) {
  const int row = list.rowOf(text);
  list.select(row < 0 ? 0 : row);
}

void addAssets(ChoiceList& list, const std::vector<Asset>& assets) {
  for (const Asset& asset : assets) list.add(assetDisplayText(asset), asset.assetId);
}

}  // namespace

bool PeriodPickers::setFrom(std::string_view date) { return takeDate(from, date); }
bool PeriodPickers::setTo(std::string_view date) { return takeDate(to, date); }

BooksQueryDialog::BooksQueryDialog(Book& book, QueryPageState& page) : CriteriaDialog(page), book_(book) {
  const BooksCriteria& criteria = page_.criteria.books;
  period = {criteria.queryFrom, criteria.queryTo};
  for (const FilterCode& code : kFilterCodes) kind_.add(std::string(code.label));
  int row = 0;
  for (std::size_t i = 0; i < kFilterCodes.size(); ++i) {
    if (kFilterCodes[i].code == criteria.filterCode) row = static_cast<int>(i);
  }
  kind_.select(row);
  fillCategories();
  if (!major_.empty()) {
    selectOrFirst(major_, criteria.majorFilter);
    fillMinors();
    selectOrFirst(minor_, criteria.minorFilter);
  }
  fillAssets();
  const int assetRow = criteria.assetFilter == 0 ? 0 : asset_.rowOfId(criteria.assetFilter);
  asset_.select(assetRow < 0 ? 0 : assetRow);
}

std::string_view BooksQueryDialog::filterCode() const {
  return kFilterCodes[static_cast<std::size_t>(kind_.selected)].code;
}

void BooksQueryDialog::fillCategories() {
  major_.clear();
  minor_.clear();
  if (!usesCategoryFilter(filterCode())) return;
  major_ = anyFirst();
  for (const MajorItem& major : loadMajorItemsForQuery(book_, sideOf(filterCode())).items) {
    major_.add(major.itemName, major.majorId);
  }
  minor_ = anyFirst();
}

void BooksQueryDialog::fillMinors() {
  minor_ = anyFirst();
  if (major_.selected <= 0) return;  // "전체" has no minors
  const ChoiceList minors = inUseMinorChoices(book_, major_.selectedId());
  for (int i = 0; i < minors.size(); ++i) minor_.add(minors.items[i], minors.ids[i]);
}

void BooksQueryDialog::fillAssets() {
  asset_.clear();
  const std::string_view kind = assetKindOf(filterCode());
  if (kind.empty()) return;
  asset_ = anyFirst();
  addAssets(asset_, loadPaymentAssets(book_, kind));
}

const ChoiceList& BooksQueryDialog::list(BooksQueryField field) const {
  switch (field) {
    case BooksQueryField::Kind: return kind_;
    case BooksQueryField::Major: return major_;
    case BooksQueryField::Minor: return minor_;
    case BooksQueryField::Asset: return asset_;
    default: return noList_;
  }
}

bool BooksQueryDialog::choose(BooksQueryField field, int row) {
  switch (field) {
    case BooksQueryField::Kind: {
      const std::string_view before = filterCode();
      if (!kind_.select(row)) return false;
      // Lists that were empty (a code listing every category) are filled for the new side too.
      if (sideOf(before) != sideOf(filterCode()) || major_.empty() || !usesCategoryFilter(filterCode())) {
        fillCategories();
      }
      fillAssets();
      return true;
    }
    case BooksQueryField::Major:
      if (!major_.select(row)) return false;
      fillMinors();
      return true;
    case BooksQueryField::Minor: return minor_.select(row);
    case BooksQueryField::Asset: return asset_.select(row);
    default: return false;
  }
}

bool BooksQueryDialog::accept() {
  BooksCriteria& criteria = page_.criteria.books;
  criteria.queryFrom = period.from;
  criteria.queryTo = period.to;
  criteria.filterCode = std::string(filterCode());
  const bool categories = usesCategoryFilter(criteria.filterCode);
  criteria.majorFilter = categories ? major_.selectedText() : std::string(kAnyCategory);
  criteria.minorFilter = categories ? minor_.selectedText() : std::string(kAnyCategory);
  const bool asset = usesAssetFilter(criteria.filterCode) && asset_.selected > 0;
  criteria.assetFilter = asset ? asset_.selectedId() : 0;
  criteria.assetText = asset ? asset_.selectedText() : std::string();
  page_.booksRows.invalidate();
  return true;
}

CardQueryDialog::CardQueryDialog(Book& book, UiPort& ui, QueryPageState& page)
    : CriteriaDialog(page), book_(book), ui_(ui) {
  const CardCriteria& criteria = page_.criteria.card;
  yearText_ = std::to_string(criteria.year);
  for (int month = 1; month <= kMonths; ++month) month_.add(std::to_string(month));
  if (!month_.select(criteria.month - 1)) month_.select(0);
  card_ = anyFirst();
  addAssets(card_, loadPaymentAssets(book_, kCreditCardKind));
  const int row = criteria.cardFilter == 0 ? 0 : card_.rowOfId(criteria.cardFilter);
  card_.select(row < 0 ? 0 : row);
}

void CardQueryDialog::setYearText(std::string_view typed) { yearText_ = fitTextField(typed, kYearFieldMaxChars); }

const ChoiceList& CardQueryDialog::list(CardQueryField field) const {
  if (field == CardQueryField::Month) return month_;
  if (field == CardQueryField::Card) return card_;
  return noList_;
}

bool CardQueryDialog::choose(CardQueryField field, int row) {
  if (field == CardQueryField::Month) return month_.select(row);
  if (field == CardQueryField::Card) return card_.select(row);
  return false;
}

bool CardQueryDialog::accept() {
  const TypedYear year = readTypedYear(yearText_);
  if (!year.year) {
    ui_.showMessage(year.refusal, MessageCaption::Error);
    focus_ = CardQueryField::Year;
    return false;
  }
  std::optional<Asset> card;
  if (card_.selected > 0) card = findAsset(book_, card_.selectedId());
  setCardQuery(page_.criteria.card, *year.year, month_.selected + 1, card ? &*card : nullptr);
  return true;
}

AccountQueryDialog::AccountQueryDialog(Book& book, QueryPageState& page)
    : CriteriaDialog(page), assets_(loadPaymentAssets(book, kBankAccountKind)) {
  const AccountCriteria& criteria = page_.criteria.account;
  period = {criteria.accountFrom, criteria.accountTo};
  addAssets(accounts_, assets_);
  const int row = accounts_.rowOfId(criteria.accountFilter);
  accounts_.select(row < 0 ? 0 : row);
}

bool AccountQueryDialog::accept() {
  AccountCriteria& criteria = page_.criteria.account;
  criteria.accountFrom = period.from;
  criteria.accountTo = period.to;
  const Asset none;
  const Asset& chosen = accounts_.selected >= 0 ? assets_[static_cast<std::size_t>(accounts_.selected)] : none;
  criteria.accountFilter = chosen.assetId;
  criteria.company = chosen.company;
  criteria.assetName = chosen.assetName;
  criteria.assetNumber = chosen.assetNumber;
  criteria.holder = chosen.holder;
  page_.accountRows.invalidate();
  return true;
}

}  // namespace coinest
