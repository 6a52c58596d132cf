#include "exchange/exchange_folder.h"

#include <system_error>

#include "platform/device_root.h"
#include "platform/file_target.h"

namespace coinest {

std::filesystem::path exchangeFolderPath(const std::filesystem::path& root) {
  // The device path is a constant and always valid; the fallback only keeps the result total.
  return deviceFilePath(root, "\\Windows\\Activesync\\").value_or(root / "Windows" / "Activesync");
}

std::filesystem::path deviceRootOfExchangeFolder(const std::filesystem::path& folder) {
  std::filesystem::path root = folder.lexically_normal();
  if (!root.has_filename()) root = root.parent_path();  // a trailing slash
  return root.parent_path().parent_path();
}

bool checkExchangeFolder(Book& book, const std::filesystem::path& folder) {
  // A flag seen through a planted link is another folder's.
  if (!book.modes.exchangeEnabled && checkFolderReachedWithoutLink(deviceRootOfExchangeFolder(folder), folder)) {
    std::error_code ec;
    if (std::filesystem::exists(folder / std::string(kExchangeFlagFileName), ec)) book.modes.exchangeEnabled = true;
  }
  return book.modes.exchangeEnabled;
}

}  // namespace coinest
