#include "shell/ini_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "platform/device_root.h"
#include "platform/durable_file.h"

namespace coinest {

namespace {

constexpr std::size_t kIniSize = 8;
constexpr std::size_t kOlderIniSize = 2;

// A two-character field as "%2d" reads it back: blanks around an optional minus and digits.
std::optional<int> parseField(std::string_view field) {
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  std::size_t at = 0;
  while (at < field.size() && field[at] == ' ') ++at;
  bool negative = false;
  if (at < field.size() && field[at] == '-') {
    negative = true;
    ++at;
  }
  if (at == field.size()) return std::nullopt;
  int value = 0;
  for (; at < field.size(); ++at) {
    if (field[at] < '0' || field[at] > '9') return std::nullopt;
    value = value * 10 + (field[at] - '0');
  }
  return negative ? -value : value;
}

char modeOfNumber(int number) {
  switch (number) {
    case 2: return 'W';
    case 3: return 'M';
    default: return 'D';
  }
}

int numberOfMode(char mode) {
  switch (mode) {
    case 'W': return 2;
    case 'M': return 3;
    default: return 1;
  }
}

// The value when it fits a "%2d" field, the default otherwise.
int fitting(int value, int fallback) { return value >= -9 && value <= 99 ? value : fallback; }

std::filesystem::path iniPath(const std::filesystem::path& root) {
  // The device path is a constant and always valid; the fallback only keeps the result total.
  return deviceFilePath(root, kIniDevicePath).value_or(root / "Windows" / "Coinest.ini");
}

}  // namespace

IniState parseIniFile(std::string_view bytes) {
  IniState state;
  if (bytes.size() != kIniSize && bytes.size() != kOlderIniSize) return state;
  const IniState defaults;
  state.latinInput = parseField(bytes.substr(0, 2)).value_or(defaults.latinInput);
  if (bytes.size() == kOlderIniSize) return state;
  state.currentPage = parseField(bytes.substr(2, 2)).value_or(defaults.currentPage);
  state.bookViewMode = modeOfNumber(parseField(bytes.substr(4, 2)).value_or(1));
  state.queryKind = parseField(bytes.substr(6, 2)).value_or(defaults.queryKind);
  return state;
}

std::string iniFileText(const IniState& state) {
  const IniState defaults;
  char text[kIniSize + 1];
  std::snprintf(text, sizeof text, "%2d%2d%2d%2d", fitting(state.latinInput, defaults.latinInput),
                fitting(state.currentPage, defaults.currentPage), numberOfMode(state.bookViewMode),
                fitting(state.queryKind, defaults.queryKind));
  return std::string(text, kIniSize);
}

IniState readIniFile(const std::filesystem::path& root) {
  // A link on the way would have the file read from outside the root: the defaults instead.
  if (!checkNoLinkBelowRoot(root, iniPath(root))) return IniState{};
  const RegularFileOpen opened = openRegularFile(iniPath(root));
  if (opened.status != FileStatus::Ok) return IniState{};
  // At most the eight characters of the file; a longer file is read as its first eight.
  std::string bytes(kIniSize, '\0');
  std::size_t got = 0;
  while (got < kIniSize) {
    const ssize_t n = ::read(opened.fd.get(), bytes.data() + got, kIniSize - got);
    if (n > 0) {
      got += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0) {
      return IniState{};
    } else {
      break;
    }
  }
  bytes.resize(got);
  return parseIniFile(bytes);
}

Status writeIniFile(const std::filesystem::path& root, const IniState& state) {
  const std::filesystem::path file = iniPath(root);
  if (const Status folders = createPrivateFoldersInRoot(root, file.parent_path()); !folders.isOk()) {
    return Status::failure(folders.reason());
  }
  const Status written = replaceFileDurably(FileTarget::inRoot(root, file), iniFileText(state));
  return written.isOk() ? Status::ok() : Status::failure(written.reason());
}

}  // namespace coinest
