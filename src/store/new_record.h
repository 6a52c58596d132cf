#pragma once

// A dialog's save as one transaction: a new record takes its id from a counter and is added
// under it, both or neither; a change is written whole or not at all, and only over a record
// that is still there.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "store/book.h"
#include "store/id_counters.h"

namespace coinest {

// Takes the next id of `counter` and runs `add` with it, in one transaction. On success `*id`
// holds the id; on failure nothing is written (the counter included) and the reason is returned.
Status addUnderNewId(Book& book, CounterNo counter, const std::function<Status(int32_t id)>& add, int32_t* id);

// Runs `write` in one transaction: its failure, or the commit's, leaves the book as before.
Status writeInTransaction(Book& book, const std::function<Status()>& write);

// What a change tells when its record was deleted while the dialog was open.
inline constexpr std::string_view kRecordDeletedMeanwhileMessage = "이미 삭제된 자료라서 저장할 수 없습니다";

// A dialog's save of `record`: a change written again under its id (`replace`), or an add under
// the next id of `counter` (`add`), which then stands in `record.*id`. Either in one transaction.
// A change whose id `idFree` finds free (the desktop's import may have deleted the record while
// the dialog was open) writes nothing, no change file either, and fails with
// kRecordDeletedMeanwhileMessage: a replacement would write nothing and still look done.
template <class Record, class Add, class Replace>
Status saveRecord(Book& book, bool change, Record& record, int32_t Record::*id, CounterNo counter, Add add,
                  Replace replace, bool (*idFree)(Book&, int32_t)) {
  if (change) {
    return writeInTransaction(book, [&] {
      if (idFree(book, record.*id)) return Status::failure(std::string(kRecordDeletedMeanwhileMessage));
      return replace(book, record);
    });
  }
  int32_t taken = 0;
  return addUnderNewId(
      book, counter,
      [&](int32_t next) {
        record.*id = next;
        return add(book, record);
      },
      &taken);
}

}  // namespace coinest
