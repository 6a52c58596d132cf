#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace coinest {

// The one folder that holds everything the device kept: the object store, the registry file,
// the initialisation file and the exchange folder.
//
// Chosen as: `cliRoot` when given (--root), else $COINEST_ROOT when set and non-empty, else
// $XDG_DATA_HOME/coinest when XDG_DATA_HOME is set to an absolute path, else
// $HOME/.local/share/coinest. The path is returned as given, not made absolute. An empty path
// comes back when --root is given empty or nothing else applies (no HOME); prepareDeviceRoot
// refuses it.
std::filesystem::path resolveDeviceRoot(std::optional<std::string> cliRoot);

struct PrepareRootResult {
  bool ok = false;
  std::string error;  // when not ok: names the folder and the reason
};

// Makes the root usable: creates it and any missing parents (each with mode 0700 whatever the
// umask; an existing root keeps its mode), then checks it is a directory we may read, write and
// enter. Never throws.
PrepareRootResult prepareDeviceRoot(const std::filesystem::path& root);

// Where a device path such as "\Windows\Coinest.ini" lives under `root`: the leading backslash
// is optional, backslashes become slashes and names keep their case; one trailing backslash (a
// folder) is allowed. The device path is UTF-8. Returns nothing for a path that could leave the
// root or is not a plain path: no components at all, a "." or ".." component, an empty
// component (two backslashes in a row), a forward slash or a NUL byte.
std::optional<std::filesystem::path> deviceFilePath(const std::filesystem::path& root,
                                                    std::string_view devicePath);

// The object store's database file: <root>/objectstore.sqlite3.
std::filesystem::path objectStoreFilePath(const std::filesystem::path& root);

// The device root that holds the object store file `storeFile` (objectStoreFilePath's inverse).
std::filesystem::path deviceRootOfStoreFile(const std::filesystem::path& storeFile);

// The file that keeps the registry values: <root>/registry.txt.
std::filesystem::path registryFilePath(const std::filesystem::path& root);

// The names the program keeps directly under the root, whether they are there now or not: the
// book and the files SQLite keeps beside it, the window's lock, the registry, the user's holidays
// and the installer's restart request.
std::span<const std::string_view> programFileNames();

// The folders under the root whose whole content is the program's (or the device system's):
// "Windows" (the initialisation file, the upgrade's files, the exchange folder), "safety" and
// "run".
std::span<const std::string_view> programFolderNames();

}  // namespace coinest
