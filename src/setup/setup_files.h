#pragma once

// The few file services the install library needs, kept here because the library links nothing
// of the program. They follow the program's rules: the same device root, everything under it
// the user's alone (files 0600, folders 0700 whatever the umask), every file replaced whole.

#include <filesystem>
#include <string>
#include <string_view>

namespace coinest::setup {

// The device root: $COINEST_ROOT when set and non-empty, else $XDG_DATA_HOME/coinest when that is
// an absolute path, else $HOME/.local/share/coinest; empty when none of these applies.
std::filesystem::path deviceRoot();

// A device path such as "\Windows\Start Menu" under `root`: backslashes become slashes, names
// keep their case. The path is one of the library's own constants, so it needs no checking.
std::filesystem::path underRoot(const std::filesystem::path& root, std::string_view devicePath);

struct SetupFileResult {
  bool ok = true;
  std::string reason;  // when not ok: what failed, with the system's reason
};

// Makes `folder` and its missing parents, each 0700.
SetupFileResult makePrivateFolders(const std::filesystem::path& folder);

// Replaces `target` with `content`: a new 0600 file beside it is written, synced and renamed over
// it, then the folder is synced. The target's folder is made when missing.
SetupFileResult replaceFile(const std::filesystem::path& target, std::string_view content);

// Deletes `target`; a file that is not there counts as deleted.
SetupFileResult removeFile(const std::filesystem::path& target);

}  // namespace coinest::setup
