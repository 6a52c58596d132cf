#include "cli/settings_command.h"

#include "platform/utf8_text.h"
#include "store/settings_records.h"

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
  const ConSettings con = merged(store, change);
  if (con.loginPrompt == "Y" && utf8Length(con.password) < 4) {
    return std::string("비밀번호는 최소 4자리이상 입력해야 합니다");
  }
  return std::nullopt;
}

void applySettings(ObjectStore& store, const SettingsChange& change, std::ostream& out) {
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
  tx.commit();

  ConSettings con;
  readConSettings(store, con);
  readCon2Settings(store, con2);
  out << "loginPrompt\t" << con.loginPrompt << '\n'
      << "showUsedOnly\t" << con.showUsedOnly << '\n'
      << "settlementStartDay\t" << con.settlementStartDay << '\n'
      << "autoCarryOver\t" << con2.autoCarryOver << '\n'
      << "carryYear\t" << con2.carryYear << '\n'
      << "carryMonth\t" << con2.carryMonth << '\n';
}

}  // namespace coinest::cli
