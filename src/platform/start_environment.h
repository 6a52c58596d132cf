#pragma once

// What both programs (the window and coinest-cli) settle before opening the book: the clock
// (--today, else COINEST_TODAY, else the system's) and the device root, resolved and prepared.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/clock.h"

namespace coinest {

struct StartEnvironment {
  std::filesystem::path root;  // prepared: it exists and we may read, write and enter it
  std::unique_ptr<Clock> clock;
};

enum class StartEnvironmentError {
  None,
  Usage,  // --today or COINEST_TODAY is not a date of the form YYYY-MM-DD
  Root,   // the device root could not be made usable
};

struct StartEnvironmentResult {
  std::optional<StartEnvironment> environment;  // set exactly when `error` is None
  StartEnvironmentError error = StartEnvironmentError::None;
  std::string message;  // when failed: what to tell the user, one line
};

// `rootOption` and `todayOption` as given on the command line (nothing when absent).
StartEnvironmentResult prepareStartEnvironment(const std::optional<std::string>& rootOption,
                                               const std::optional<std::string>& todayOption);

}  // namespace coinest
