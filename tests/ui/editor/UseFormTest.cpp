#include "EditorDriver.h"

#include "support/MainFormHarness.h"
#include "ui/editor/UseForm.h"

#include <QListWidget>
#include <QTest>

namespace {

const QStringList kItems{"鉛筆", "", "原子筆", "Pen", "尺", "鉛筆", "pencil"};
const QStringList kBorrowers{"王小明", "李大同", "陳美玲"};

QStringList rows(const UseForm& form)
{
    QStringList texts;
    for (int row = 0; row < form.List1()->count(); ++row)
        texts.append(form.List1()->item(row)->text());
    return texts;
}

class UseFormTest : public ::testing::Test
{
protected:
    MainFormHarness h;
    MainForm* f = nullptr;

    void SetUp() override
    {
        h.writeListFile(DataStore::AffairFileName, kItems);
        h.writeListFile(DataStore::BorrowerFileName, kBorrowers);
        f = &h.start();
    }

    // Opens the editor with the given content and borrower, presses one of its pick buttons,
    // lets pick() work the pick dialog; returns the editor's content and borrower afterwards.
    std::pair<QString, QString> pickWith(const char* button,
                                         const std::function<void(UseForm&)>& pick,
                                         const QString& content = "舊內容",
                                         const QString& borrower = "舊借用人")
    {
        std::pair<QString, QString> boxes;
        onNextEditor([&](InputForm& form) {
            form.setContentText(content);
            form.Text1()->setText(borrower);
            form.findChild<QPushButton*>(QString::fromLatin1(button))->click();
            boxes = {form.contentText(), form.Text1()->text()};
        });
        Modal::setNextHandler([&](QDialog& dialog) {
            auto* use = qobject_cast<UseForm*>(&dialog);
            ASSERT_NE(use, nullptr);
            pick(*use);
        });
        RecordCommands::Data_New_Click(*f);
        EXPECT_EQ(Modal::pendingHandlers(), 0);
        return boxes;
    }

    std::pair<QString, QString> pickItems(const std::function<void(UseForm&)>& pick)
    {
        return pickWith("Command3", pick);
    }
    std::pair<QString, QString> pickBorrower(const std::function<void(UseForm&)>& pick)
    {
        return pickWith("Command4", pick);
    }

    static void click(UseForm& form, const char* name)
    {
        form.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
};

TEST_F(UseFormTest, OpensWithTheWholeListOfItsTitle)
{
    QString title, focus;
    QStringList shown;
    pickItems([&](UseForm& form) {
        title = form.windowTitle();
        shown = rows(form);
        focus = form.focusWidget()->objectName();
    });
    EXPECT_EQ(title, QStringLiteral("物品清單"));
    EXPECT_EQ(shown, kItems);
    EXPECT_EQ(focus, QStringLiteral("List1"));

    pickBorrower([&](UseForm& form) {
        title = form.windowTitle();
        shown = rows(form);
    });
    EXPECT_EQ(title, QStringLiteral("借用人名單"));
    EXPECT_EQ(shown, kBorrowers);
}

TEST_F(UseFormTest, SearchKeepsListOrderAndClearingKeepsTheSearchText)
{
    QStringList found, all;
    QString kept;
    pickItems([&](UseForm& form) {
        form.Text1()->setText("筆");
        click(form, "Command3");
        found = rows(form);
        click(form, "Command4");
        all = rows(form);
        kept = form.Text1()->text();
    });
    EXPECT_EQ(found, QStringList({"鉛筆", "原子筆", "鉛筆"}));
    EXPECT_EQ(all, kItems);
    EXPECT_EQ(kept, QStringLiteral("筆"));
    EXPECT_EQ(h.store().AffairList.names(), kItems);
}

TEST_F(UseFormTest, SearchIsCaseSensitiveAndNeverMatchesAnEmptyEntry)
{
    QStringList lower, empty, none;
    pickItems([&](UseForm& form) {
        form.Text1()->setText("pen");
        click(form, "Command3");
        lower = rows(form);
        form.Text1()->clear();
        click(form, "Command3");
        empty = rows(form);
        form.Text1()->setText("書");
        click(form, "Command3");
        none = rows(form);
    });
    EXPECT_EQ(lower, QStringList({"pencil"}));
    QStringList nonEmpty = kItems;
    nonEmpty.removeAll(QString());
    EXPECT_EQ(empty, nonEmpty);
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(UseFormTest, SelectedItemsJoinInRowOrderWithoutATrailingLineBreak)
{
    const auto [content, borrower] = pickItems([](UseForm& form) {
        for (int row : {4, 0, 2})
            form.List1()->item(row)->setSelected(true);
        click(form, "Command1");
    });
    EXPECT_EQ(content, QStringLiteral("鉛筆\r\n原子筆\r\n尺"));
    EXPECT_EQ(borrower, QStringLiteral("舊借用人"));
}

TEST_F(UseFormTest, BorrowerModeTakesTheRowLastClickedSelectedOrNot)
{
    // Every click but the first holds Ctrl: several rows selected, or the row clicked last taken
    // out of the selection again; either way that row is taken.
    for (const QList<int>& rows : {QList<int>{0, 2, 1}, QList<int>{1, 1}}) {
        const auto [content, borrower] = pickBorrower([&](UseForm& form) {
            QListWidget* list = form.List1();
            for (qsizetype i = 0; i < rows.size(); ++i)
                QTest::mouseClick(list->viewport(), Qt::LeftButton,
                                  i ? Qt::ControlModifier : Qt::NoModifier,
                                  list->visualItemRect(list->item(rows[i])).center());
            click(form, "Command1");
        });
        EXPECT_EQ(borrower, QStringLiteral("李大同"));
        EXPECT_EQ(content, QStringLiteral("舊內容"));
    }
}

TEST_F(UseFormTest, DoubleClickingARowHandsItBackAndCloses)
{
    bool closed = false;
    const auto [content, borrower] = pickBorrower([&](UseForm& form) {
        QListWidget* list = form.List1();
        const QPoint centre = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        closed = !form.isVisible();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(borrower, QStringLiteral("陳美玲"));
}

TEST_F(UseFormTest, NothingChosenLeavesTheEditorAsItWas)
{
    auto items = pickItems([](UseForm& form) {
        form.List1()->clearSelection();
        click(form, "Command1");
    });
    EXPECT_EQ(items.first, QStringLiteral("舊內容"));
    auto borrower = pickBorrower([](UseForm& form) {
        form.Text1()->setText("沒有這個人");
        click(form, "Command3");
        click(form, "Command1");
    });
    EXPECT_EQ(borrower.second, QStringLiteral("舊借用人"));
    // The first row the list makes current when it takes the focus is no pick.
    auto focused = pickBorrower([](UseForm& form) {
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.List1()->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(form.List1()->currentRow(), 0);
        click(form, "Command1");
    });
    EXPECT_EQ(focused.second, QStringLiteral("舊借用人"));
}

TEST_F(UseFormTest, CancelLeavesTheEditorAlone)
{
    const auto [content, borrower] = pickItems([](UseForm& form) {
        form.List1()->item(0)->setSelected(true);
        click(form, "Command2");
    });
    EXPECT_EQ(content, QStringLiteral("舊內容"));
    EXPECT_EQ(borrower, QStringLiteral("舊借用人"));
}

} // namespace
