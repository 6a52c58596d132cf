#pragma once

// What the query page asks: the criteria of the books, card and account queries. They live for
// the run and start afresh at every start.

#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/filter_codes.h"
#include "platform/clock.h"

namespace coinest {

// Written for "any category" in the category filters.
inline constexpr std::string_view kAnyCategory = "전체";

// 장부 조회.
struct BooksCriteria {
  std::string queryFrom;            // "YYYY-MM-DD"
  std::string queryTo;
  std::string filterCode = kFilterAll;  // filter_codes.h
  std::string majorFilter{kAnyCategory};
  std::string minorFilter{kAnyCategory};
  int32_t assetFilter = 0;          // 0 any asset
  std::string assetText;            // "company name holder" of assetFilter
};

// 카드 조회.
struct CardCriteria {
  int year = 0;
  int month = 0;
  int32_t cardFilter = 0;           // 0 every credit card
  std::string cardText{kAnyCategory};
  std::string payDayText;           // query_card.h
  std::string periodText;
};

// 통장 조회.
struct AccountCriteria {
  std::string accountFrom;
  std::string accountTo;
  int32_t accountFilter = 0;        // 0 no account chosen
  std::string company;
  std::string assetName;
  std::string assetNumber;
  std::string holder;
};

struct QueryCriteria {
  BooksCriteria books;
  CardCriteria card;
  AccountCriteria account;
};

// The start values: the books and account periods from the first of the current month to today,
// code kFilterAll with "전체" categories and no asset; the card query on the current month for every card.
QueryCriteria startQueryCriteria(const Clock& clock);

}  // namespace coinest
