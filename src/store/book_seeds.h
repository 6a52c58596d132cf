#pragma once

// What a new book starts with: the built-in categories and the holiday rows.

#include "platform/object_store.h"

namespace coinest {

// Writes the 17 major and 79 minor categories with their fixed ids 1 to 17 and 1 to 79.
// REQUIRES: both category tables exist and are empty.
void seedCategories(ObjectStore& store);

// Writes the 76 holiday rows of 2005 to 2009 in ascending row number.
// REQUIRES: "CoinestRest" exists and is empty.
void seedHolidays(ObjectStore& store);

}  // namespace coinest
