#include "shell/categories_page.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/category_management.h"
#include "shell/shell_context.h"
#include "store/entry_kind.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {


// A remembered row inside a list of `count` rows: -1 stays none, a row past the end (the list
// shrank) becomes the last row, an empty list has none.
int rowWithin(int row, std::size_t count) {
  if (row < 0 || count == 0) return -1;
  return std::min(row, static_cast<int>(count) - 1);
}

// The remembered row when the list has it.
std::optional<std::size_t> selectedIndex(int row, std::size_t count) {
  if (row < 0 || static_cast<std::size_t>(row) >= count) return std::nullopt;
  return static_cast<std::size_t>(row);
}

template <class Item, class Matches>
int rowWhere(const std::vector<Item>& items, Matches matches) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (matches(items[i])) return static_cast<int>(i);
  }
  return -1;
}

void showLists(ShellContext& context) {
  const CategoriesPageState& page = context.categories;
  Screen& screen = context.screen;
  std::vector<ListRowCells> majorRows;
  for (const MajorItem& m : page.majors.items) majorRows.push_back({m.itemName});
  std::vector<ListRowCells> minorRows;
  for (const MinorItem& m : page.minors.items) {
    minorRows.push_back({m.itemName, isYes(m.inUse) ? kMinorInUseText : kMinorNotInUseText, std::to_string(m.minorId)});
  }
  screen.setRows(kMajorCategoryList, std::move(majorRows));
  screen.selectRow(kMajorCategoryList, page.majorRow);
  screen.setRows(kMinorCategoryList, std::move(minorRows));
  screen.selectRow(kMinorCategoryList, page.minorRow);
  screen.setPressed(kIncomeKindButton, page.income);
  screen.setPressed(kExpenseKindButton, !page.income);
  screen.setText(kMinorNameHeader, kMinorNameHeading);
  screen.setText(kMinorInUseHeader, kMinorInUseHeading);
}

// Loads both lists; `majorId`, when given, is the major to select (one just moved).
void loadLists(ShellContext& context, std::optional<int32_t> majorId = std::nullopt) {
  CategoriesPageState& page = context.categories;
  Book& book = context.book;
  {
    // Both lists from one state of the book.
    TransactionGuard snapshot(book.store, TransactionKind::Read);
    page.majors = loadMajorItems(book, page.income ? kIncomeKind : kExpenseKind);
    const std::vector<MajorItem>& majors = page.majors.items;
    int wanted = -1;
    if (majorId) wanted = rowWhere(majors, [&](const MajorItem& m) { return m.majorId == *majorId; });
    if (!page.newMajorName.empty()) {
      wanted = rowWhere(majors, [&](const MajorItem& m) { return m.itemName == page.newMajorName; });
      page.newMajorName.clear();
    }
    page.majorRow = wanted >= 0 ? wanted : rowWithin(page.majorRow, majors.size());
    const std::optional<std::size_t> major = selectedIndex(page.majorRow, majors.size());
    page.majorName = major ? majors[*major].itemName : std::string();
    page.minors = major ? loadMinorItems(book, majors[*major].majorId) : MinorList{};
    context.tellOnce(snapshot.finish());
  }
  const std::vector<MinorItem>& minors = page.minors.items;
  const int byId = rowWhere(minors, [&](const MinorItem& m) { return m.minorId == page.minorId; });
  page.minorRow = byId >= 0 ? byId : rowWithin(page.minorRow, minors.size());
  const std::optional<std::size_t> minor = selectedIndex(page.minorRow, minors.size());
  page.minorId = minor ? minors[*minor].minorId : 0;
  showLists(context);
}

// Every list shown afresh with its first minor selected.
void loadFromFirstMinor(ShellContext& context) {
  context.categories.minorRow = 0;
  context.categories.minorId = 0;
  loadLists(context);
}

// Refuses a reserved name, then asks; true when the delete may go ahead.
bool confirmDelete(ShellContext& context, CategoryLevel level, const std::string& name) {
  if (const std::string refusal = reservedNameRefusal(level, CategoryAction::Delete, name); !refusal.empty()) {
    context.ui.showMessage(refusal, MessageCaption::Error);
    return false;
  }
  return context.ui.askYesNo(deleteCategoryQuestion(level, name));
}

void reportFailure(ShellContext& context, const Status& status) {
  if (!status) context.ui.showMessage(status.reason(), MessageCaption::Error);
}

void deleteSelectedMajor(ShellContext& context) {
  CategoriesPageState& page = context.categories;
  const std::optional<std::size_t> row = selectedIndex(page.majorRow, page.majors.items.size());
  if (!row) return;
  const MajorItem major = page.majors.items[*row];
  if (!confirmDelete(context, CategoryLevel::Major, major.itemName)) return;
  Status deleted = Status::ok();
  {
    WaitCursor waiting(context.ui);
    deleted = deleteMajorCategory(context.book, major.majorId);
  }
  reportFailure(context, deleted);
  // The last row deleted: the reload's clamp selects the row above it.
  loadFromFirstMinor(context);
}

void deleteSelectedMinor(ShellContext& context) {
  CategoriesPageState& page = context.categories;
  const std::optional<std::size_t> row = selectedIndex(page.minorRow, page.minors.items.size());
  if (!row) return;
  const std::optional<MinorItem> minor = findMinorItem(context.book, page.minors.items[*row].minorId);
  if (minor && confirmDelete(context, CategoryLevel::Minor, minor->itemName)) {
    reportFailure(context, deleteMinorCategory(context.book, minor->minorId));
  }
  // The row index now names the row that took its place (the one above for the last row).
  page.minorId = 0;
  loadLists(context);
}

void moveSelectedMajor(ShellContext& context, MoveStep step) {
  CategoriesPageState& page = context.categories;
  const std::optional<std::size_t> row = selectedIndex(page.majorRow, page.majors.items.size());
  if (!row || !canMoveRow(page.majors.items.size(), *row, step)) return;
  const int32_t moved = page.majors.items[*row].majorId;
  reportFailure(context, moveMajorCategory(context.book, page.majors.items, *row, step));
  // The selection follows the moved major wherever its order put it.
  loadLists(context, moved);
}

void moveSelectedMinor(ShellContext& context, MoveStep step) {
  CategoriesPageState& page = context.categories;
  const std::optional<std::size_t> row = selectedIndex(page.minorRow, page.minors.items.size());
  if (!row || !canMoveRow(page.minors.items.size(), *row, step)) return;
  page.minorId = page.minors.items[*row].minorId;  // the reload selects it where it went
  reportFailure(context, moveMinorCategory(context.book, page.minors.items, *row, step));
  loadLists(context);
}

}  // namespace

void reloadCategoryLists(ShellContext& context) { loadFromFirstMinor(context); }

void loadCategoryLists(ShellContext& context) { loadLists(context); }

void setCategoryKind(ShellContext& context, bool income) {
  CategoriesPageState& page = context.categories;
  page.income = income;
  page.majorRow = -1;
  page.majorName.clear();
  page.minorRow = -1;
  page.minorId = 0;
  loadLists(context);
  context.focus(kMinorCategoryList);
}

void majorSelectionChanged(ShellContext& context, int row) {
  CategoriesPageState& page = context.categories;
  page.majorRow = row;
  page.majorName = std::string(context.screen.cell(kMajorCategoryList, row, 0));
  page.minorRow = -1;
  page.minorId = 0;
  context.screen.selectRow(kMinorCategoryList, -1);
}

void majorTapped(ShellContext& context, int row) {
  context.categories.majorRow = row;
  loadFromFirstMinor(context);
  context.focus(kMinorCategoryList);
}

void minorSelectionChanged(ShellContext& context, int row) {
  CategoriesPageState& page = context.categories;
  const std::optional<std::size_t> index = selectedIndex(row, page.minors.items.size());
  page.minorRow = index ? row : -1;
  page.minorId = index ? page.minors.items[*index].minorId : 0;
}

void stepMajorCategory(ShellContext& context, int step) {
  CategoriesPageState& page = context.categories;
  const int count = static_cast<int>(page.majors.items.size());
  if (count == 0 || step == 0) return;
  if (page.majorRow < 0) {
    page.majorRow = step > 0 ? 0 : count - 1;
  } else {
    page.majorRow = ((page.majorRow + step) % count + count) % count;
  }
  loadFromFirstMinor(context);
  context.focus(kMinorCategoryList);
}

void runCategoryCommand(ShellContext& context, int command) {
  switch (command) {
    case kDeleteMajorCategory: deleteSelectedMajor(context); break;
    case kDeleteMinorCategory: deleteSelectedMinor(context); break;
    case kMoveMajorCategoryUp: moveSelectedMajor(context, MoveStep::Up); break;
    case kMoveMajorCategoryDown: moveSelectedMajor(context, MoveStep::Down); break;
    case kMoveMinorCategoryUp: moveSelectedMinor(context, MoveStep::Up); break;
    case kMoveMinorCategoryDown: moveSelectedMinor(context, MoveStep::Down); break;
    default: break;  // the adds and edits open the category dialog
  }
  context.focus(kMinorCategoryList);
}

}  // namespace coinest
