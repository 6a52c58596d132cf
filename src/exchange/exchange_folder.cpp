#include "exchange/exchange_folder.h"

#include <system_error>

#include "platform/device_root.h"

namespace coinest {

std::filesystem::path exchangeFolderPath(const std::filesystem::path& root) {
  // The device path is a constant and always valid; the fallback only keeps the result total.
  return deviceFilePath(root, "\\Windows\\Activesync\\").value_or(root / "Windows" / "Activesync");
}

bool checkExchangeFolder(Book& book, const std::filesystem::path& folder) {
  if (!book.modes.exchangeEnabled) {
    std::error_code ec;
    if (std::filesystem::exists(folder / std::string(kExchangeFlagFileName), ec)) book.modes.exchangeEnabled = true;
  }
  return book.modes.exchangeEnabled;
}

}  // namespace coinest
