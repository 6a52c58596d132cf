#pragma once

// Deleting the files of the exchange folder, which the desktop (or anyone who can write there)
// puts in. (They are read through readRegularFile: no link followed, no read that blocks.)

#include <filesystem>

#include "platform/status.h"

namespace coinest {

// Deletes the file (or link) at `file`; ok when it is gone, also when it was never there.
Status removeExchangeFile(const std::filesystem::path& file);

// Deletes every regular file of the folder whose name ends in "._pd_" or "._pc_" (the change files
// of both sides); the first failure is reported, the rest are still tried.
Status removeChangeFiles(const std::filesystem::path& folder);

}  // namespace coinest
