#pragma once

// The category lists an entry, a reservation or a query is made from: the major categories of a
// kind and the minor categories in use under one of them.

#include <cstdint>
#include <string_view>

#include "dialogs/choice_list.h"
#include "store/book.h"

namespace coinest {

// The major categories of a kind (entry_kind.h) in their order, behind each its majorId; the
// first selected.
ChoiceList majorChoices(Book& book, std::string_view itemKind);
// The minor categories in use of a major, in their order, behind each its minorId; the first
// selected.
ChoiceList inUseMinorChoices(Book& book, int32_t majorId);

// Selects the item `text`; a list that lacks it (a category deleted, or no longer in use, since
// the record was made) gets it appended, with id 0, and selected.
void selectOrAppend(ChoiceList& list, std::string_view text);

}  // namespace coinest
