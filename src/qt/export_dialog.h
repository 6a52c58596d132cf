#pragma once

// The window's export: the format (a spreadsheet file or a journal), the dates it covers (the
// whole book, or from one day to another), then a file chooser. The export itself is the
// command line's (export/export_file.h); this only asks.

#include <QDate>
#include <QDialog>

#include <filesystem>

#include "export/export_file.h"

class QCheckBox;
class QDateEdit;
class QRadioButton;

namespace coinest {
struct Book;
}

namespace coinest::qt {

class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  // The dates offered for a part of the book run from the 1st of `today`'s month to `today`.
  ExportDialog(Book& book, QDate today, QWidget* parent = nullptr);

  void setFormat(ExportFormat format);
  void setDates(std::optional<QDate> first, std::optional<QDate> last);  // nothing: the whole book
  ExportFormat format() const;
  ExportRange range() const;

  // Writes the export as chosen to `file`; the result tells the user (a message box) unless
  // `quiet`.
  Status exportTo(const std::filesystem::path& file, bool quiet = false);

 private:
  void chooseFileAndExport();

  Book& book_;
  QRadioButton* csv_ = nullptr;
  QRadioButton* journal_ = nullptr;
  QCheckBox* wholeBook_ = nullptr;
  QDateEdit* first_ = nullptr;
  QDateEdit* last_ = nullptr;
};

}  // namespace coinest::qt
