#include "store/posting_date.h"

#include "store/single_record.h"
#include "store/table_catalogue.h"

namespace coinest {

std::string readPostingDate(ObjectStore& store) {
  PostingDate date;
  switch (readSingleRecord(store, kPostingDateTable, date)) {
    case SingleRecordRead::NoTable: return "";
    case SingleRecordRead::Empty: return "2001-01-01";
    case SingleRecordRead::Read: break;
  }
  return date.postedThrough.size() == 10 ? date.postedThrough : "2001-01-01";
}

bool writePostingDate(ObjectStore& store, const std::string& dateText) {
  return replaceSingleRecord(store, kPostingDateTable, PostingDate{dateText});
}

Status writePostingDate(Book& book, const std::string& dateText) {
  const PostingDate date{dateText};
  TransactionGuard tx(book.store);
  if (replaceSingleRecord(book.store, kPostingDateTable, date)) {
    // The posting date has no id of its own: its change file always carries 1.
    journalChange(book, recordChange(ChangeLetter::PostingDate, ChangeOp::Modify, 1, date), JournalRule::ExchangeOnly);
  }
  return tx.finish();
}

}  // namespace coinest
