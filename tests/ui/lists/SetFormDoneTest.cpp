#include "ListEditorDriver.h"

#include "platform/MessageBox.h"
#include "support/MainFormHarness.h"
#include "ui/main/RecordListModel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList filterEntries(const MainForm& f)
{
    QStringList entries;
    for (int i = 0; i < f.Combo1()->count(); ++i)
        entries.append(f.Combo1()->itemText(i));
    return entries;
}

TEST(SetFormDoneTest, WritesEachListFileByteForByteAndCloses)
{
    MainFormHarness h;
    MainForm& f = h.start();
    h.store().TypeList.assign({"書籍", "3C, 電子"});
    h.store().AffairList.assign({"雨傘"});
    h.store().BorrowerList.assign({" 陳大文 "});
    const struct
    {
        void (MainForm::*command)();
        QString file;
        QByteArray bytes;
    } cases[] = {
        {&MainForm::Set_Type_Click, "Type.csv", big5("\"書籍\"\r\n\"3C, 電子\"\r\n")},
        {&MainForm::Set_Affair_Click, "Affair.csv", big5("\"雨傘\"\r\n")},
        {&MainForm::Set_Borrower_Click, "Borrower.csv", big5("\" 陳大文 \"\r\n")},
    };
    for (const auto& c : cases) {
        runListEditor(f, c.command, [&](SetForm& e) {
            clickButton(e, "Command1");
            EXPECT_FALSE(e.isVisible());
            EXPECT_EQ(e.result(), QDialog::Accepted);
        });
        EXPECT_EQ(h.dir().read(c.file), c.bytes) << c.file.toStdString();
    }
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST(SetFormDoneTest, AnEmptiedListWritesAnEmptyFile)
{
    MainFormHarness h;
    h.writeListFile(DataStore::AffairFileName, {"甲", "乙"});
    MainForm& f = h.start();
    runListEditor(f, &MainForm::Set_Affair_Click, [&](SetForm& e) {
        for (int i = 0; i < 2; ++i) {
            selectEntry(e, 0);
            clickButton(e, "Command4");
        }
        clickButton(e, "Command1");
    });
    ASSERT_TRUE(h.dir().exists(DataStore::AffairFileName));
    EXPECT_EQ(h.dir().read(DataStore::AffairFileName).size(), 0);
    EXPECT_EQ(h.store().AffairList.Next(), 1);
}

TEST(SetFormDoneTest, CategoriesRebuildTheFilterAndTheRecordList)
{
    MainFormHarness h;
    h.writeListFile(DataStore::TypeFileName, {"Book", "Pen"});
    h.writeRecordFile({loan("Book"), loan("Pen", Texts::BorrowedIn), loan("Pen"), loan("Cup")});
    MainForm& f = h.start();
    f.selectDirectionFilter(1);
    f.setCategoryFilterText("Book");
    ASSERT_EQ(h.rows(), 1);
    MessageBox::setNextInput("Tea");
    runListEditor(f, &MainForm::Set_Type_Click, [&](SetForm& e) {
        selectEntry(e, 1);
        clickButton(e, "Command4");
        clickButton(e, "Command2");
        clickButton(e, "Command1");
    });
    EXPECT_EQ(filterEntries(f), QStringList({"全部", "Book", "Tea", "未分類"}));
    EXPECT_EQ(f.categoryFilterText(), "全部");
    EXPECT_EQ(f.directionFilter(), 1);
    // Every category lent out, the deleted one's record now shown as "未分類".
    ASSERT_EQ(h.rows(), 3);
    EXPECT_EQ(h.cell(0, 2), "Book");
    EXPECT_EQ(h.cell(1, 2), "未分類");
    EXPECT_EQ(h.cell(2, 2), "Cup");
    EXPECT_EQ(h.selectedRow(), 2);
}

TEST(SetFormDoneTest, ItemAndBorrowerListsLeaveTheRecordListAsItIs)
{
    MainFormHarness h;
    h.writeListFile(DataStore::TypeFileName, {"Book"});
    h.writeRecordFile({loan("Book"), loan("Book"), loan("Book"), loan("Pen")});
    MainForm& f = h.start();
    f.setCategoryFilterText("Book");
    ASSERT_EQ(h.rows(), 3);
    const int filterCount = f.Combo1()->count();
    f.selectRow(0);
    RecordListModel& model = f.listModel();
    model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole);
    for (auto command : {&MainForm::Set_Affair_Click, &MainForm::Set_Borrower_Click}) {
        MessageBox::setNextInput("新名");
        runListEditor(f, command, [&](SetForm& e) {
            clickButton(e, "Command2");
            clickButton(e, "Command1");
        });
    }
    EXPECT_EQ(h.store().AffairList.names(), QStringList{"新名"});
    EXPECT_EQ(h.store().BorrowerList.names(), QStringList{"新名"});
    EXPECT_EQ(h.selectedRow(), 0);
    EXPECT_TRUE(model.isChecked(1));
    EXPECT_EQ(f.Combo1()->count(), filterCount);
    EXPECT_EQ(f.categoryFilterText(), "Book");
}

TEST(SetFormDoneTest, AFailedWriteIsReportedAndTheListStillReplaced)
{
    MainFormHarness h;
    h.writeListFile(DataStore::TypeFileName, {"Book"});
    MainForm& f = h.start();
    const QString file = h.dir().path(DataStore::TypeFileName);
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));
    MessageBox::setNextInput("Pen");
    runListEditor(f, &MainForm::Set_Type_Click, [&](SetForm& e) {
        clickButton(e, "Command2");
        clickButton(e, "Command1");
        EXPECT_FALSE(e.isVisible());
    });
    EXPECT_EQ(h.store().TypeList.names(), QStringList({"Book", "Pen"}));
    EXPECT_EQ(filterEntries(f), QStringList({"全部", "Book", "Pen", "未分類"}));
    ASSERT_EQ(MessageBox::history().size(), 2);
    const MessageBox::Shown& box = MessageBox::history()[1];
    EXPECT_EQ(box.title, "注意");
    EXPECT_EQ(box.icon, MessageBox::Exclamation);
    EXPECT_TRUE(box.text.contains(file)) << box.text.toStdString();
    EXPECT_TRUE(box.text.startsWith("無法寫入"));
}

} // namespace

// Ended by the session while a category is being renamed: the records already carry the new name,
// so the list must reach its file too, or those records would show under no category.
TEST(SetFormDoneTest, EndedWhileOpenTheEditorFinishesBeforeTheRecordsAreWritten)
{
    MainFormHarness h;
    h.writeListFile(DataStore::TypeFileName, {"工具"});
    h.writeRecordFile({loan("工具")});
    MainForm& f = h.start();
    MessageBox::setNextInput("器材");
    runListEditor(f, &MainForm::Set_Type_Click, [&](SetForm& e) {
        const QRect first = e.List1()->visualItemRect(e.List1()->item(0));
        QTest::mouseClick(e.List1()->viewport(), Qt::LeftButton, {}, first.center());
        clickButton(e, "Command3");
        f.close(); // what the termination signal does
        EXPECT_FALSE(e.isVisible());
    });
    EXPECT_TRUE(f.hasShutDown());
    EXPECT_EQ(h.dir().read(DataStore::TypeFileName), big5("\"器材\"\r\n"));
    EXPECT_TRUE(h.dir().read(DataStore::RecordFileName).contains(big5("\"器材\"")));
}
