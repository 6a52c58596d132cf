#pragma once

// The detail panel the books, assets and query pages share: four caption lines and a note.

#include <array>
#include <string>

#include "shell/screen.h"

namespace coinest {

using DetailLines = std::array<std::string, 5>;

// Writes the four lines into the panel's captions and the fifth into its note field.
void showDetailLines(Screen& screen, const DetailLines& lines);

}  // namespace coinest
