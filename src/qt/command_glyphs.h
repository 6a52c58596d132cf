#pragma once

// The command bar's images, drawn by the program as small vector glyphs on a 16 by 16 grid.

#include <QIcon>

#include "shell/command_bar_sets.h"

namespace coinest::qt {

QIcon glyphIcon(CommandGlyph glyph, int scale);

}  // namespace coinest::qt
