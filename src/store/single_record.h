#pragma once

// The one-record tables (counters, settings, posting date): the record is the table's first.

#include <string_view>

#include "store/record_layout.h"

namespace coinest {

enum class SingleRecordRead {
  NoTable,   // the table cannot be opened: `record` is untouched
  Empty,     // the table has no record: `record` is untouched
  Read,      // `record` holds the stored record
};

template <class R>
SingleRecordRead readSingleRecord(ObjectStore& store, std::string_view table, R& record) {
  TableHandle t = store.openTable(table, 0);
  if (!t) return SingleRecordRead::NoTable;
  if (t.seek(SeekMode::SeekFromFirst, 0) == 0) return SingleRecordRead::Empty;
  readRecord(t, record);
  return SingleRecordRead::Read;
}

// Deletes the first record when there is one and writes `record` with every property.
// Returns false when the table cannot be opened or the write fails.
template <class R>
bool replaceSingleRecord(ObjectStore& store, std::string_view table, const R& record) {
  TransactionGuard tx(store);
  TableHandle t = store.openTable(table, 0);
  if (!t) return false;
  if (const RecordId first = t.seek(SeekMode::SeekFromFirst, 0); first != 0) t.deleteRecord(first);
  const bool written = t.writeRecord(propsOf(record)) != 0;
  t.close();
  return written && tx.commit();
}

}  // namespace coinest
