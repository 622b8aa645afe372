#pragma once

#include "ui/ControlNames.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

class QDialog;
class QListWidget;

// Working the program's dialogs as the user does, controls found by their names (ControlNames.h).

// Queues work for the next dialog the program opens; the test fails unless it is the one named.
// The dialog is closed (rejected) after the work unless the work closed it.
void onNextDialog(const char* objectName, std::function<void(QDialog&)> work);

// A control of a window by its name; fails the test when there is none.
template <typename Control> Control* control(const QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A push button, check box or option button.
void clickButton(const QWidget& window, const char* name);
// Replaces the text of a box as the user selects all and types (through the input method, as
// Chinese is typed).
void typeText(QWidget* box, const QString& text);
void typeText(const QWidget& window, const char* box, const QString& text);
// Types text where the box's cursor stands (through the input method).
void insertText(QWidget* box, const QString& text);
// The text of a box: line edit, several-line box or combo box.
QString textOf(const QWidget& window, const char* box);
bool isTicked(const QWidget& window, const char* checkBox);

// A list box's entries, the selected one, and a click on an entry.
QStringList entriesOf(const QListWidget* list);
int selectedEntry(const QListWidget* list); // the first selected, or -1
void clickEntry(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {});
