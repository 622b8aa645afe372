#include "ListEditorDriver.h"

#include "platform/Modal.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

void runListEditor(MainForm& form, void (MainForm::*command)(),
                   const std::function<void(SetForm&)>& work)
{
    bool opened = false;
    Modal::setNextHandler([&](QDialog& dialog) {
        opened = true;
        auto* editor = qobject_cast<SetForm*>(&dialog);
        ASSERT_NE(editor, nullptr);
        work(*editor);
    });
    (form.*command)();
    EXPECT_TRUE(opened);
}

void clickButton(SetForm& editor, const char* name)
{
    auto* button = editor.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void selectEntry(SetForm& editor, int row)
{
    editor.List1()->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

QStringList entriesOf(const SetForm& editor)
{
    QStringList names;
    for (int row = 0; row < editor.List1()->count(); ++row)
        names.append(editor.List1()->item(row)->text());
    return names;
}

int selectedEntry(const SetForm& editor)
{
    const QList<QListWidgetItem*> selected = editor.List1()->selectedItems();
    return selected.isEmpty() ? -1 : editor.List1()->row(selected.first());
}

LoanRecord loan(const QString& category, const QString& direction, const QString& borrower,
                const QString& content)
{
    return {QStringLiteral("2024/03/01"),
            direction,
            category,
            borrower,
            content,
            QString(),
            QString(),
            Texts::NotReturned};
}
