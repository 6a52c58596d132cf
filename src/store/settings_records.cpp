#include "store/settings_records.h"

#include "store/single_record.h"
#include "store/table_catalogue.h"

namespace coinest {

void readConSettings(ObjectStore& store, ConSettings& settings) {
  ConSettings stored;
  if (readSingleRecord(store, kConSettingsTable, stored) == SingleRecordRead::NoTable) return;
  settings = stored;  // an empty table leaves the defaults in `stored`
}

bool writeConSettings(ObjectStore& store, const ConSettings& settings) {
  return replaceSingleRecord(store, kConSettingsTable, settings);
}

void readCon2Settings(ObjectStore& store, Con2Settings& settings) {
  Con2Settings stored;
  if (readSingleRecord(store, kCon2SettingsTable, stored) == SingleRecordRead::NoTable) return;
  settings = stored;
}

bool writeCon2Settings(ObjectStore& store, const Con2Settings& settings) {
  return replaceSingleRecord(store, kCon2SettingsTable, settings);
}

}  // namespace coinest
