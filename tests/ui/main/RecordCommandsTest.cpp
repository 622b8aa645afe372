#include "ui/main/RecordCommands.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/DateText.h"
#include "support/MainFormHarness.h"
#include "ui/editor/EditIndex.h"
#include "ui/editor/InputForm.h"
#include "ui/main/RecordListModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the opener put into the editor before showing it.
struct Shown
{
    QString title, button, category, date, borrower, content, dueDate, amount, returnDate;
    QStringList categories;
    bool lentOut = false, ticked = false, itemsTicked = false, borrowersTicked = false;
};

Shown captureNextEditor(MainForm& main, void (*command)(MainForm&))
{
    Shown s;
    Modal::setNextHandler([&s](QDialog& dialog) {
        auto* form = qobject_cast<InputForm*>(&dialog);
        ASSERT_NE(form, nullptr);
        s.title = form->windowTitle();
        s.button = form->Command1()->text();
        s.category = form->Combo1()->currentText();
        for (int i = 0; i < form->Combo1()->count(); ++i)
            s.categories.append(form->Combo1()->itemText(i));
        s.date = form->Text0()->text();
        s.borrower = form->Text1()->text();
        s.content = form->contentText();
        s.dueDate = form->Text3()->text();
        s.amount = form->Text5()->text();
        s.returnDate = form->Text4()->text();
        s.lentOut = form->Option1()->isChecked() && !form->Option2()->isChecked();
        s.ticked = form->Check1()->isChecked();
        s.itemsTicked = form->Check2()->isChecked();
        s.borrowersTicked = form->Check3()->isChecked();
    });
    command(main);
    return s;
}

// As a user edits the second row: a click on the third row's text, then a double-click on the
// second row's check box.
void doubleClickSecondRowsCheckBox(MainForm& f)
{
    f.show();
    auto* list = f.findChild<QTableView*>(QStringLiteral("ListView1"));
    const QRect second = list->visualRect(f.listModel().index(1, 0));
    const QPoint checkBox(second.left() + 8, second.center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(f.listModel().index(2, 3)).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, checkBox);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, checkBox);
}

class RecordCommandsTest : public ::testing::Test
{
protected:
    MainFormHarness h;

    const RecordTable& table() { return h.store().records; }

    void tick(MainForm& f, int row)
    {
        RecordListModel& model = f.listModel();
        model.setData(model.index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }

    QStringList borrowersInTable()
    {
        QStringList names;
        for (int i = 1; i < table().RecordNext(); ++i)
            names.append(table()[i].Borrower);
        return names;
    }

    bool anyTicked(MainForm& f)
    {
        for (int row = 0; row < h.rows(); ++row) {
            if (f.listModel().isChecked(row))
                return true;
        }
        return false;
    }

    void addNamed(const QStringList& names, const QString& category = "甲")
    {
        for (const QString& name : names)
            h.addRecord("2026/01/01", "借出", category, name, "", "", "", "未歸還");
    }
};

// ---- new and edit --------------------------------------------------------------------------

TEST_F(RecordCommandsTest, NewOpensAnEmptyEditorWithTodayAndTheCategories)
{
    h.writeListFile(DataStore::TypeFileName, {"甲", "全部", "乙"});
    MainForm& f = h.start();
    EditIndex = 7;
    const Shown s = captureNextEditor(f, RecordCommands::Data_New_Click);
    EXPECT_EQ(s.title, QStringLiteral("新增資料"));
    EXPECT_EQ(s.button, QStringLiteral("新增"));
    EXPECT_EQ(s.categories, QStringList({"甲", "乙", "未分類"}));
    EXPECT_EQ(s.category, QStringLiteral("甲"));
    EXPECT_EQ(s.date, DateText::today());
    EXPECT_TRUE(s.borrower.isEmpty() && s.content.isEmpty() && s.dueDate.isEmpty() &&
                s.amount.isEmpty() && s.returnDate.isEmpty());
    EXPECT_TRUE(s.lentOut);
    EXPECT_FALSE(s.ticked || s.itemsTicked || s.borrowersTicked);
    EXPECT_EQ(EditIndex, 7);
}

TEST_F(RecordCommandsTest, NewTakesTheCategoryTheFilterShows)
{
    h.writeListFile(DataStore::TypeFileName, {"甲", "乙"});
    MainForm& f = h.start();
    f.setCategoryFilterText("乙");
    EXPECT_EQ(captureNextEditor(f, RecordCommands::Data_New_Click).category, QStringLiteral("乙"));
    f.setCategoryFilterText("未分類");
    EXPECT_EQ(captureNextEditor(f, RecordCommands::Data_New_Click).category,
              QStringLiteral("未分類"));
}

TEST_F(RecordCommandsTest, ADoubleClickOnARowsCheckBoxFillsTheEditorFromThatRecord)
{
    h.writeListFile(DataStore::TypeFileName, {"甲"});
    h.addRecord("2026/01/01", "借出", "甲", "一", "", "", "", "未歸還");
    h.addRecord("2026/02/03", "借入", "自訂", "二", "書\r\n筆", "30", "2026/05/01", "2024/01/05");
    h.addRecord("2026/03/01", "借出", "甲", "三", "", "", "", "未歸還");
    MainForm& f = h.start();
    const Shown s = captureNextEditor(f, doubleClickSecondRowsCheckBox);
    EXPECT_TRUE(f.listModel().isChecked(1)); // the check box was hit
    EXPECT_EQ(EditIndex, 2);
    EXPECT_EQ(s.title, QStringLiteral("編輯資料"));
    EXPECT_EQ(s.button, QStringLiteral("變更"));
    EXPECT_EQ(s.category, QStringLiteral("自訂"));
    EXPECT_EQ(s.date, QStringLiteral("2026/02/03"));
    EXPECT_FALSE(s.lentOut);
    EXPECT_EQ(s.borrower, QStringLiteral("二"));
    EXPECT_EQ(s.content, QStringLiteral("書\r\n筆"));
    EXPECT_EQ(s.dueDate, QStringLiteral("2026/05/01"));
    EXPECT_EQ(s.amount, QStringLiteral("30"));
    EXPECT_TRUE(s.ticked);
    EXPECT_EQ(s.returnDate, QStringLiteral("2024/01/05"));
}

TEST_F(RecordCommandsTest, EditShowsTheStatusAsTickAndReturnDate)
{
    h.addRecord("2026/01/01", "借出", "", "一", "", "", "", "已歸還");
    h.addRecord("2026/01/01", "借出", "", "二", "", "", "", "未歸還");
    MainForm& f = h.start();
    f.selectRow(0);
    Shown s = captureNextEditor(f, RecordCommands::ListView1_DblClick);
    EXPECT_TRUE(s.ticked);
    EXPECT_TRUE(s.returnDate.isEmpty());
    EXPECT_TRUE(s.lentOut);
    f.selectRow(1);
    s = captureNextEditor(f, RecordCommands::ListView1_DblClick);
    EXPECT_FALSE(s.ticked);
    EXPECT_TRUE(s.returnDate.isEmpty());
}

TEST_F(RecordCommandsTest, EditDoesNothingWithoutARowToActOn)
{
    MainForm& f = h.start();
    Modal::setNextHandler([](QDialog&) {});
    RecordCommands::ListView1_DblClick(f);
    EXPECT_EQ(Modal::pendingHandlers(), 1);

    h.addRecord("2026/01/01", "借出", "", "一", "", "", "", "未歸還");
    f.Combo1_Click();
    f.ListView1()->selectionModel()->clearSelection();
    RecordCommands::ListView1_DblClick(f);
    EXPECT_EQ(Modal::pendingHandlers(), 1);
}

// ---- delete --------------------------------------------------------------------------------

TEST_F(RecordCommandsTest, DeleteRemovesTheTickedRowsAndKeepsTheOrder)
{
    addNamed({"一", "二", "三", "四", "五", "六"});
    MainForm& f = h.start();
    tick(f, 1);
    tick(f, 4);
    MessageBox::setNextAnswer(MessageBox::Yes);
    RecordCommands::Data_Del_Click(f);

    ASSERT_EQ(MessageBox::history().size(), 1);
    const MessageBox::Shown& asked = MessageBox::history()[0];
    EXPECT_EQ(asked.text, QStringLiteral("確定刪除資料嗎？"));
    EXPECT_EQ(asked.title, QStringLiteral("刪除資料"));
    EXPECT_EQ(asked.icon, MessageBox::Exclamation);
    EXPECT_EQ(asked.buttons, MessageBox::Yes | MessageBox::No);
    EXPECT_EQ(borrowersInTable(), QStringList({"一", "三", "四", "六"}));
    EXPECT_EQ(table().RecordNext(), 5);
    EXPECT_EQ(h.rows(), 4);
    EXPECT_FALSE(anyTicked(f));
    EXPECT_EQ(h.selectedRow(), 3);
}

TEST_F(RecordCommandsTest, DeleteWithoutTicksOnlyTellsTheUser)
{
    addNamed({"一", "二"});
    MainForm& f = h.start();
    RecordCommands::Data_Del_Click(f);
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("請先勾選要刪除的記錄"));
    EXPECT_EQ(MessageBox::history()[0].title, QStringLiteral("注意"));
    EXPECT_EQ(MessageBox::history()[0].buttons, MessageBox::Buttons(MessageBox::Ok));
    EXPECT_EQ(table().count(), 2);
}

TEST_F(RecordCommandsTest, DeleteAnsweredNoChangesNothing)
{
    addNamed({"一", "二"});
    MainForm& f = h.start();
    tick(f, 0);
    MessageBox::setNextAnswer(MessageBox::No);
    RecordCommands::Data_Del_Click(f);
    EXPECT_EQ(borrowersInTable(), QStringList({"一", "二"}));
    EXPECT_EQ(table()[1].Date, QStringLiteral("2026/01/01"));
    EXPECT_TRUE(f.listModel().isChecked(0));
}

TEST_F(RecordCommandsTest, DeleteUnderACategoryKeepsTheOtherCategories)
{
    h.writeListFile(DataStore::TypeFileName, {"甲", "乙"});
    addNamed({"一"}, "甲");
    addNamed({"二", "三"}, "乙");
    addNamed({"四"}, "甲");
    MainForm& f = h.start();
    f.setCategoryFilterText("乙");
    f.Command1_Click(); // tick every shown row
    RecordCommands::Data_Del_Click(f);
    EXPECT_EQ(borrowersInTable(), QStringList({"一", "四"}));
    EXPECT_EQ(h.rows(), 0);
    EXPECT_TRUE(f.statusText().startsWith(QStringLiteral(" 共 0 筆資料")));

    RecordCommands::Data_Del_Click(f);
    EXPECT_EQ(MessageBox::history().last().text, QStringLiteral("請先勾選要刪除的記錄"));
}

// ---- clear returned ------------------------------------------------------------------------

TEST_F(RecordCommandsTest, ClearRemovesEveryReturnedRecordShownOrNot)
{
    h.writeListFile(DataStore::TypeFileName, {"甲", "乙"});
    h.addRecord("2026/01/01", "借出", "甲", "一", "", "", "", "已歸還");
    h.addRecord("2026/01/01", "借入", "乙", "二", "", "", "", "2024/01/05");
    h.addRecord("2026/01/01", "借入", "乙", "三", "", "", "", "已歸還");
    h.addRecord("2026/01/01", "借出", "甲", "四", "", "", "", "未歸還");
    h.addRecord("DeleteData", "借出", "甲", "五", "", "", "", "未歸還");
    MainForm& f = h.start();
    f.setCategoryFilterText("甲");
    f.selectStatusFilter(1); // 未歸還 only: no returned record is shown
    MessageBox::setNextAnswer(MessageBox::Yes);
    RecordCommands::Data_Clear_Click(f);

    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("確定清除已歸還資料嗎？"));
    EXPECT_EQ(MessageBox::history()[0].title, QStringLiteral("刪除資料"));
    EXPECT_EQ(borrowersInTable(), QStringList({"二", "四"}));
    EXPECT_EQ(h.rows(), 1);
    EXPECT_EQ(h.selectedRow(), 0);
}

} // namespace
