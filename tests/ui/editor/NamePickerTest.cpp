#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/widgets/Modal.h"

#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList kItems{"鉛筆", "", "原子筆", "Pen", "尺", "鉛筆", "pencil"};
const QStringList kBorrowers{"王小明", "李大同", "陳美玲"};

class NamePicker : public ::testing::Test
{
protected:
    void SetUp() override
    {
        h.writeListFile(DataFiles::Items, kItems);
        h.writeListFile(DataFiles::Borrowers, kBorrowers);
        h.start();
    }

    // Opens the record editor holding a content and a borrower, presses one of its pick buttons,
    // lets pick() work the pick dialog, and gives the editor's content and borrower afterwards.
    std::pair<QString, QString> pickWith(const char* button,
                                         const std::function<void(QDialog&, QListWidget*)>& pick)
    {
        std::pair<QString, QString> boxes;
        onNextDialog(RecordEditorControls::dialog, [&](QDialog& editor) {
            typeText(editor, RecordEditorControls::contentBox, "舊內容");
            typeText(editor, RecordEditorControls::borrowerBox, "舊借用人");
            clickButton(editor, button);
            boxes = {textOf(editor, RecordEditorControls::contentBox),
                     textOf(editor, RecordEditorControls::borrowerBox)};
        });
        onNextDialog(NamePickerControls::dialog, [&](QDialog& picker) {
            pick(picker, control<QListWidget>(picker, NamePickerControls::list));
        });
        h.trigger(MainMenuItems::newRecord);
        EXPECT_EQ(Modal::pendingHandlers(), 0);
        return boxes;
    }
    std::pair<QString, QString> pickItems(const std::function<void(QDialog&, QListWidget*)>& pick)
    {
        return pickWith(RecordEditorControls::pickItemsButton, pick);
    }
    std::pair<QString, QString>
    pickBorrower(const std::function<void(QDialog&, QListWidget*)>& pick)
    {
        return pickWith(RecordEditorControls::pickBorrowerButton, pick);
    }

    WindowHarness h;
};

TEST_F(NamePicker, OpensWithTheWholeListItsButtonNames)
{
    QString title, focus;
    QStringList shown;
    pickItems([&](QDialog& d, QListWidget* list) {
        title = d.windowTitle();
        shown = entriesOf(list);
        focus = d.focusWidget()->objectName();
    });
    EXPECT_EQ(title, "物品清單");
    EXPECT_EQ(shown, kItems);
    EXPECT_EQ(focus, NamePickerControls::list);

    pickBorrower([&](QDialog& d, QListWidget* list) {
        title = d.windowTitle();
        shown = entriesOf(list);
    });
    EXPECT_EQ(title, "借用人名單");
    EXPECT_EQ(shown, kBorrowers);
}

TEST_F(NamePicker, SearchKeepsListOrderIsCaseSensitiveAndSkipsEmptyEntries)
{
    QStringList found, lower, empty, all;
    QString kept;
    pickItems([&](QDialog& d, QListWidget* list) {
        auto search = [&](const QString& text) {
            typeText(d, NamePickerControls::searchBox, text);
            clickButton(d, NamePickerControls::searchButton);
            return entriesOf(list);
        };
        found = search("筆");
        lower = search("pen");
        empty = search("");
        search("筆");
        clickButton(d, NamePickerControls::clearSearchButton);
        all = entriesOf(list);
        kept = textOf(d, NamePickerControls::searchBox);
    });
    EXPECT_EQ(found, QStringList({"鉛筆", "原子筆", "鉛筆"}));
    EXPECT_EQ(lower, QStringList({"pencil"}));
    QStringList nonEmpty = kItems;
    nonEmpty.removeAll(QString());
    EXPECT_EQ(empty, nonEmpty);
    EXPECT_EQ(all, kItems);
    EXPECT_EQ(kept, "筆");
}

TEST_F(NamePicker, SelectedItemsJoinInRowOrderWithoutATrailingLineBreak)
{
    const auto [content, borrower] = pickItems([](QDialog& d, QListWidget* list) {
        clickEntry(list, 4);
        clickEntry(list, 0, Qt::ControlModifier);
        clickEntry(list, 2, Qt::ControlModifier);
        clickButton(d, NamePickerControls::okButton);
    });
    EXPECT_EQ(content, "鉛筆\n原子筆\n尺");
    EXPECT_EQ(borrower, "舊借用人");
}

TEST_F(NamePicker, TheBorrowerIsTheRowLastClickedSelectedOrNot)
{
    // Every click but the first holds Ctrl: several rows selected, or the row clicked last taken
    // out of the selection again; either way that row is taken.
    for (const QList<int>& rows : {QList<int>{0, 2, 1}, QList<int>{1, 1}}) {
        const auto [content, borrower] = pickBorrower([&](QDialog& d, QListWidget* list) {
            for (qsizetype i = 0; i < rows.size(); ++i)
                clickEntry(list, rows[i], i ? Qt::ControlModifier : Qt::NoModifier);
            clickButton(d, NamePickerControls::okButton);
        });
        EXPECT_EQ(borrower, "李大同");
        EXPECT_EQ(content, "舊內容");
    }
    bool closed = false;
    const auto doubleClicked = pickBorrower([&](QDialog& d, QListWidget* list) {
        const QPoint centre = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        closed = !d.isVisible();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(doubleClicked.second, "陳美玲");
}

TEST_F(NamePicker, NothingChosenOrCancelLeavesTheEditorAsItWas)
{
    EXPECT_EQ(pickItems([](QDialog& d, QListWidget*) {
                  clickButton(d, NamePickerControls::okButton);
              }).first,
              "舊內容");
    EXPECT_EQ(pickItems([](QDialog& d, QListWidget* list) {
                  clickEntry(list, 0);
                  clickButton(d, NamePickerControls::cancelButton);
              }).first,
              "舊內容");
    EXPECT_EQ(pickBorrower([](QDialog& d, QListWidget*) {
                  typeText(d, NamePickerControls::searchBox, "沒有這個人");
                  clickButton(d, NamePickerControls::searchButton);
                  clickButton(d, NamePickerControls::okButton);
              }).second,
              "舊借用人");
    // The first row the list makes current when it takes the focus is no pick.
    EXPECT_EQ(pickBorrower([](QDialog& d, QListWidget* list) {
                  d.activateWindow();
                  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
                  list->setFocus(Qt::TabFocusReason);
                  EXPECT_EQ(list->currentRow(), 0);
                  clickButton(d, NamePickerControls::okButton);
              }).second,
              "舊借用人");
}

} // namespace
