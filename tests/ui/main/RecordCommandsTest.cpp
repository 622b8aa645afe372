#include "store/DateText.h"
#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the editor showed when it opened.
struct Opened
{
    QString title, button, category, date, borrower, content, dueDate, amount, returnDate;
    QStringList categories;
    bool lentOut = false, ticked = false, itemsTicked = false, borrowersTicked = false;
};

Opened editorOpenedBy(const std::function<void()>& input)
{
    Opened o;
    onNextDialog(RecordEditorControls::dialog, [&o](QDialog& d) {
        o.title = d.windowTitle();
        o.button = control<QPushButton>(d, RecordEditorControls::okButton)->text();
        const QComboBox* box = control<QComboBox>(d, RecordEditorControls::categoryBox);
        for (int i = 0; i < box->count(); ++i)
            o.categories.append(box->itemText(i));
        o.category = textOf(d, RecordEditorControls::categoryBox);
        o.date = textOf(d, RecordEditorControls::dateBox);
        o.borrower = textOf(d, RecordEditorControls::borrowerBox);
        o.content = textOf(d, RecordEditorControls::contentBox);
        o.dueDate = textOf(d, RecordEditorControls::dueDateBox);
        o.returnDate = textOf(d, RecordEditorControls::returnDateBox);
        o.amount = textOf(d, RecordEditorControls::amountBox);
        o.lentOut =
            d.findChild<QRadioButton*>(RecordEditorControls::lentOutButton)->isChecked() &&
            !d.findChild<QRadioButton*>(RecordEditorControls::borrowedInButton)->isChecked();
        o.ticked = isTicked(d, RecordEditorControls::returnedBox);
        o.itemsTicked = isTicked(d, RecordEditorControls::addItemBox);
        o.borrowersTicked = isTicked(d, RecordEditorControls::addBorrowerBox);
    });
    input();
    EXPECT_EQ(Modal::pendingHandlers(), 0) << "no editor opened";
    Modal::clearHandlers();
    return o;
}

class RecordCommands : public ::testing::Test
{
protected:
    WindowHarness h;

    QStringList borrowersInTable() const
    {
        QStringList names;
        for (int i : h.store().records().filledSlots())
            names.append(h.store().records()[i].Borrower);
        return names;
    }

    QStringList shownBorrowers() const
    {
        QStringList names;
        for (int row = 0; row < h.rows(); ++row)
            names.append(h.cell(row, 3));
        return names;
    }

    void addNamed(const QStringList& names, const QString& category = "甲")
    {
        for (const QString& name : names)
            h.addRecord("2026/01/01", "借出", category, name, "", "", "", "未歸還");
    }
};

// ---- new and edit ------------------------------------------------------------------------

TEST_F(RecordCommands, NewOpensAnEmptyEditorWithTodayAndTheCategoryTheFilterShows)
{
    h.writeListFile(DataFiles::Categories, {"甲", "全部", "乙"});
    h.start();
    const Opened o = editorOpenedBy([&] { h.trigger(MainMenuItems::newRecord); });
    EXPECT_EQ(o.title, "新增資料");
    EXPECT_EQ(o.button, "新增");
    EXPECT_EQ(o.categories, QStringList({"甲", "乙", "未分類"}));
    EXPECT_EQ(o.category, "甲");
    EXPECT_EQ(o.date, DateText::today());
    EXPECT_TRUE(o.borrower.isEmpty() && o.content.isEmpty() && o.dueDate.isEmpty() &&
                o.amount.isEmpty() && o.returnDate.isEmpty());
    EXPECT_TRUE(o.lentOut);
    EXPECT_FALSE(o.ticked || o.itemsTicked || o.borrowersTicked);

    h.chooseCategory("乙");
    EXPECT_EQ(editorOpenedBy([&] { h.trigger(MainMenuItems::newRecord); }).category, "乙");
    h.chooseCategory("未分類");
    EXPECT_EQ(editorOpenedBy([&] { h.trigger(MainMenuItems::newRecord); }).category, "未分類");
}

TEST_F(RecordCommands, ADoubleClickOnARowEditsThatRecord)
{
    h.writeListFile(DataFiles::Categories, {"甲"});
    h.addRecord("2026/01/01", "借出", "甲", "一", "", "", "", "已歸還");
    h.addRecord("2026/02/03", "借入", "自訂", "二", "書\r\n筆", "30", "2026/05/01", "2024/01/05");
    h.addRecord("2026/03/01", "借出", "甲", "三", "", "", "", "未歸還");
    h.start();
    // A click on the third row, then a double-click on the second row's check box.
    h.clickRow(2);
    Opened o = editorOpenedBy([&] { h.doubleClickTick(1); });
    EXPECT_TRUE(h.isTicked(1)) << "the check box was hit";
    EXPECT_EQ(o.title, "編輯資料");
    EXPECT_EQ(o.button, "變更");
    EXPECT_EQ(o.category, "自訂");
    EXPECT_EQ(o.date, "2026/02/03");
    EXPECT_FALSE(o.lentOut);
    EXPECT_EQ(o.borrower, "二");
    EXPECT_EQ(o.content, "書\n筆");
    EXPECT_EQ(o.dueDate, "2026/05/01");
    EXPECT_EQ(o.amount, "30");
    EXPECT_TRUE(o.ticked);
    EXPECT_EQ(o.returnDate, "2024/01/05");

    o = editorOpenedBy([&] { h.doubleClickRow(0); });
    EXPECT_TRUE(o.ticked && o.lentOut);
    EXPECT_TRUE(o.returnDate.isEmpty());
    o = editorOpenedBy([&] { h.doubleClickRow(2); });
    EXPECT_FALSE(o.ticked);
    EXPECT_TRUE(o.returnDate.isEmpty());
}

TEST_F(RecordCommands, ADoubleClickOffTheRowsOpensNothing)
{
    h.start();
    Modal::setNextHandler([](QDialog&) {});
    const QPoint middle = h.list()->viewport()->rect().center();
    QTest::mouseDClick(h.list()->viewport(), Qt::LeftButton, {}, middle);
    addNamed({"一"});
    QTest::mouseDClick(h.list()->viewport(), Qt::LeftButton, {}, middle);
    EXPECT_EQ(Modal::pendingHandlers(), 1);
}

// Enter, keypad Enter and F2 do what a double-click does, on the row the arrow keys reached.
TEST_F(RecordCommands, EnterOrF2OnTheCurrentRowEditsThatRecord)
{
    h.writeListFile(DataFiles::Categories, {"甲", "乙"});
    addNamed({"一", "二", "三"});
    h.start();
    QTableView* list = h.list();
    list->setFocus();
    EXPECT_EQ(editorOpenedBy([&] { QTest::keyClick(list, Qt::Key_Return); }).borrower, "三");
    QTest::keyClick(list, Qt::Key_Up);
    const Opened o = editorOpenedBy([&] { QTest::keyClick(list, Qt::Key_F2); });
    EXPECT_EQ(o.title, "編輯資料");
    EXPECT_EQ(o.borrower, "二");
    QTest::keyClick(list, Qt::Key_Up);
    onNextDialog(RecordEditorControls::dialog, [](QDialog& editor) {
        typeText(editor, RecordEditorControls::borrowerBox, "一改");
        clickButton(editor, RecordEditorControls::okButton);
    });
    QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(borrowersInTable(), QStringList({"一改", "二", "三"}));

    h.chooseCategory("乙"); // no rows
    list->setFocus();
    Modal::setNextHandler([](QDialog&) {});
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2})
        QTest::keyClick(list, key);
    EXPECT_EQ(Modal::pendingHandlers(), 1);
}

// ---- what the list shows after the editor ------------------------------------------------

// Records in two categories, 甲 and 乙, the list showing all of them.
class AfterTheEditor : public RecordCommands
{
protected:
    void SetUp() override
    {
        h.writeListFile(DataFiles::Categories, {"甲", "乙"});
        h.addRecord("2026/01/01", "借出", "甲", "一", "", "100", "", "未歸還");
        h.addRecord("2026/01/02", "借入", "乙", "二", "", "", "", "已歸還");
        h.addRecord("2026/01/03", "借出", "甲", "三", "", "", "", "未歸還");
        h.start();
    }
};

TEST_F(AfterTheEditor, ANewRecordOfAnotherCategorySwitchesTheFilterToIt)
{
    h.chooseCategory("甲");
    ASSERT_TRUE(
        h.enterNew([](QDialog& d) { typeText(d, RecordEditorControls::categoryBox, "乙"); }));
    EXPECT_EQ(h.categoryFilter()->currentText(), "乙");
    EXPECT_EQ(shownBorrowers(), QStringList({"二", "王小明"}));
    EXPECT_EQ(h.selectedRow(), 1);
    EXPECT_TRUE(h.statusText().startsWith(" 共 2 筆資料"));
}

TEST_F(AfterTheEditor, ANewRecordUnderAllIsAppendedAsTheListStands)
{
    h.click(MainWindowControls::directionBorrowedIn); // 借入 only
    ASSERT_EQ(shownBorrowers(), QStringList({"二"}));
    const QString status = h.statusText();
    ASSERT_TRUE(h.enterNew([](QDialog& d) { typeText(d, RecordEditorControls::amountBox, "50"); }));
    EXPECT_EQ(shownBorrowers(), QStringList({"二", "王小明"}));
    EXPECT_EQ(h.cell(1, 8), "4");
    EXPECT_EQ(h.selectedRow(), 0);
    EXPECT_EQ(h.statusText(), status);
}

TEST_F(AfterTheEditor, AnEditedRecordIsSelectedInTheRebuiltList)
{
    ASSERT_TRUE(
        h.editRow(0, [](QDialog& d) { typeText(d, RecordEditorControls::borrowerBox, "一改"); }));
    EXPECT_EQ(h.store().records().count(), 3);
    EXPECT_EQ(shownBorrowers(), QStringList({"一改", "二", "三"}));
    EXPECT_EQ(h.selectedRow(), 0);
    EXPECT_EQ(h.categoryFilter()->currentText(), "全部");
}

TEST_F(AfterTheEditor, AnEditMovingTheRecordToAnotherCategoryFollowsIt)
{
    h.chooseCategory("甲");
    ASSERT_TRUE(
        h.editRow(0, [](QDialog& d) { typeText(d, RecordEditorControls::categoryBox, "乙"); }));
    EXPECT_EQ(h.categoryFilter()->currentText(), "乙");
    EXPECT_EQ(shownBorrowers(), QStringList({"一", "二"}));
    EXPECT_EQ(h.selectedRow(), 0);
    EXPECT_EQ(h.store().records()[1].Category, "乙");
}

// ---- delete and clear --------------------------------------------------------------------

TEST_F(RecordCommands, DeleteAsksThenRemovesTheTickedRowsAndKeepsTheOrder)
{
    addNamed({"一", "二", "三", "四", "五", "六"});
    h.start();
    h.tickRow(1);
    h.tickRow(4);
    MessageBox::setNextAnswer(MessageBox::No);
    h.trigger(MainMenuItems::deleteTicked);
    EXPECT_EQ(borrowersInTable().size(), 6);
    EXPECT_TRUE(h.isTicked(1) && h.isTicked(4));

    h.trigger(MainMenuItems::deleteTicked);
    ASSERT_EQ(MessageBox::history().size(), 2);
    for (const MessageBox::Shown& asked : MessageBox::history()) {
        EXPECT_EQ(asked.text, "確定刪除資料嗎？");
        EXPECT_EQ(asked.title, "刪除資料");
        EXPECT_EQ(asked.icon, MessageBox::Exclamation);
        EXPECT_EQ(asked.buttons, MessageBox::Yes | MessageBox::No);
    }
    EXPECT_EQ(borrowersInTable(), QStringList({"一", "三", "四", "六"}));
    EXPECT_EQ(shownBorrowers(), borrowersInTable());
    EXPECT_FALSE(h.isTicked(0) || h.isTicked(1) || h.isTicked(2) || h.isTicked(3));
    EXPECT_EQ(h.selectedRow(), 3);

    MessageBox::clearHistory();
    h.trigger(MainMenuItems::deleteTicked);
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, "請先勾選要刪除的記錄");
    EXPECT_EQ(MessageBox::history()[0].title, "注意");
    EXPECT_EQ(borrowersInTable().size(), 4);
}

TEST_F(RecordCommands, DeleteUnderACategoryKeepsTheOtherCategories)
{
    h.writeListFile(DataFiles::Categories, {"甲", "乙"});
    addNamed({"一"}, "甲");
    addNamed({"二", "三"}, "乙");
    addNamed({"四"}, "甲");
    h.start();
    h.chooseCategory("乙");
    h.click(MainWindowControls::selectAllButton); // tick every shown row
    h.trigger(MainMenuItems::deleteTicked);
    EXPECT_EQ(borrowersInTable(), QStringList({"一", "四"}));
    EXPECT_EQ(h.rows(), 0);
    EXPECT_TRUE(h.statusText().startsWith(" 共 0 筆資料"));
}

TEST_F(RecordCommands, ClearRemovesEveryReturnedRecordShownOrNot)
{
    h.writeListFile(DataFiles::Categories, {"甲", "乙"});
    h.addRecord("2026/01/01", "借出", "甲", "一", "", "", "", "已歸還");
    h.addRecord("2026/01/01", "借入", "乙", "二", "", "", "", "2024/01/05");
    h.addRecord("2026/01/01", "借入", "乙", "三", "", "", "", "已歸還");
    h.addRecord("2026/01/01", "借出", "甲", "四", "", "", "", "未歸還");
    h.addRecord("DeleteData", "借出", "甲", "五", "", "", "", "未歸還");
    h.start();
    h.chooseCategory("甲");
    h.click(MainWindowControls::statusNotReturned); // 未歸還 only: no returned record is shown
    h.trigger(MainMenuItems::clearReturned);
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, "確定清除已歸還資料嗎？");
    EXPECT_EQ(MessageBox::history()[0].title, "刪除資料");
    EXPECT_EQ(borrowersInTable(), QStringList({"二", "四"}));
    EXPECT_EQ(shownBorrowers(), QStringList{"四"});
    EXPECT_EQ(h.selectedRow(), 0);
}

// ---- export ------------------------------------------------------------------------------

TEST_F(RecordCommands, ExportWritesTheShownRowsToAFileNamedAfterTheDirection)
{
    h.addRecord("2026/01/02", "借出", "書", "王小明", "小說", "", "", "未歸還");
    h.addRecord("2026/01/03", "借入", "書", "李大華", "字典", "", "", "已歸還");
    h.start();
    const QByteArray header = big5("日期,類別,分類,借用人,借用內容,金額,預計歸還日,狀態\r\n");
    h.click(MainWindowControls::directionLentOut);
    h.trigger(MainMenuItems::exportShown);
    EXPECT_EQ(h.dir().read("借出.csv"),
              header + big5("2026/01/02,借出,書,王小明,小說,,,未歸還\r\n"));
    ASSERT_EQ(MessageBox::history().size(), 1);
    const MessageBox::Shown& told = MessageBox::history()[0];
    EXPECT_EQ(told.title, "Tovi");
    EXPECT_EQ(told.text, "匯出完成，檔案已存至 " + h.dir().path("借出.csv"));
    EXPECT_EQ(told.icon, MessageBox::NoIcon);
    EXPECT_EQ(told.buttons, MessageBox::Buttons(MessageBox::Ok));

    h.click(MainWindowControls::directionAll);
    h.click(MainWindowControls::statusNotReturned);
    h.trigger(MainMenuItems::exportShown);
    EXPECT_EQ(h.dir().read("全部.csv"),
              header + big5("2026/01/02,借出,書,王小明,小說,,,未歸還\r\n"));

    // A folder standing where the file should go cannot be replaced by it.
    MessageBox::clearHistory();
    ASSERT_TRUE(QDir(h.dir().dir()).mkdir("借入.csv"));
    h.click(MainWindowControls::directionBorrowedIn);
    h.trigger(MainMenuItems::exportShown);
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].title, "注意");
    EXPECT_EQ(MessageBox::history()[0].text,
              "無法匯出到 " + h.dir().path("借入.csv") + "（這是一個資料夾，不是檔案）");
}

} // namespace
