#include "dialogs/settings_dialog.h"

#include <gtest/gtest.h>

#include "store/settings_records.h"
#include "support/book_fixture.h"

namespace coinest {
namespace {

TEST(SettingsDialog, OpensOnTheStoredSettings) {
  const std::vector<std::string> days = settlementStartDayTexts();
  ASSERT_EQ(days.size(), 28u);
  EXPECT_EQ(days.front(), "1일");
  EXPECT_EQ(days.back(), "28일");

  const SettingsForm stored = openSettingsForm(ConSettings{"Y", "pass", "Y", "25"}, Con2Settings{"Y", 2007, 3});
  EXPECT_TRUE(stored.loginPrompt);
  EXPECT_TRUE(stored.passwordFieldsEnabled());
  EXPECT_EQ(stored.password, "pass");
  EXPECT_EQ(stored.confirmation, "pass");
  EXPECT_TRUE(stored.showUsedOnly);
  EXPECT_EQ(stored.startDayIndex, 24);
  EXPECT_TRUE(stored.autoCarryOver);

  for (const char* day : {"1", "0", "29", "", "x", "-3"}) {
    EXPECT_EQ(openSettingsForm(ConSettings{"N", "", "N", day}, Con2Settings{}).startDayIndex, 0) << day;
  }
  EXPECT_FALSE(openSettingsForm(ConSettings{}, Con2Settings{}).passwordFieldsEnabled());
}

TEST(SettingsDialog, ChecksThePasswordOnlyWhenThePromptIsOn) {
  struct Case {
    const char* name;
    bool prompt;
    std::string password;
    std::string confirmation;
    std::optional<std::string_view> message;
  };
  const Case cases[] = {
      {"prompt off, two characters", false, "ab", "", std::nullopt},
      {"prompt on, three characters", true, "abc", "abc", kPasswordTooShortMessage},
      {"prompt on, four Hangul characters", true, "가나다라", "가나다라", std::nullopt},
      {"prompt on, mismatch", true, "1234", "1235", kPasswordMismatchMessage},
      {"prompt on, equal in their first ten characters", true, "0123456789a", "0123456789b", std::nullopt},
  };
  for (const Case& c : cases) {
    SettingsForm form;
    form.loginPrompt = c.prompt;
    form.password = c.password;
    form.confirmation = c.confirmation;
    EXPECT_EQ(checkSettingsForm(form), c.message) << c.name;
  }
}

TEST(SettingsDialog, SaveWritesBothRecordsOrNothing) {
  testing::BookFixture fx;
  ASSERT_TRUE(writeCon2Settings(fx.store(), Con2Settings{"N", 2007, 2}));
  SettingsForm form;
  form.loginPrompt = true;
  form.password = "1234";
  form.confirmation = "1235";
  form.startDayIndex = 4;
  form.autoCarryOver = true;

  SettingsSaveResult refused = saveSettingsForm(fx.store(), fx.ui, form);
  EXPECT_EQ(refused.outcome, SettingsSave::Refused);
  ASSERT_EQ(fx.ui.messages.size(), 1u);
  EXPECT_EQ(fx.ui.messages[0].text, kPasswordMismatchMessage);
  EXPECT_EQ(fx.ui.messages[0].caption, MessageCaption::Error);
  ConSettings con;
  readConSettings(fx.store(), con);
  EXPECT_EQ(con.loginPrompt, "N") << "nothing written";

  form.confirmation = "1234";
  const SettingsSaveResult saved = saveSettingsForm(fx.store(), fx.ui, form);
  EXPECT_EQ(saved.outcome, SettingsSave::Saved) << saved.status.reason();
  readConSettings(fx.store(), con);
  EXPECT_EQ(con.loginPrompt, "Y");
  EXPECT_EQ(con.password, "1234");
  EXPECT_EQ(con.showUsedOnly, "N");
  EXPECT_EQ(con.settlementStartDay, "5");
  Con2Settings con2;
  readCon2Settings(fx.store(), con2);
  EXPECT_EQ(con2.autoCarryOver, "Y");
  EXPECT_EQ(con2.carryYear, 2007) << "the offered month is kept";
  EXPECT_EQ(con2.carryMonth, 2);
  EXPECT_EQ(saved.con.settlementStartDay, "5");

  // The prompt off: the first field's text is stored as the password all the same.
  form.loginPrompt = false;
  form.password = "ab";
  EXPECT_EQ(saveSettingsForm(fx.store(), fx.ui, form).outcome, SettingsSave::Saved);
  readConSettings(fx.store(), con);
  EXPECT_EQ(con.loginPrompt, "N");
  EXPECT_EQ(con.password, "ab");
}

}  // namespace
}  // namespace coinest
