#pragma once

// The records the tests, the benchmarks and the fuzz targets build, from one place. A caller
// names the fields it cares about with designated initialisers and every other field takes the
// value of a plain record:
//
//   makeEntry({.id = 20001, .kind = kIncomeKind, .amount = 3000, .assetId = account.assetId})
//
// The members of each *Fields struct come in the order of their record, as designated
// initialisers must; each has a default member initialiser, so leaving one out is no omission.

#include <cstdint>
#include <string>

#include "store/asset_kind.h"
#include "store/book.h"
#include "store/entry_kind.h"
#include "store/records.h"
#include "store/yes_no_flag.h"

namespace coinest::testing {

// A cash entry unless told otherwise: no asset, no instalments, every flag "N".
struct EntryFields {
  int32_t id = 0;
  std::string date = "2007-03-05";
  std::string kind = kExpenseKind;
  // Empty: the test category of the kind, "고정수입" - "급여" for income, "식비" - "외식" for an
  // expense, the built-in "현금" - "계좌 이동" for a transfer.
  std::string major{};
  std::string minor{};
  std::string content = "test";
  int32_t amount = 5000;
  std::string cardFlag = kNo;
  int32_t assetId = 0;
  int32_t instalments = 0;
  std::string phoneFlag = kNo;
  std::string checkCardFlag = kNo;
  int32_t toAssetId = 0;
};

LedgerEntry makeEntry(const EntryFields& given);

// makeEntry({.date = date, .kind = kind, .amount = amount}).
LedgerEntry makeEntry(std::string date, std::string kind, int32_t amount);

// A monthly rent paid in cash unless told otherwise.
struct ReservationFields {
  int32_t id = 0;
  int32_t dayOfMonth = 25;
  std::string kind = kExpenseKind;
  std::string major = "주거/통신";
  std::string minor = "월세";
  std::string content = "월세";
  int32_t amount = 300000;
  std::string cardFlag = kNo;
  std::string startDate = "2007-01-01";
  std::string note{};
  int32_t assetId = 0;
  int32_t instalments = 0;
};

Reservation makeReservation(const ReservationFields& given);

// A bank account unless told otherwise.
struct AssetFields {
  int32_t id = 0;
  std::string kind = kBankAccountKind;
  std::string name = "salary";
  std::string number{};
  std::string holder{};
  std::string company{};  // empty: the name and " bank"
  int32_t periodFromMonth = 0;
  int32_t periodFromDay = 0;
  int32_t periodToMonth = 0;
  int32_t periodToDay = 0;
  int32_t linkOrPayDay = 0;
  int32_t balance = 0;
};

Asset makeAsset(const AssetFields& given);

// The asset, given the next asset id and added to the book (with its change file, as any add).
Asset addNewAsset(Book& book, AssetFields given);

// A credit card with the billing period given, not stored.
Asset cardWithPeriod(int32_t fromMonth, int32_t fromDay, int32_t toMonth, int32_t toDay);

}  // namespace coinest::testing
