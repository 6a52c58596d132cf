// The login dialog as the window runs it at start: the typed password opens the book, Cancel
// ends the start.

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "qt/window_session.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace coinest::qt {
namespace {

class LoginAtStart : public ::testing::Test {
 protected:
  void SetUp() override {
    const testing::CliRun set = testing::runCli(
        {"--root", root_.path().string(), "settings", "--login-prompt", "Y", "--password", "4321"}, scratch_.path(),
        "COINEST_TODAY=2007-03-05");
    ASSERT_EQ(set.status, 0) << set.err;
  }

  // Starts the window with real dialogs; `answer` acts on the login dialog once it is shown.
  StartResult startAnswering(const std::function<void(QWidget& dialog)>& answer) {
    WindowOptions options;
    options.root = root_.path();
    options.clock = &clock_;
    session_ = std::make_unique<WindowSession>(options, std::make_unique<QtShellUi>(1, false));
    bool answered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      // The first start's upgrade notices come before the login: each is acknowledged.
      if (auto* notice = qobject_cast<QMessageBox*>(dialog)) return notice->accept();
      if (!answered) {
        answered = true;
        answer(*dialog);
      }
    });
    poll.start(10);
    const StartResult started = session_->start();
    EXPECT_TRUE(answered) << "the login dialog was shown";
    return started;
  }

  static QPushButton* button(QWidget& dialog, QDialogButtonBox::ButtonRole role) {
    for (QAbstractButton* found : dialog.findChild<QDialogButtonBox*>()->buttons()) {
      if (dialog.findChild<QDialogButtonBox*>()->buttonRole(found) == role) return static_cast<QPushButton*>(found);
    }
    return nullptr;
  }

  testing::TempDir root_;
  testing::TempDir scratch_;
  FixedDateClock clock_{2007, 3, 5};
  std::unique_ptr<WindowSession> session_;
};

TEST_F(LoginAtStart, TheRightPasswordOpensTheBook) {
  const StartResult started = startAnswering([](QWidget& dialog) {
    QLineEdit* password = dialog.findChild<QLineEdit*>();
    ASSERT_NE(password, nullptr);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(password->maxLength(), 10);
    password->setText(QStringLiteral("4321"));
    button(dialog, QDialogButtonBox::AcceptRole)->click();
  });
  EXPECT_EQ(started.outcome, StartOutcome::Running);
  EXPECT_NE(session_->window(), nullptr);
}

TEST_F(LoginAtStart, CancelEndsTheStart) {
  const StartResult started =
      startAnswering([](QWidget& dialog) { button(dialog, QDialogButtonBox::RejectRole)->click(); });
  EXPECT_EQ(started.outcome, StartOutcome::LoginRefused);
  EXPECT_EQ(session_->window(), nullptr);
}

}  // namespace
}  // namespace coinest::qt
