#include "store/new_record.h"

#include <string>

namespace coinest {

Status writeInTransaction(Book& book, const std::function<Status()>& write) {
  TransactionGuard tx(book.store);
  Status written = write();
  if (!written) {
    tx.abandon();
    static_cast<void>(tx.finish());  // the write's reason is the one to tell
    return written;
  }
  return tx.finish();
}

Status addUnderNewId(Book& book, CounterNo counter, const std::function<Status(int32_t id)>& add, int32_t* id) {
  int32_t taken = 0;
  Status added = writeInTransaction(book, [&] {
    const std::optional<int32_t> next = takeId(book.store, counter);
    if (!next) {
      const std::string& reason = book.store.lastError();
      return Status::failure(reason.empty() ? "no new id could be taken" : reason);
    }
    taken = *next;
    return add(taken);
  });
  if (added) *id = taken;
  return added;
}

}  // namespace coinest
