#include "dialogs/login_dialog.h"

#include <gtest/gtest.h>

#include "support/book_fixture.h"

namespace coinest {
namespace {

TEST(LoginDialog, AskedOnlyWhenThePromptIsOnAndAPasswordIsSet) {
  EXPECT_TRUE(loginRequired(ConSettings{"Y", "1234", "N", "1"}));
  EXPECT_FALSE(loginRequired(ConSettings{"Y", "", "N", "1"})) << "the prompt with an empty password";
  EXPECT_FALSE(loginRequired(ConSettings{"N", "1234", "N", "1"}));
  EXPECT_FALSE(loginRequired(ConSettings{"", "1234", "N", "1"})) << "only Y is yes";
}

TEST(LoginDialog, ThreeWrongPasswordsCloseItAndTheRightOnePasses) {
  struct Case {
    const char* name;
    std::vector<std::string> typed;
    bool passed;
    bool closed;
    int messages;
  };
  const Case cases[] = {
      {"right at once", {"abcd"}, true, true, 0},
      {"right on the third try", {"x", "ABCD", "abcd"}, true, true, 2},
      {"three wrong", {"x", "y", "abc"}, false, true, 3},
      {"two wrong: still open", {"x", "y"}, false, false, 2},
  };
  for (const Case& c : cases) {
    testing::ScriptedUiPort ui;
    LoginDialog dialog("abcd", ui);
    for (const std::string& typed : c.typed) dialog.pressOk(typed);
    EXPECT_EQ(dialog.passed(), c.passed) << c.name;
    EXPECT_EQ(dialog.closed(), c.closed) << c.name;
    ASSERT_EQ(ui.messages.size(), static_cast<std::size_t>(c.messages)) << c.name;
    for (const auto& m : ui.messages) {
      EXPECT_EQ(m.text, kWrongPasswordMessage);
      EXPECT_EQ(m.caption, MessageCaption::Notice);
    }
  }
  // A longer typed text is compared by its first ten characters.
  testing::ScriptedUiPort ui;
  LoginDialog dialog("0123456789", ui);
  dialog.pressOk("0123456789extra");
  EXPECT_TRUE(dialog.passed());

  LoginDialog cancelled("abcd", ui);
  cancelled.pressCancel();
  EXPECT_TRUE(cancelled.closed());
  EXPECT_FALSE(cancelled.passed());
}

}  // namespace
}  // namespace coinest
