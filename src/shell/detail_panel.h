#pragma once

// The detail panel the books, assets and query pages share: four caption lines and a note.

#include <array>
#include <cstdint>
#include <string>

#include "platform/status.h"
#include "shell/screen.h"
#include "store/book.h"

namespace coinest {

using DetailLines = std::array<std::string, 5>;

// Writes the four lines into the panel's captions and the fifth into its note field.
void showDetailLines(Screen& screen, const DetailLines& lines);

// The five detail lines of the entry; all empty when the book no longer has it (0 included).
// Returns the read's outcome: a failed read shows empty lines and says why.
Status fillEntryDetailPanel(Screen& screen, Book& book, int32_t entryId);

}  // namespace coinest
