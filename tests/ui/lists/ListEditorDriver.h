#pragma once

#include "ui/lists/SetForm.h"
#include "ui/main/MainForm.h"

#include <QStringList>

#include <functional>

// Runs one of the main window's list commands and works the editor it opens while it is open.
// Fails the test when no editor opened.
void runListEditor(MainForm& form, void (MainForm::*command)(),
                   const std::function<void(SetForm&)>& work);

// The editor's controls, worked as the user would.
void clickButton(SetForm& editor, const char* name);
void selectEntry(SetForm& editor, int row);
QStringList entriesOf(const SetForm& editor);
// The selected entry's row, or -1.
int selectedEntry(const SetForm& editor);

// A record that differs from others only in the fields a test looks at.
LoanRecord loan(const QString& category, const QString& direction = Texts::LentOut,
                const QString& borrower = QStringLiteral("王小明"),
                const QString& content = QStringLiteral("雨傘"));
