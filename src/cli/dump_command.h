#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/object_store.h"

namespace coinest::cli {

// Prints the named tables (all twelve when none is named) as JSON Lines, one record a line:
// {"table":NAME,"1":...}, properties in ascending number, tables in catalogue order and records
// by their key. Returns false (printing nothing) when a name is not one of the book's tables.
bool dumpTables(ObjectStore& store, const std::vector<std::string>& names, std::ostream& out, std::string* error);

}  // namespace coinest::cli
