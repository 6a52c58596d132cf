#include "qt/qt_shell_ui.h"

#include "dialogs/asset_dialog.h"
#include "dialogs/category_dialog.h"
#include "dialogs/entry_dialog.h"
#include "dialogs/query_dialogs.h"
#include "dialogs/reservation_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <iostream>

#include "qt/qt_style.h"
#include "qt/recording_forms.h"
#include "qt/shell_dialogs.h"

namespace coinest::qt {
namespace {

// The calculators of the common desktops, the first found on PATH is started.
constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"};

QString filterOf(const FileChoice& choice) {
  return qtText(choice.filterTitle) + QStringLiteral(" (") + qtText(choice.pattern) + QStringLiteral(")");
}

std::optional<std::filesystem::path> chosenPath(const QString& name, const FileChoice& choice) {
  if (name.isEmpty()) return std::nullopt;
  std::filesystem::path path(name.toStdString());
  if (!choice.defaultExtension.empty() && !path.has_extension()) path += "." + choice.defaultExtension;
  return path;
}

class BarOfDialog : public ProgressBar {
 public:
  explicit BarOfDialog(QProgressBar& bar) : bar_(bar) {}
  void setPosition(int position) override {
    bar_.setValue(position);
    // Lets the bar be painted while the work runs; the user's input waits.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }

 private:
  QProgressBar& bar_;
};

}  // namespace

QWidget* QtShellUi::ownerOfMessages() const {
  // A dialog's model tells its refusals while the dialog's form is open: the box goes over it.
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return window_;
}

void QtShellUi::attach(QWidget* window, std::function<QPoint()> keyMenuPoint) {
  window_ = window;
  keyMenuPoint_ = std::move(keyMenuPoint);
}

QPoint QtShellUi::globalPoint(ScreenPoint at) const {
  const QPoint local(at.x * scale_, at.y * scale_);
  return window_ ? window_->mapToGlobal(local) : local;
}

void QtShellUi::showMessage(std::string_view text, MessageCaption caption) {
  if (screenshotMode_) {
    std::cerr << "coinest: " << captionText(caption) << ": " << text << '\n';
    return;
  }
  QMessageBox box(caption == MessageCaption::Error ? QMessageBox::Critical : QMessageBox::Information,
                  qtText(captionText(caption)), qtText(text), QMessageBox::Ok, ownerOfMessages());
  box.exec();
}

bool QtShellUi::askYesNo(std::string_view text) {
  if (screenshotMode_) return false;
  QMessageBox box(QMessageBox::Question, qtText(captionText(MessageCaption::Question)), qtText(text),
                  QMessageBox::Yes | QMessageBox::No, ownerOfMessages());
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::filesystem::path> QtShellUi::chooseSaveFile(const FileChoice& choice) {
  if (screenshotMode_) return std::nullopt;
  return chosenPath(QFileDialog::getSaveFileName(window_, {}, qtText(choice.proposedName), filterOf(choice)), choice);
}

std::optional<std::filesystem::path> QtShellUi::chooseOpenFile(const FileChoice& choice) {
  if (screenshotMode_) return std::nullopt;
  return chosenPath(QFileDialog::getOpenFileName(window_, {}, {}, filterOf(choice)), choice);
}

bool QtShellUi::runProgressDialog(std::string_view title, int maximum, int position,
                                  const std::function<void(ProgressBar&)>& work) {
  if (screenshotMode_) return false;
  QDialog dialog(window_);
  dialog.setWindowTitle(qtText(title));
  auto* layout = new QVBoxLayout(&dialog);
  auto* heading = new QLabel(qtText(title), &dialog);
  auto* bar = new QProgressBar(&dialog);
  bar->setRange(0, maximum);
  bar->setValue(position);
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* ok = buttons->addButton(QStringLiteral("확인"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("취소"), QDialogButtonBox::RejectRole);
  layout->addWidget(heading);
  layout->addWidget(bar);
  layout->addWidget(buttons);
  bool ran = false;
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
    buttons->setEnabled(false);
    BarOfDialog progress(*bar);
    work(progress);
    ran = true;
    dialog.accept();
  });
  dialog.exec();
  return ran;
}

int QtShellUi::trackPopupMenu(const PopupMenu& menu, std::optional<ScreenPoint> at) {
  QMenu qmenu(window_);
  qmenu.setFont(viewFont(kViewFontPixels, false, scale_));
  for (const PopupItem& item : menu.items) {
    if (item.command == 0) {
      qmenu.addSeparator();
      continue;
    }
    QAction* action = qmenu.addAction(qtText(item.text));
    action->setData(item.command);
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
  }
  QPoint where;
  if (at) {
    where = globalPoint(*at);
  } else if (window_ && keyMenuPoint_) {
    where = window_->mapToGlobal(keyMenuPoint_());
  }
  QAction* chosen = execMenu(qmenu, where);
  return chosen ? chosen->data().toInt() : 0;
}

QAction* QtShellUi::execMenu(QMenu& menu, QPoint at) { return screenshotMode_ ? nullptr : menu.exec(at); }

void QtShellUi::runLoginDialog(LoginDialog& dialog) {
  if (screenshotMode_) {
    loginWanted_ = true;
    dialog.pressCancel();
    return;
  }
  execLoginDialog(window_, dialog, scale_);
}

void QtShellUi::runSettingsDialog(SettingsDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execSettingsDialog(window_, dialog, scale_);
}

void QtShellUi::runYearMonthDialog(YearMonthDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execYearMonthDialog(window_, dialog, scale_);
}

void QtShellUi::showAboutBox() {
  if (!screenshotMode_) execAboutBox(window_, scale_);
}

void QtShellUi::runEntryDialog(EntryDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execEntryForm(window_, dialog, scale_, [this] { startCalculator(); });
}

void QtShellUi::runAssetDialog(AssetDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execAssetForm(window_, dialog, scale_, [this] { startCalculator(); });
}

void QtShellUi::runCategoryDialog(CategoryDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execCategoryForm(window_, dialog, scale_);
}

void QtShellUi::runReservationDialog(ReservationDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execReservationForm(window_, dialog, scale_, [this] { startCalculator(); });
}

void QtShellUi::runBooksQueryDialog(BooksQueryDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execBooksQueryForm(window_, dialog, scale_);
}

void QtShellUi::runCardQueryDialog(CardQueryDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execCardQueryForm(window_, dialog, scale_);
}

void QtShellUi::runAccountQueryDialog(AccountQueryDialog& dialog) {
  if (screenshotMode_) return dialog.pressCancel();
  execAccountQueryForm(window_, dialog, scale_);
}

void QtShellUi::startCalculator() {
  for (const char* name : kCalculators) {
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
  }
}

void QtShellUi::setWaitCursor(bool waiting) {
  if (waiting == waiting_) return;
  waiting_ = waiting;
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace coinest::qt
