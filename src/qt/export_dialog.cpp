#include "qt/export_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calendar/date_text.h"
#include "qt/qt_style.h"
#include "qt/save_file_chooser.h"

namespace coinest::qt {

namespace {

DateText dateTextOf(QDate date) { return formatDateText(date.year(), date.month(), date.day()); }

QDateEdit* newDateEdit(QDate date, QWidget* parent) {
  auto* edit = new QDateEdit(date, parent);
  edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  edit->setCalendarPopup(true);
  return edit;
}

}  // namespace

ExportDialog::ExportDialog(Book& book, QDate today, QWidget* parent) : QDialog(parent), book_(book) {
  setWindowTitle(QStringLiteral("내보내기"));
  auto* layout = new QVBoxLayout(this);

  auto* formats = new QGroupBox(QStringLiteral("형식"), this);
  auto* formatLayout = new QVBoxLayout(formats);
  csv_ = new QRadioButton(QStringLiteral("CSV 파일 (엑셀, 리브레오피스)"), formats);
  journal_ = new QRadioButton(QStringLiteral("복식부기 저널 (hledger, ledger)"), formats);
  csv_->setChecked(true);
  formatLayout->addWidget(csv_);
  formatLayout->addWidget(journal_);
  layout->addWidget(formats);

  auto* dates = new QGroupBox(QStringLiteral("기간"), this);
  auto* dateLayout = new QFormLayout(dates);
  wholeBook_ = new QCheckBox(QStringLiteral("전체 기간"), dates);
  wholeBook_->setChecked(true);
  first_ = newDateEdit(QDate(today.year(), today.month(), 1), dates);
  last_ = newDateEdit(today, dates);
  dateLayout->addRow(wholeBook_);
  dateLayout->addRow(QStringLiteral("시작일"), first_);
  dateLayout->addRow(QStringLiteral("종료일"), last_);
  const auto enableDates = [this] {
    first_->setEnabled(!wholeBook_->isChecked());
    last_->setEnabled(!wholeBook_->isChecked());
  };
  connect(wholeBook_, &QCheckBox::toggled, this, enableDates);
  enableDates();
  layout->addWidget(dates);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* go = buttons->addButton(QStringLiteral("내보내기…"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("취소"), QDialogButtonBox::RejectRole);
  go->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { chooseFileAndExport(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ExportDialog::setFormat(ExportFormat format) {
  (format == ExportFormat::Journal ? journal_ : csv_)->setChecked(true);
}

void ExportDialog::setDates(std::optional<QDate> first, std::optional<QDate> last) {
  wholeBook_->setChecked(!first && !last);
  if (first) first_->setDate(*first);
  if (last) last_->setDate(*last);
}

ExportFormat ExportDialog::format() const { return journal_->isChecked() ? ExportFormat::Journal : ExportFormat::Csv; }

ExportRange ExportDialog::range() const {
  if (wholeBook_->isChecked()) return {};
  return {dateTextOf(first_->date()), dateTextOf(last_->date())};
}

Status ExportDialog::exportTo(const std::filesystem::path& file, bool quiet) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Status written = exportToFile(book_, format(), range(), file);
  QApplication::restoreOverrideCursor();
  if (!quiet) {
    if (written) {
      QMessageBox::information(this, QStringLiteral("알림"),
                               QStringLiteral("내보내기를 마쳤습니다.\n") + QString::fromStdString(file.string()));
    } else {
      QMessageBox::warning(this, QStringLiteral("오류"), qtText(written.reason()));
    }
  }
  return written;
}

void ExportDialog::chooseFileAndExport() {
  // Dates the export would refuse are said before the user is asked for a file.
  if (const std::optional<std::string> refused = exportRangeRefusal(range())) {
    QMessageBox::warning(this, QStringLiteral("오류"), qtText(*refused));
    return;
  }
  const bool journal = format() == ExportFormat::Journal;
  const std::optional<std::filesystem::path> file = chooseFileToSave(
      this, QStringLiteral("내보낼 파일"), journal ? QStringLiteral("가계부.journal") : QStringLiteral("가계부.csv"),
      journal ? QStringLiteral("저널 (*.journal *.ledger)") : QStringLiteral("CSV 파일 (*.csv)"),
      journal ? QStringLiteral("journal") : QStringLiteral("csv"));
  if (file && exportTo(*file)) accept();
}

}  // namespace coinest::qt
