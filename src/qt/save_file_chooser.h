#pragma once

// The file chooser of the window's own saves (a chart picture, an export). The chooser adds the
// suffix to a name typed without one before it asks about replacing a file, so the question
// covers the file that will really be written.

#include <QString>

#include <filesystem>
#include <optional>

class QWidget;

namespace coinest::qt {

// Nothing when the user cancelled. `suffix` without its dot ("png").
std::optional<std::filesystem::path> chooseFileToSave(QWidget* parent, const QString& title, const QString& proposedName,
                                                      const QString& filter, const QString& suffix);

}  // namespace coinest::qt
