#include "ledger/entry_rules.h"

#include "calendar/amount.h"
#include "ledger/instalments.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/journaled_writes.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

// Balances are plain 32-bit won. Sums wrap instead of overflowing, so that deleting an entry
// always restores exactly the balance its adding changed.
int32_t wrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t negated(int32_t v) { return static_cast<int32_t>(0u - static_cast<uint32_t>(v)); }

// The balance effects of an entry; `sign` +1 applies them, -1 reverses them. A credit-card
// expense changes no stored balance: the card is paid later by a card payment entry.
Status applyBalanceEffects(Book& book, const LedgerEntry& e, int sign) {
  if (isYes(e.cardFlag)) return Status::ok();
  const int32_t amount = sign > 0 ? e.amount : negated(e.amount);
  if (e.assetId > 0) {
    Status adjusted = adjustAssetBalance(book, e.assetId, e.entryKind == kIncomeKind ? amount : negated(amount));
    if (!adjusted) return adjusted;
  }
  if (e.toAssetId > 0 && e.entryKind == kTransferKind) return adjustAssetBalance(book, e.toAssetId, amount);
  return Status::ok();
}

Status writeInstalmentRows(Book& book, const LedgerEntry& e) {
  if (e.instalments <= 1 || e.assetId <= 0) return Status::ok();
  const int32_t count = billedInstalments(e.instalments);
  for (int32_t k = 2; k <= count; ++k) {
    const std::optional<int32_t> instId = takeId(book.store, CounterNo::Instalment);
    if (!instId) return Status::failure(book.store.lastError());
    Status added = addInstalmentRow(book, InstalmentRow{*instId, instalmentDate(e.entryDate, k), e.entryId, k, e.assetId});
    if (!added) return added;
  }
  return Status::ok();
}

}  // namespace

Status addEntry(Book& book, const LedgerEntry& entry) {
  TransactionGuard tx(book.store);
  if (!writeEntryRecord(book, entry)) return tx.finish();
  // A backup carries its balances and instalment rows itself.
  if (!book.modes.restoringBackup) {
    Status effects = applyBalanceEffects(book, entry, +1);
    if (effects) effects = writeInstalmentRows(book, entry);
    if (!effects) {
      book.store.fail(effects.reason());
      return tx.finish();
    }
  }
  if (book.modes.applyingImport && entry.entryId < kDesktopIdBase) {
    raiseCounter(book.store, CounterNo::Entry, entry.entryId);
  }
  journalChange(book, recordChange(ChangeLetter::Entry, ChangeOp::Add, entry.entryId, entry), JournalRule::Usual);
  return tx.finish();
}

bool deleteEntry(Book& book, int32_t entryId) {
  TransactionGuard tx(book.store);
  const std::optional<LedgerEntry> old = deleteEntryRecord(book, entryId);
  if (!old) return false;
  if (Status reversed = applyBalanceEffects(book, *old, -1); !reversed) book.store.fail(reversed.reason());
  journalChange(book, deleteChange(ChangeLetter::Entry, entryId), JournalRule::Usual);
  if (Status rows = deleteInstalmentsOfEntry(book, entryId); !rows) book.store.fail(rows.reason());
  return tx.commit();
}

Status updateEntry(Book& book, const LedgerEntry& entry) {
  return replaceJournaled(
      book, ChangeLetter::Entry, entry.entryId, entry, [&] { return deleteEntry(book, entry.entryId); },
      [&] { return addEntry(book, entry); });
}

Status adjustAssetBalance(Book& book, int32_t assetId, int32_t delta) {
  std::optional<Asset> target = findAsset(book, assetId);
  if (!target) return Status::ok();
  // A check card that names an account moves the account's balance. A credit card's field of the
  // same place holds its payment day, which is never followed as an asset id.
  if (target->linkOrPayDay != 0) {
    if (target->assetKind == kCreditCardKind) return Status::ok();
    target = findAsset(book, target->linkOrPayDay);
    if (!target) return Status::ok();
  }
  target->balance = wrappingAdd(target->balance, delta);
  TransactionGuard tx(book.store);
  ModeScope suppressed(book.modes.journalSuppressed);
  if (deleteAsset(book, target->assetId)) {
    if (Status added = addAsset(book, *target); !added) book.store.fail(added.reason());
  }
  return tx.finish();
}

int32_t cashEffect(const LedgerEntry& e) {
  if (e.entryKind == kIncomeKind && e.assetId == 0) return e.amount;
  // Mobile-phone and credit-card expenses do not spend cash.
  if (e.entryKind == kExpenseKind && e.assetId == 0 && !isYes(e.cardFlag) && !isYes(e.phoneFlag)) {
    return negated(e.amount);
  }
  if (e.entryKind == kTransferKind && e.assetId == 0 && e.toAssetId >= 1) return negated(e.amount);  // cash deposit
  if (e.entryKind == kTransferKind && e.assetId > 0 && e.toAssetId == 0) return e.amount;  // withdrawal, cash advance
  return 0;
}

int32_t cashBalance(Book& book, std::string_view fromDate, std::string_view toDate) {
  int32_t sum = 0;
  for (const LedgerEntry& e : entriesInRange(book, fromDate, toDate)) sum = wrappingAdd(sum, cashEffect(e));
  return sum;
}

std::string entryText(const LedgerEntry& e) {
  const std::string amount = formatAmount(e.amount) + "원";
  if (e.entryKind == kIncomeKind) return amount + (e.assetId > 0 ? "(계좌수입)" : "(현금수입)");
  if (isYes(e.phoneFlag)) return amount + "(휴대폰결제 지출)";
  if (e.entryKind == kExpenseKind && !isYes(e.cardFlag)) {
    if (e.assetId < 1) return amount + "(현금지출)";
    return amount + (isYes(e.checkCardFlag) ? "(체크카드지출)" : "(계좌지출)");
  }
  if (e.entryKind == kExpenseKind) {
    if (e.instalments == 0) return amount + "(카드지출)";
    if (e.instalments == 1) return amount + "(카드지출-일시불)";
    return amount + "(카드지출-" + std::to_string(e.instalments) + "개월할부)";
  }
  if (e.entryKind == kTransferKind) return amount + "(이체:" + e.majorItem + "-" + e.minorItem + ")";
  return amount;
}

}  // namespace coinest
