#pragma once

// The records of the book's twelve tables, with the field names the rest of the program uses.
// Texts are UTF-8; the longest text each field holds is given in its table's layout
// (record_layout.h), and a longer stored text is cut to it when read.

#include <cstdint>
#include <string>

#include "store/yes_no_flag.h"

namespace coinest {

// "CoinestBooks": one entry of the book.
struct LedgerEntry {
  int32_t entryId = 0;
  std::string entryDate;   // "YYYY-MM-DD"
  std::string entryKind;   // entry_kind.h
  std::string majorItem;   // major category name
  std::string minorItem;   // minor category name
  std::string content;
  int32_t amount = 0;
  std::string cardFlag;    // yes: a credit-card expense
  std::string note;
  int32_t reserveId = 0;   // the reservation that posted it; 0 when made by hand
  int32_t assetId = 0;     // paid from (a transfer: the side the money leaves); 0 = cash
  int32_t instalments = 0; // 0 none, 1 lump sum, 2 to 24
  std::string phoneFlag = kNo;
  std::string checkCardFlag = kNo;
  int32_t toAssetId = 0;   // a transfer's destination; 0 = cash
};

// "CoinestInst": instalment k (2..n) of a credit-card entry.
struct InstalmentRow {
  int32_t instId = 0;
  std::string instDate;  // may name a day the month lacks (the 31st of February)
  int32_t entryId = 0;
  int32_t instNo = 0;
  int32_t cardId = 0;
};

// "CoinestReserve": an entry that recurs on a fixed day of every month.
struct Reservation {
  int32_t reserveId = 0;
  int32_t dayOfMonth = 0;
  std::string entryKind;
  std::string majorItem;
  std::string minorItem;
  std::string content;
  int32_t amount = 0;
  std::string cardFlag;
  std::string startDate;
  std::string note;
  int32_t assetId = 0;
  int32_t instalments = 0;
  std::string phoneFlag = kNo;
  std::string checkCardFlag = kNo;
};

// "CoinestRBLink": a reservation posted for one month.
struct ReservationLink {
  int32_t linkId = 0;
  std::string postedMonth;  // "YYYYMM"
  int32_t reserveId = 0;
  int32_t entryId = 0;
};

// "CoinestRBDate" (one record): the date up to which reservations have been posted.
struct PostingDate {
  std::string postedThrough;
};

// "CoinestIteml": a major category.
struct MajorItem {
  int32_t majorId = 0;
  std::string itemKind;  // kIncomeKind or kExpenseKind (entry_kind.h)
  std::string itemName;
  int32_t itemOrder = 0;
};

// "CoinestItems": a minor category under one major category.
struct MinorItem {
  int32_t minorId = 0;
  int32_t majorId = 0;
  std::string itemName;
  int32_t itemOrder = 0;
  std::string inUse;  // yes: offered in the entry dialog
};

// "CoinestAssets": an account, card, policy or other asset.
struct Asset {
  int32_t assetId = 0;
  std::string assetKind;  // asset_kind.h
  std::string assetName;
  std::string assetNumber;
  std::string holder;
  std::string note;
  std::string company;
  int32_t periodFromMonth = 0;  // billing period of a credit card: 1 month before last, 2 last, 3 this
  int32_t periodFromDay = 0;    // 1 to 31, 32 the last day
  int32_t periodToMonth = 0;
  int32_t periodToDay = 0;
  int32_t linkOrPayDay = 0;     // credit card: payment day; check card: the account it draws on
  int32_t balance = 0;
};

// "CoinestEnv" (one record): the last id handed out by each of the five counters.
struct IdCounters {
  int32_t entryCounter = 10000;
  int32_t instCounter = 10000;
  int32_t minorCounter = 10000;
  int32_t reserveCounter = 10000;
  int32_t linkCounter = 10000;
};

// "CoinestCon" (one record).
struct ConSettings {
  std::string loginPrompt = kNo;
  std::string password;
  std::string showUsedOnly = kNo;
  std::string settlementStartDay = "1";
};

// "CoinestCon2" (one record).
struct Con2Settings {
  std::string autoCarryOver = kNo;
  int32_t carryYear = 0;
  int32_t carryMonth = 0;
};

// "CoinestRest": one holiday row.
struct Holiday {
  int32_t holidayNo = 0;
  std::string holidayDate;
  std::string holidayName;
  std::string lunarDate;  // "MM/DD" of a lunar holiday, else empty
};

}  // namespace coinest
