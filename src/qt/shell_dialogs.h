#pragma once

// The shell's modal dialogs over their models: each runs until its model says it is closed.
// The dialogs only copy what their controls hold into the model and press its buttons.

#include <QWidget>

#include "dialogs/login_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/year_month_dialog.h"

namespace coinest::qt {

void execLoginDialog(QWidget* parent, LoginDialog& model, int scale);
void execSettingsDialog(QWidget* parent, SettingsDialog& model, int scale);
void execYearMonthDialog(QWidget* parent, YearMonthDialog& model, int scale);
void execAboutBox(QWidget* parent, int scale);

}  // namespace coinest::qt
