#pragma once

// The account query (통장 조회): every entry of a period that moves one bank account, signed as
// it moves the account, with the account's current stored balance.

#include <string>
#include <vector>

#include "calendar/amount.h"
#include "dialogs/query_criteria.h"
#include "dialogs/query_rows.h"
#include "ledger/entry_row.h"
#include "store/book.h"

namespace coinest {

struct AccountQueryView {
  std::vector<EntryListRow> rows;  // by date, kind, entry id
  // The field group below the list.
  std::string fromText;            // accountFrom
  std::string toText;              // "~ " and accountTo
  std::string company;
  std::string assetName;
  std::string assetNumber;
  std::string holder;
  Amount balance = 0;              // the account's stored balance now; 0 when there is none
  std::string balanceText;         // signed
};

// Reads the entries of [accountFrom, accountTo] whose either side is `accountFilter` into
// `cache` when it needs a read (none when the filter is 0). The content has no means prefix, only
// the reservation mark. A transfer is "-" on the account it leaves and "+" on the one it reaches;
// otherwise an income is "+" and an expense "-".
AccountQueryView buildAccountQuery(Book& book, const AccountCriteria& criteria, QueryRowCache& cache);

}  // namespace coinest
