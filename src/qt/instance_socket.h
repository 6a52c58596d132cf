#pragma once

// Where the window's single-copy socket lives, and whether a socket file found there is trusted.
//
// The socket is the user's alone. It lives in $XDG_RUNTIME_DIR when that names an absolute folder
// of the user's that nobody else may enter, else in the folder `run` of the device root, made 0700
// here and refused when it is a link or another user's. A socket file is trusted (connected to by
// a second copy, or removed by the first as a leftover of a copy that died) only when it is a
// socket that belongs to this user; anything else at its name is left as it is.

#include <filesystem>
#include <string>

namespace coinest::qt {

struct SocketPlace {
  std::filesystem::path path;  // the socket's full path; empty when there is no private place
  std::string reason;          // when empty: why, one line
};

// The value of XDG_RUNTIME_DIR, empty when it is not set.
std::string runtimeDirFromEnvironment();

// The socket's path for `root` (an absolute path), in `runtimeDir` when that is usable (see
// above), else in `<root>/run`, which is created (0700, following no link) or made 0700.
SocketPlace prepareSocketPlace(const std::filesystem::path& root, const std::string& runtimeDir);

enum class SocketFileState {
  Missing,  // nothing has the name
  Own,      // a socket of this user's
  Refused,  // something else: another user's socket, a file, a link, a folder (see the reason)
};

struct SocketFileCheck {
  SocketFileState state = SocketFileState::Refused;
  std::string reason;  // when Refused: the path and why
};

// Looks at `path` itself, never through a link.
SocketFileCheck checkSocketFile(const std::filesystem::path& path);

}  // namespace coinest::qt
