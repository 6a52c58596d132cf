#include "ledger/carry_over.h"

#include <cstdint>

#include "calendar/date_text.h"
#include "ledger/entry_rules.h"
#include "store/card_month_sums.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/reserved_names.h"
#include "store/settings_records.h"
#include "store/table_catalogue.h"
#include "store/yes_no_flag.h"

namespace coinest {

Status offerCarryOver(Book& book, UiPort& ui) {
  Con2Settings settings;
  readCon2Settings(book.store, settings);
  if (!isYes(settings.autoCarryOver)) return Status::ok();
  const TodayDate now = today(book.clock);
  // The stored year and month may hold anything: compared as 64-bit numbers they cannot overflow.
  if (int64_t{settings.carryYear} * 100 + settings.carryMonth >= int64_t{now.year} * 100 + now.month) return Status::ok();
  // Recorded before asking, so the question comes once a month whatever the answer.
  {
    TransactionGuard tx(book.store);
    writeCon2Settings(book.store, Con2Settings{settings.autoCarryOver, now.year, now.month});
    if (Status recorded = tx.finish(); !recorded) return recorded;
  }
  if (ui.askYesNo("지난달 현금잔액을 전월이월 하시겠습니까?")) return carryOverCash(book, ui, now.year, now.month);
  return Status::ok();
}

Status carryOverCash(Book& book, UiPort& ui, int year, int month) {
  bool carried = false;
  {
    TransactionGuard tx(book.store);
    const std::optional<int32_t> entryId = newEntryId(book);
    if (!entryId) return tx.finish();
    const YearMonth previous = previousMonth(year, month);
    const int32_t cash =
        cashBalance(book, formatDateText(previous.year, previous.month, 1),
                    formatDateText(previous.year, previous.month, daysInMonth(previous.year, previous.month)));
    if (cash > 0) {
      LedgerEntry e;
      e.entryId = *entryId;
      e.entryDate = formatDateText(year, month, 1);
      e.entryKind = kIncomeKind;
      e.majorItem = kCarryOverCategory;
      e.minorItem = kCarryOverCategory;
      e.content = kCarryOverCategory;
      e.amount = cash;
      e.cardFlag = kNo;
      if (Status added = addEntry(book, e); !added) return added;
    }
    // Without cash to carry the entry id taken stays used, as it always was.
    if (Status committed = tx.finish(); !committed) return committed;
    carried = cash > 0;
  }
  ui.showMessage(carried ? "현금잔액을 전월이월 하였습니다" : "전월이월할 현금잔액이 없습니다", MessageCaption::Notice);
  return Status::ok();
}

ResetResult resetBook(Book& book, UiPort& ui) {
  if (!ui.askYesNo("가계부 장부 초기화를 하시면 기존의 가계부 장부 자료는 모두 삭제되므로 이 작업 수행전 가계부 "
                   "자료백업을 먼저 하시길 바랍니다.\n[중요] 예약,항목,자산등은 삭제되지 않음\n\n가계부 장부 "
                   "초기화를 하시겠습니까?")) {
    return ResetResult{false, Status::ok()};
  }
  TransactionGuard tx(book.store);
  book.store.dropTable(kBooksTable);
  book.store.dropTable(kInstalmentsTable);
  if (!createBookTable(book.store, kBooksTable) || !createBookTable(book.store, kInstalmentsTable)) {
    book.store.fail("the emptied tables cannot be made again (" + book.store.lastError() + ")");
  }
  if (!rebuildCardMonthSums(book.store)) tx.abandon();
  return ResetResult{true, tx.finish()};
}

}  // namespace coinest
