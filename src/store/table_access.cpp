#include "store/table_access.h"

#include <span>

namespace coinest {

RecordId seekById(TableHandle& table, int32_t id) {
  // The equality seek finds the first record of the key from anywhere: no need to go to the
  // first record before it.
  const RecordId record = table.seek(SeekMode::SeekFirstEqual, id);
  if (record == 0) return 0;
  return intKeyOf(table, kIdKey) == id ? record : 0;
}

bool deleteById(ObjectStore& store, std::string_view table, int32_t id) {
  TableHandle t = store.openTable(table, kIdKey);
  if (!t) return false;
  const RecordId record = seekById(t, id);
  return record != 0 && t.deleteRecord(record);
}

bool idFree(ObjectStore& store, std::string_view table, int32_t id) {
  TableHandle t = store.openTable(table, kIdKey);
  return !t || seekById(t, id) == 0;
}

std::optional<int32_t> intKeyOf(const TableHandle& table, PropId key) {
  PropValue value = PropValue::ofInt(key, 0);
  if (!table.readProps(std::span(&value, 1)) || !value.found) return std::nullopt;
  return value.intValue;
}

}  // namespace coinest
