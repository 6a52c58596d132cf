#include "cli/dump_command.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/command_registry.h"
#include "store/table_catalogue.h"

namespace coinest::cli {

bool dumpTables(ObjectStore& store, const std::vector<std::string>& names, std::ostream& out, std::string* error) {
  for (const std::string& name : names) {
    if (findTableDef(name) == nullptr) {
      *error = "unknown table \"" + name + "\"";
      return false;
    }
  }
  for (const TableDef& def : bookTables()) {
    if (!names.empty() && std::find(names.begin(), names.end(), def.name) == names.end()) continue;
    TableHandle table = store.openTable(def.name, def.key);
    if (!table) continue;
    for (RecordId r = table.seek(SeekMode::SeekFromFirst, 0); r != 0; r = table.seek(SeekMode::SeekFromCurrent, 1)) {
      nlohmann::ordered_json line;
      line["table"] = def.name;
      for (const PropValue& p : table.readAllProps()) {
        const std::string key = std::to_string(propNumber(p.id));
        if (isTextProp(p.id)) {
          line[key] = p.text;
        } else {
          line[key] = p.intValue;
        }
      }
      // A damaged text must not stop the dump: invalid UTF-8 is shown as U+FFFD.
      out << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    }
  }
  return true;
}

namespace {

std::vector<std::string> tableNames;

const CommandRegistration kDump{{
    "dump",
    "print the tables as JSON Lines",
    [](CLI::App& app) { app.add_option("TABLE", tableNames, "tables to print (default: all)"); },
    [](CommandContext& c) {
      std::string error;
      if (!dumpTables(c.store(), tableNames, c.out, &error)) {
        c.err << "dump: " << error << "\n";
        return kExitUsage;
      }
      return kExitDone;
    },
    true,
}};

}  // namespace

}  // namespace coinest::cli
