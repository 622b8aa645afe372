#include "support/Dialogs.h"

#include "ui/widgets/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

void onNextDialog(const char* objectName, std::function<void(QDialog&)> work)
{
    Modal::setNextHandler(
        [name = QString::fromLatin1(objectName), work = std::move(work)](QDialog& dialog) {
            ASSERT_EQ(dialog.objectName(), name);
            work(dialog);
        });
}

void clickButton(const QWidget& window, const char* name)
{
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

void typeText(QWidget* box, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(box))
        box = combo->lineEdit();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    insertText(box, text);
}

void insertText(QWidget* box, const QString& text)
{
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QCoreApplication::sendEvent(box, &typed);
}

void typeText(const QWidget& window, const char* box, const QString& text)
{
    typeText(control<QWidget>(window, box), text);
}

QString textOf(const QWidget& window, const char* box)
{
    const QWidget* found = control<QWidget>(window, box);
    if (const auto* line = qobject_cast<const QLineEdit*>(found))
        return line->text();
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(found))
        return lines->toPlainText();
    return qobject_cast<const QComboBox*>(found)->currentText();
}

bool isTicked(const QWidget& window, const char* checkBox)
{
    return control<QCheckBox>(window, checkBox)->isChecked();
}

QStringList entriesOf(const QListWidget* list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names.append(list->item(row)->text());
    return names;
}

int selectedEntry(const QListWidget* list)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            return row;
    }
    return -1;
}

void clickEntry(QListWidget* list, int row, Qt::KeyboardModifiers modifiers)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
}
