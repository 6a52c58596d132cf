#include "cli/settings_command.h"

#include "cli/command_registry.h"
#include "cli/output_line.h"
#include "dialogs/settings_dialog.h"
#include "platform/utf8_text.h"
#include "store/settings_records.h"
#include "store/yes_no_flag.h"

namespace coinest::cli {

namespace {

ConSettings merged(ObjectStore& store, const SettingsChange& change) {
  ConSettings con;
  readConSettings(store, con);
  if (change.loginPrompt) con.loginPrompt = *change.loginPrompt;
  if (change.password) con.password = *change.password;
  if (change.showUsedOnly) con.showUsedOnly = *change.showUsedOnly;
  if (change.settlementStartDay) con.settlementStartDay = std::to_string(*change.settlementStartDay);
  return con;
}

}  // namespace

std::optional<std::string> checkSettingsChange(ObjectStore& store, const SettingsChange& change) {
  // The settings dialog's own check, with the one password given standing in both fields.
  const SettingsForm form = openSettingsForm(merged(store, change), Con2Settings{});
  if (const std::optional<std::string_view> refused = checkSettingsForm(form)) return std::string(*refused);
  return std::nullopt;
}

Status applySettings(ObjectStore& store, const SettingsChange& change, std::ostream& out) {
  TransactionGuard tx(store);
  if (change.loginPrompt || change.password || change.showUsedOnly || change.settlementStartDay) {
    writeConSettings(store, merged(store, change));
  }
  Con2Settings con2;
  readCon2Settings(store, con2);
  if (change.autoCarryOver) {
    con2.autoCarryOver = *change.autoCarryOver;
    writeCon2Settings(store, con2);
  }
  // A write that failed has failed the transaction: nothing is printed as if it had been stored.
  if (Status stored = tx.finish(); !stored) return stored;

  ConSettings con;
  readConSettings(store, con);
  readCon2Settings(store, con2);
  printLine(out, {"loginPrompt", con.loginPrompt});
  printLine(out, {"showUsedOnly", con.showUsedOnly});
  printLine(out, {"settlementStartDay", con.settlementStartDay});
  printLine(out, {"autoCarryOver", con2.autoCarryOver});
  printLine(out, {"carryYear", std::to_string(con2.carryYear)});
  printLine(out, {"carryMonth", std::to_string(con2.carryMonth)});
  return Status::ok();
}

namespace {

const std::vector<std::string> kYesNo = {kYes, kNo};
SettingsChange change;

void configure(CLI::App& app) {
  app.add_option("--login-prompt", change.loginPrompt, "ask for the password at start")->check(CLI::IsMember(kYesNo));
  app.add_option("--password", change.password, "the password (at most 10 characters)")
      ->check([](const std::string& p) {
        return utf8Length(p) <= 10 ? std::string() : std::string("at most 10 characters");
      });
  app.add_option("--show-used-only", change.showUsedOnly, "settle only categories with entries")
      ->check(CLI::IsMember(kYesNo));
  app.add_option("--start-day", change.settlementStartDay, "day a settlement month begins")->check(CLI::Range(1, 28));
  app.add_option("--auto-carry-over", change.autoCarryOver, "offer the cash carry-over each month")
      ->check(CLI::IsMember(kYesNo));
}

const CommandRegistration kSettings{{
    "settings",
    "change and print the settings",
    configure,
    [](CommandContext& c) {
      if (const auto message = checkSettingsChange(c.store(), change)) {
        c.ui.showMessage(*message, MessageCaption::Error);
        return kExitFailed;
      }
      if (Status applied = applySettings(c.store(), change, c.out); !applied) return reportFailure(c, applied);
      return kExitDone;
    },
}};

}  // namespace

}  // namespace coinest::cli
