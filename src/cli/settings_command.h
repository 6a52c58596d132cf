#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "platform/object_store.h"

namespace coinest::cli {

// What `coinest-cli settings` was given; unset fields keep their stored values.
struct SettingsChange {
  std::optional<std::string> loginPrompt;     // "Y" or "N"
  std::optional<std::string> password;        // at most 10 characters
  std::optional<std::string> showUsedOnly;    // "Y" or "N"
  std::optional<int> settlementStartDay;      // 1 to 28
  std::optional<std::string> autoCarryOver;   // "Y" or "N"
};

// The settings dialog's check: with the login prompt on, the password needs 4 characters.
// Returns the message the dialog shows, or nothing when the change may be saved.
std::optional<std::string> checkSettingsChange(ObjectStore& store, const SettingsChange& change);

// Writes what is given (as the settings dialog does), then prints name<TAB>value lines.
Status applySettings(ObjectStore& store, const SettingsChange& change, std::ostream& out);

}  // namespace coinest::cli
