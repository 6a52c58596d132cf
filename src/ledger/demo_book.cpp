#include "ledger/demo_book.h"

#include <optional>
#include <string>

#include "calendar/date_text.h"
#include "ledger/entry_rules.h"
#include "ledger/reservation_posting.h"
#include "store/asset_kind.h"
#include "store/asset_table.h"
#include "store/entry_kind.h"
#include "store/entry_table.h"
#include "store/id_counters.h"
#include "store/posting_date.h"
#include "store/reservation_tables.h"
#include "store/reserved_names.h"
#include "store/table_catalogue.h"
#include "store/yes_no_flag.h"

namespace coinest {

namespace {

struct DemoAssets {
  int32_t account = 0;
  int32_t creditCard = 0;
  int32_t checkCard = 0;
};

// How an entry of the sample month is paid; each maps to the fields of one entry kind.
enum class Means { Cash, Account, CheckCard, CreditCard, Phone, CashWithdrawal };

struct MonthlyEntry {
  int day;
  Means means;
  const char* kind;
  const char* major;
  const char* minor;
  const char* content;
  int32_t amount;
  int32_t instalments = 0;     // credit card only: 1 lump sum, 2 or more monthly instalments
  bool firstMonthOnly = false; // a one-off, not a habit of every month
};

// One month of the household, in day order. Days stay within 28 so every month has each of them.
const MonthlyEntry kMonth[] = {
    {1, Means::Cash, kExpenseKind, "교통/차량", "대중교통", "교통카드 충전", 30'000},
    {2, Means::CashWithdrawal, kTransferKind, kTransferCategory, kCashWithdrawalMinor, "생활비 인출", 300'000},
    {3, Means::CheckCard, kExpenseKind, "식비", "주식", "대형마트 장보기", 87'400},
    {5, Means::Cash, kExpenseKind, "식비", "외식", "점심 김치찌개", 9'000},
    {7, Means::Cash, kExpenseKind, "보건/미용", "약값", "감기약", 6'500},
    {8, Means::Cash, kExpenseKind, "식비", "부식", "과일가게", 23'000},
    {11, Means::CheckCard, kExpenseKind, "생활용품", "잡화소모", "생활용품 구입", 15'000},
    {12, Means::CreditCard, kExpenseKind, "생활용품", "가전용품", "공기청정기", 480'000, 3, true},
    {14, Means::CreditCard, kExpenseKind, "식비", "외식", "가족 외식", 68'000, 1},
    {16, Means::CreditCard, kExpenseKind, "교통/차량", "주유비", "주유", 70'000, 1},
    {18, Means::Phone, kExpenseKind, "문화생활비", "기타", "음원 정기결제", 10'900},
    {20, Means::Cash, kExpenseKind, "식비", "주식", "동네마트 장보기", 42'300},
    {21, Means::CreditCard, kExpenseKind, "의류비", "의류", "아이 옷", 59'000, 1},
    {22, Means::Cash, kExpenseKind, "경조사/회비", "경조사비", "친구 결혼 축의금", 100'000, 0, true},
    {25, Means::Account, kIncomeKind, "고정수입", "급여", "월급", 3'200'000},
    {26, Means::Account, kExpenseKind, "저축/보험", "적금", "적금 자동이체", 500'000},
    {27, Means::CheckCard, kExpenseKind, "식비", "외식", "커피", 4'500},
};

// The monthly reservation: the flat's charges paid from the account.
constexpr int kMaintenanceDay = 10;

LedgerEntry entryOf(const MonthlyEntry& m, const DemoAssets& assets, const std::string& date, int32_t entryId) {
  LedgerEntry e;
  e.entryId = entryId;
  e.entryDate = date;
  e.entryKind = m.kind;
  e.majorItem = m.major;
  e.minorItem = m.minor;
  e.content = m.content;
  e.amount = m.amount;
  e.cardFlag = kNo;
  switch (m.means) {
    case Means::Cash: break;
    case Means::Account: e.assetId = assets.account; break;
    case Means::CheckCard:
      e.assetId = assets.checkCard;
      e.checkCardFlag = kYes;
      break;
    case Means::CreditCard:
      e.assetId = assets.creditCard;
      e.cardFlag = kYes;
      e.instalments = m.instalments;
      break;
    case Means::Phone: e.phoneFlag = kYes; break;
    case Means::CashWithdrawal: e.assetId = assets.account; break;  // to cash: toAssetId stays 0
  }
  return e;
}

Status storeFailure(Book& book) { return Status::failure(book.store.lastError()); }

// Adds the asset under a new id from the counter it shares with the reservations; the id in `*id`.
Status addNewAsset(Book& book, Asset asset, int32_t* id) {
  const std::optional<int32_t> taken = takeId(book.store, CounterNo::Reservation);
  if (!taken) return storeFailure(book);
  asset.assetId = *taken;
  if (Status added = addAsset(book, asset); !added) return added;
  *id = *taken;
  return Status::ok();
}

Asset householdAsset(const char* kind, const char* company, const char* name, const char* number) {
  Asset asset;
  asset.assetKind = kind;
  asset.company = company;
  asset.assetName = name;
  asset.assetNumber = number;
  asset.holder = "홍길동";
  return asset;
}

Status addAssets(Book& book, DemoAssets& assets) {
  Asset account = householdAsset(kBankAccountKind, "국민은행", "급여통장", "123456-01-234567");
  account.balance = kDemoOpeningBalance;
  if (Status added = addNewAsset(book, account, &assets.account); !added) return added;

  Asset card = householdAsset(kCreditCardKind, "신한카드", "생활카드", "4518-12**-****-3456");
  // Billed for the whole month before the statement month, paid on the 14th.
  card.periodFromMonth = 2;
  card.periodFromDay = 1;
  card.periodToMonth = 2;
  card.periodToDay = 32;
  card.linkOrPayDay = 14;
  if (Status added = addNewAsset(book, card, &assets.creditCard); !added) return added;

  Asset checkCard = householdAsset(kCheckCardKind, "국민은행", "체크카드", "9490-23**-****-7788");
  checkCard.linkOrPayDay = assets.account;
  return addNewAsset(book, checkCard, &assets.checkCard);
}

// The entries of one month from its 1st through `lastDay`.
Status addMonth(Book& book, const DemoAssets& assets, YearMonth month, int lastDay, bool firstMonth) {
  for (const MonthlyEntry& m : kMonth) {
    if (m.day > lastDay || (m.firstMonthOnly && !firstMonth)) continue;
    const std::optional<int32_t> entryId = newEntryId(book);
    if (!entryId) return storeFailure(book);
    const LedgerEntry e = entryOf(m, assets, formatDateText(month.year, month.month, m.day), *entryId);
    if (Status added = addEntry(book, e); !added) return added;
  }
  return Status::ok();
}

// Saves the reservation as if it had been saved on the 1st of `first`, and posts it for every
// month from then through today.
Status addPostedReservation(Book& book, const DemoAssets& assets, YearMonth first) {
  const std::optional<int32_t> id = takeId(book.store, CounterNo::Reservation);
  if (!id) return storeFailure(book);
  Reservation r;
  r.reserveId = *id;
  r.dayOfMonth = kMaintenanceDay;
  r.entryKind = kExpenseKind;
  r.majorItem = "주거/통신";
  r.minorItem = "관리비";
  r.content = "아파트 관리비";
  r.amount = 215'000;
  r.cardFlag = kNo;
  r.assetId = assets.account;
  const std::string firstDay = firstOfMonthText(first.year, first.month);
  r.startDate = reservationStartDate(kMaintenanceDay, TodayDate{firstDay, first.year, first.month, 1});
  if (Status added = addReservation(book, r); !added) return added;
  // A new book has posted through the day it was made; the run must start early enough to
  // serve the first month. A posting date already earlier is kept.
  if (readPostingDate(book.store) > firstDay) {
    if (Status moved = writePostingDate(book, firstDay); !moved) return moved;
  }
  return postDueReservations(book);
}

Status fillInTransaction(Book& book) {
  DemoAssets assets;
  if (Status added = addAssets(book, assets); !added) return added;
  const TodayDate now = today(book.clock);
  const YearMonth previous = previousMonth(now.year, now.month);
  if (Status added = addMonth(book, assets, previous, daysInMonth(previous.year, previous.month), true); !added) {
    return added;
  }
  if (Status added = addMonth(book, assets, YearMonth{now.year, now.month}, now.day, false); !added) return added;
  return addPostedReservation(book, assets, previous);
}

}  // namespace

DemoBookResult fillDemoBook(Book& book) {
  TransactionGuard tx(book.store);
  const uint32_t existing = book.store.recordCount(kBooksTable);
  if (!tx.healthy()) return DemoBookResult{tx.finish()};
  if (existing > 0) {
    return DemoBookResult{Status::failure("the book already has entries: the demo fills an empty book only")};
  }
  if (Status filled = fillInTransaction(book); !filled) {
    tx.abandon();
    return DemoBookResult{filled};
  }
  const uint32_t entries = book.store.recordCount(kBooksTable);
  if (Status committed = tx.finish(); !committed) return DemoBookResult{committed};
  return DemoBookResult{Status::ok(), static_cast<int32_t>(entries), 3};
}

}  // namespace coinest
