#include "qt/save_file_chooser.h"

#include <QFileDialog>

namespace coinest::qt {

std::optional<std::filesystem::path> chooseFileToSave(QWidget* parent, const QString& title, const QString& proposedName,
                                                      const QString& filter, const QString& suffix) {
  QFileDialog chooser(parent, title, proposedName, filter);
  chooser.setAcceptMode(QFileDialog::AcceptSave);
  chooser.setDefaultSuffix(suffix);
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(chooser.selectedFiles().front().toStdString());
}

}  // namespace coinest::qt
