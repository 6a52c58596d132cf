#include "shell/holiday_refresh.h"

#include <optional>
#include <string>

#include "platform/device_root.h"
#include "platform/registry_file.h"
#include "store/book_seeds.h"
#include "store/table_catalogue.h"

namespace coinest {

HolidayRefresh refreshHolidaysOnce(ObjectStore& store, const std::filesystem::path& root, bool bookExisted) {
  HolidayRefresh refresh;
  if (!bookExisted) return refresh;
  const std::filesystem::path registry = registryFilePath(root);
  const std::optional<std::string> done = readRegistryValue(registry, kHolidayRefreshKey, kHolidayRefreshValue);
  if (done && !done->empty()) return refresh;
  // Ignored when it fails, as the device did: the table is rebuilt all the same, and again next time.
  static_cast<void>(writeRegistryValue(registry, kHolidayRefreshKey, kHolidayRefreshValue, "0"));
  TransactionGuard tx(store);
  store.dropTable(kHolidaysTable);
  if (createBookTable(store, kHolidaysTable)) {
    seedHolidays(store);
  } else {
    store.fail("the holiday table cannot be made again (" + store.lastError() + ")");
  }
  refresh.status = tx.finish();
  refresh.rebuilt = refresh.status.isOk();
  return refresh;
}

}  // namespace coinest
