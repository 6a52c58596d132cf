#include "platform/device_root.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "platform/durable_file.h"

namespace coinest {

namespace {

const char* nonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

std::string errnoText(int error) { return std::generic_category().message(error); }

PrepareRootResult failure(const std::filesystem::path& root, const std::string& what,
                          const std::string& reason) {
  return {false, what + " " + root.string() + ": " + reason};
}

}  // namespace

std::filesystem::path resolveDeviceRoot(std::optional<std::string> cliRoot) {
  if (cliRoot) return std::filesystem::path(*cliRoot);
  if (const char* root = nonEmptyEnv("COINEST_ROOT")) return std::filesystem::path(root);
  // A relative XDG_DATA_HOME is invalid by the XDG rules and is ignored.
  if (const char* data = nonEmptyEnv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
    return std::filesystem::path(data) / "coinest";
  }
  if (const char* home = nonEmptyEnv("HOME")) {
    return std::filesystem::path(home) / ".local" / "share" / "coinest";
  }
  return {};
}

PrepareRootResult prepareDeviceRoot(const std::filesystem::path& given) {
  if (given.empty()) return {false, "no folder given for the device root"};

  // "a/b/" has an empty file name; drop trailing slashes so the parent is really the parent.
  std::string text = given.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  const std::filesystem::path root(text);

  std::error_code ec;
  auto status = std::filesystem::status(root, ec);
  if (ec && status.type() != std::filesystem::file_type::not_found) {
    return failure(root, "cannot examine the device root", ec.message());
  }
  if (status.type() == std::filesystem::file_type::not_found) {
    // The root and the parents we make are the user's alone, whatever the umask.
    if (const Status made = createPrivateFolders(root); !made) {
      return failure(root, "cannot create the device root", made.reason());
    }
    status = std::filesystem::status(root, ec);
    if (ec) return failure(root, "cannot examine the device root", ec.message());
  }
  if (status.type() != std::filesystem::file_type::directory) {
    return failure(root, "cannot use the device root", errnoText(ENOTDIR));
  }
  if (::access(root.c_str(), R_OK | W_OK | X_OK) != 0) {
    return failure(root, "cannot read and write in the device root", errnoText(errno));
  }
  return {true, {}};
}

std::optional<std::filesystem::path> deviceFilePath(const std::filesystem::path& root,
                                                    std::string_view devicePath) {
  if (devicePath.find('\0') != std::string_view::npos) return std::nullopt;
  if (devicePath.find('/') != std::string_view::npos) return std::nullopt;
  if (!devicePath.empty() && devicePath.front() == '\\') devicePath.remove_prefix(1);
  if (!devicePath.empty() && devicePath.back() == '\\') devicePath.remove_suffix(1);
  if (devicePath.empty()) return std::nullopt;

  std::filesystem::path result = root;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = devicePath.find('\\', start);
    const std::string_view part = devicePath.substr(start, end == std::string_view::npos ? end : end - start);
    if (part.empty() || part == "." || part == "..") return std::nullopt;
    result /= std::filesystem::path(std::string(part));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return result;
}

std::filesystem::path objectStoreFilePath(const std::filesystem::path& root) {
  return root / "objectstore.sqlite3";
}

std::filesystem::path deviceRootOfStoreFile(const std::filesystem::path& storeFile) {
  const std::filesystem::path root = storeFile.parent_path();
  return root.empty() ? std::filesystem::path(".") : root;
}

std::filesystem::path registryFilePath(const std::filesystem::path& root) { return root / "registry.txt"; }

std::span<const std::string_view> programFileNames() {
  static constexpr std::string_view kNames[] = {
      "objectstore.sqlite3", "objectstore.sqlite3-wal", "objectstore.sqlite3-shm", "objectstore.sqlite3-journal",
      "coinest.lock",        "registry.txt",            "holidays.txt",            "restart-requested",
  };
  return kNames;
}

std::span<const std::string_view> programFolderNames() {
  static constexpr std::string_view kNames[] = {"Windows", "safety", "run"};
  return kNames;
}

}  // namespace coinest
