#include "store/posting_date.h"

#include "store/single_record.h"
#include "store/table_catalogue.h"

namespace coinest {

std::string readPostingDate(ObjectStore& store) {
  PostingDate date;
  if (readSingleRecord(store, kPostingDateTable, date) != SingleRecordRead::Read || date.postedThrough.size() != 10) {
    return "2001-01-01";
  }
  return date.postedThrough;
}

void writePostingDate(ObjectStore& store, const std::string& dateText) {
  replaceSingleRecord(store, kPostingDateTable, PostingDate{dateText});
}

}  // namespace coinest
