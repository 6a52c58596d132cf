#pragma once

// Reading and deleting the files of the exchange folder, which the desktop (or anyone who can
// write there) puts in: only regular files are taken, no link is followed and no read blocks.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace coinest {

struct IncomingFile {
  enum class State {
    Read,     // `bytes` holds the whole file
    Missing,  // there is no such file
    Refused,  // not a regular file, larger than allowed, or unreadable: `reason` says which
  };
  State state = State::Missing;
  std::string bytes;
  std::string reason;
};

// Reads the file when it is a regular file (not a link, folder, FIFO or device) of at most
// `maxBytes` bytes.
IncomingFile readIncomingFile(const std::filesystem::path& file, std::size_t maxBytes);

// Deletes the file (or link) at `file`; ok when it is gone, also when it was never there.
Status removeExchangeFile(const std::filesystem::path& file);

// Deletes every regular file of the folder whose name ends in "._pd_" or "._pc_" (the change files
// of both sides); the first failure is reported, the rest are still tried.
Status removeChangeFiles(const std::filesystem::path& folder);

}  // namespace coinest
