#include "ListEditorDriver.h"

#include "platform/MessageBox.h"
#include "support/MainFormHarness.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace {

QStringList categories(const RecordTable& records)
{
    QStringList list;
    for (int i = 1; i < records.RecordNext(); ++i)
        list.append(records[i].Category);
    return list;
}

// Book records in both directions, one "book", and the filters showing only Pen lent out.
class CategoryEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        h.writeListFile(DataStore::TypeFileName, {"Book", "Pen"});
        h.writeRecordFile(
            {loan("Book"), loan("book"), loan("Book", Texts::BorrowedIn), loan("Pen")});
        MainForm& f = h.start();
        f.selectDirectionFilter(1);
        f.setCategoryFilterText("Pen");
        ASSERT_EQ(h.rows(), 1);
    }

    MainFormHarness h;
};

TEST_F(CategoryEditTest, RenameReachesHiddenRecordsButNotOtherLetterCase)
{
    MessageBox::setNextInput("Books");
    runListEditor(h.form(), &MainForm::Set_Type_Click, [&](SetForm& e) {
        selectEntry(e, 0);
        clickButton(e, "Command3");
        EXPECT_EQ(entriesOf(e), QStringList({"Books", "Pen"}));
        EXPECT_EQ(selectedEntry(e), 0);
        // The records change at once, not only when the list is stored.
        EXPECT_EQ(categories(h.store().records), QStringList({"Books", "book", "Books", "Pen"}));
    });
    ASSERT_EQ(MessageBox::history().size(), 1);
    const MessageBox::Shown& box = MessageBox::history()[0];
    EXPECT_EQ(box.text, "要改成什麼名稱?");
    EXPECT_EQ(box.title, "更名");
    EXPECT_EQ(box.defaultText, "Book");
}

TEST_F(CategoryEditTest, RenameToTheSameNameChangesNothing)
{
    const RecordTable before = h.store().records;
    runListEditor(h.form(), &MainForm::Set_Type_Click, [&](SetForm& e) {
        selectEntry(e, 1);
        clickButton(e, "Command3"); // the box offers the old name; OK keeps it
        clickButton(e, "Command1");
    });
    for (int i = 1; i < before.RecordNext(); ++i)
        EXPECT_EQ(h.store().records[i], before[i]);
    EXPECT_EQ(h.store().TypeList.names(), QStringList({"Book", "Pen"}));
}

TEST_F(CategoryEditTest, DeleteMovesItsRecordsToUncategorisedOnlyOnYes)
{
    MessageBox::setNextAnswer(MessageBox::No);
    MessageBox::setNextAnswer(MessageBox::Yes);
    runListEditor(h.form(), &MainForm::Set_Type_Click, [&](SetForm& e) {
        selectEntry(e, 0);
        clickButton(e, "Command4");
        EXPECT_EQ(entriesOf(e), QStringList({"Book", "Pen"}));
        EXPECT_EQ(categories(h.store().records).first(), "Book");
        clickButton(e, "Command4");
        EXPECT_EQ(entriesOf(e), QStringList{"Pen"});
        EXPECT_EQ(selectedEntry(e), -1);
    });
    EXPECT_EQ(categories(h.store().records), QStringList({"未分類", "book", "未分類", "Pen"}));
    ASSERT_EQ(MessageBox::history().size(), 2);
    for (const MessageBox::Shown& box : MessageBox::history()) {
        EXPECT_EQ(box.text, "這個分類的資料將會移到<未分類>，確定刪除這個分類嗎？");
        EXPECT_EQ(box.title, "刪除");
        EXPECT_EQ(box.icon, MessageBox::Exclamation);
        EXPECT_EQ(box.buttons, MessageBox::Buttons(MessageBox::Yes) | MessageBox::No);
    }
}

TEST(SetFormEditTest, ItemAndBorrowerEditsLeaveEveryRecordAlone)
{
    MainFormHarness h;
    // Every field that could be mistaken for the name holds it.
    h.writeRecordFile(
        {loan("雨傘", Texts::LentOut, "雨傘", "雨傘"), loan("王", Texts::BorrowedIn, "王", "王")});
    h.writeListFile(DataStore::AffairFileName, {"雨傘"});
    h.writeListFile(DataStore::BorrowerFileName, {"王"});
    MainForm& f = h.start();
    const RecordTable before = h.store().records;
    const struct
    {
        void (MainForm::*command)();
        QString question;
    } cases[] = {{&MainForm::Set_Affair_Click, "確定刪除這個物品嗎？"},
                 {&MainForm::Set_Borrower_Click, "確定刪除這個借用人嗎？"}};
    for (const auto& c : cases) {
        MessageBox::clearHistory();
        MessageBox::setNextInput("新名");
        runListEditor(f, c.command, [&](SetForm& e) {
            selectEntry(e, 0);
            clickButton(e, "Command3");
            EXPECT_EQ(entriesOf(e), QStringList{"新名"});
            clickButton(e, "Command4");
            EXPECT_TRUE(entriesOf(e).isEmpty());
        });
        ASSERT_EQ(MessageBox::history().size(), 2);
        EXPECT_EQ(MessageBox::history()[1].text, c.question);
        EXPECT_EQ(MessageBox::history()[1].title, "刪除");
    }
    for (int i = 1; i < before.RecordNext(); ++i)
        EXPECT_EQ(h.store().records[i], before[i]);
}

TEST(SetFormEditTest, MovesStopAtTheEndsAndTheFileKeepsTheShownOrder)
{
    MainFormHarness h;
    MainForm& f = h.start();
    h.store().BorrowerList.assign({"甲", "乙", "丙"});
    runListEditor(f, &MainForm::Set_Borrower_Click, [&](SetForm& e) {
        selectEntry(e, 0);
        clickButton(e, "Command5");
        EXPECT_EQ(selectedEntry(e), 0);
        selectEntry(e, 2);
        clickButton(e, "Command6");
        EXPECT_EQ(selectedEntry(e), 2);
        EXPECT_EQ(entriesOf(e), QStringList({"甲", "乙", "丙"}));

        clickButton(e, "Command5");
        clickButton(e, "Command5");
        EXPECT_EQ(entriesOf(e), QStringList({"丙", "甲", "乙"}));
        EXPECT_EQ(selectedEntry(e), 0);
        clickButton(e, "Command6");
        EXPECT_EQ(entriesOf(e), QStringList({"甲", "丙", "乙"}));
        EXPECT_EQ(selectedEntry(e), 1);
        clickButton(e, "Command1");
    });
    EXPECT_EQ(h.dir().read(DataStore::BorrowerFileName), big5("\"甲\"\r\n\"丙\"\r\n\"乙\"\r\n"));
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST_F(CategoryEditTest, WithoutASelectionNothingHappensAndNothingIsShown)
{
    runListEditor(h.form(), &MainForm::Set_Type_Click, [&](SetForm& e) {
        // The current entry of a list box is not necessarily a selected one.
        e.List1()->setCurrentRow(1, QItemSelectionModel::NoUpdate);
        for (const char* button : {"Command3", "Command4", "Command5", "Command6"})
            clickButton(e, button);
        EXPECT_EQ(entriesOf(e), QStringList({"Book", "Pen"}));
    });
    EXPECT_TRUE(MessageBox::history().isEmpty());
    EXPECT_EQ(categories(h.store().records), QStringList({"Book", "book", "Book", "Pen"}));
}

} // namespace
