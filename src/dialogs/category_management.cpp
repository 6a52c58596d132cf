#include "dialogs/category_management.h"

#include <utility>

#include "store/category_tables.h"
#include "store/reserved_names.h"

namespace coinest {

namespace {

std::string_view levelWord(CategoryLevel level) { return level == CategoryLevel::Major ? "대항목" : "소항목"; }

// Swaps the orders of the row and its neighbour in one transaction, the moved row first.
template <class Item, class Replace>
Status swapWithNeighbour(Book& book, std::span<const Item> list, std::size_t row, MoveStep step, Replace replace) {
  if (!canMoveRow(list.size(), row, step)) return Status::ok();
  Item moved = list[row];
  Item neighbour = list[step == MoveStep::Up ? row - 1 : row + 1];
  std::swap(moved.itemOrder, neighbour.itemOrder);
  TransactionGuard tx(book.store);
  // A failed replacement has failed the transaction; the second one then writes nothing.
  if (Status first = replace(book, moved); first) {
    if (Status second = replace(book, neighbour); !second) book.store.fail(second.reason());
  } else {
    book.store.fail(first.reason());
  }
  return tx.finish();
}

}  // namespace

std::string reservedNameRefusal(CategoryLevel level, CategoryAction action, std::string_view name) {
  if (name != kCarryOverCategory && name != kCardPaymentCategory) return {};
  const std::string_view verb = action == CategoryAction::Add    ? "등록할"
                                : action == CategoryAction::Edit ? "수정할"
                                                                 : "삭제할";
  return std::string(levelWord(level)) + "에 " + std::string(name) + "은 " + std::string(verb) + " 수 없습니다";
}

std::string deleteCategoryQuestion(CategoryLevel level, std::string_view name) {
  std::string question = "가계부 " + std::string(levelWord(level)) + " 자료(" + std::string(name) + ")를 삭제 하시겠습니까?";
  if (level == CategoryLevel::Major) {
    question += "\n\n[주의] 대항목을 삭제하면 이에 포함된 모든 소항목도 함께 삭제됩니다.";
  }
  return question;
}

Status deleteMajorCategory(Book& book, int32_t majorId) {
  TransactionGuard tx(book.store);
  // Whether the major was still there does not matter; a store failure fails the transaction.
  (void)deleteMajorItem(book, majorId);
  if (Status minors = deleteMinorItemsOf(book, majorId); !minors) book.store.fail(minors.reason());
  return tx.finish();
}

Status deleteMinorCategory(Book& book, int32_t minorId) {
  TransactionGuard tx(book.store);
  (void)deleteMinorItem(book, minorId);
  return tx.finish();
}

bool canMoveRow(std::size_t count, std::size_t row, MoveStep step) {
  if (row >= count) return false;
  return step == MoveStep::Up ? row > 0 : row + 1 < count;
}

Status moveMajorCategory(Book& book, std::span<const MajorItem> list, std::size_t row, MoveStep step) {
  return swapWithNeighbour(book, list, row, step, replaceMajorItem);
}

Status moveMinorCategory(Book& book, std::span<const MinorItem> list, std::size_t row, MoveStep step) {
  return swapWithNeighbour(book, list, row, step, replaceMinorItem);
}

}  // namespace coinest
