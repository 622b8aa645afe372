#include "store/DateText.h"
#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/widgets/MessageBox.h"

#include <QDialog>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RecordEditor : public ::testing::Test
{
protected:
    WindowHarness h;

    const LoanRecord& last() const { return h.store().records()[h.store().records().count()]; }

    static QStringList messages()
    {
        QStringList texts;
        for (const MessageBox::Shown& shown : MessageBox::history())
            texts.append(shown.text);
        return texts;
    }
};

TEST_F(RecordEditor, FocusStartsInTheCategoryBoxAndTabFollowsTheDesignedOrder)
{
    h.start();
    QStringList order;
    onNextDialog("InputForm", [&](QDialog& d) {
        QWidget* first = d.focusWidget();
        QWidget* w = first;
        do {
            if (w->parentWidget() == &d && (w->focusPolicy() & Qt::TabFocus))
                order.append(w->objectName());
            w = w->nextInFocusChain();
        } while (w != first);
    });
    h.trigger("Data_New");
    EXPECT_EQ(order, QStringList({"Combo1", "Text1", "Text2", "Command1", "Command2", "Option1",
                                  "Option2", "Check1", "Text0", "Command3", "Check2", "Check3",
                                  "Command4", "Text4", "Text3", "Text5"}));
}

TEST_F(RecordEditor, ReportsOnlyTheFirstFaultInTheFixedOrder)
{
    h.start();
    EXPECT_FALSE(h.enterNew([](QDialog& d) {
        typeText(d, "Text0", "");
        typeText(d, "Text3", "2026/13/01");
        typeText(d, "Text4", "x");
        typeText(d, "Text1", "");
        clickButton(d, "Command1");
        typeText(d, "Text3", "");
        clickButton(d, "Command1");
        typeText(d, "Text4", "");
        clickButton(d, "Command1");
        typeText(d, "Text0", "2026/1/5");
    }));
    EXPECT_EQ(messages(),
              QStringList({"預計歸還日不是正確的日期格式", "已歸還日期不是正確的日期格式",
                           "日期欄位不是正確的日期格式", "借用人未輸入"}));
    for (const MessageBox::Shown& shown : MessageBox::history()) {
        EXPECT_EQ(shown.title, "注意");
        EXPECT_EQ(shown.icon, MessageBox::Exclamation);
        EXPECT_EQ(shown.buttons, MessageBox::Buttons(MessageBox::Ok));
    }
    EXPECT_EQ(h.store().records().count(), 0);
}

TEST_F(RecordEditor, RemovedQuotesStayRemovedAfterAFailedCheck)
{
    h.start();
    QString borrower, content, category, quotesOnly;
    EXPECT_FALSE(h.enterNew([&](QDialog& d) {
        typeText(d, "Text1", "王\"小明");
        typeText(d, "Text2", "\"筆\"電");
        typeText(d, "Combo1", "工\"具");
        typeText(d, "Text0", "壞日期");
        clickButton(d, "Command1");
        borrower = textOf(d, "Text1");
        content = textOf(d, "Text2");
        category = textOf(d, "Combo1");
        typeText(d, "Text0", "2026/1/5");
        typeText(d, "Text1", "\"\"\"");
        clickButton(d, "Command1");
        quotesOnly = textOf(d, "Text1");
        clickButton(d, "Command2");
    }));
    EXPECT_EQ(messages(), QStringList({"日期欄位不是正確的日期格式", "借用人未輸入"}));
    EXPECT_EQ(borrower, "王小明");
    EXPECT_EQ(content, "筆電");
    EXPECT_EQ(category, "工具");
    EXPECT_TRUE(quotesOnly.isEmpty());
    EXPECT_EQ(h.store().records().count(), 0);
}

TEST_F(RecordEditor, AFullTableRefusesNewRecordsButStillAllowsEditing)
{
    for (int i = 1; i <= RecordTable::Capacity; ++i)
        h.addRecord("2026/01/01", "借出", "", QString::number(i), "", "", "", "未歸還");
    h.start();
    EXPECT_FALSE(h.enterNew());
    EXPECT_EQ(messages(),
              QStringList({"最多只能新增 10000 筆資料，請刪除已歸還的過時資料以清出空間"}));
    EXPECT_EQ(h.store().records().count(), RecordTable::Capacity);

    EXPECT_TRUE(h.editRow(0, [](QDialog& d) { typeText(d, "Text1", "改過"); }));
    EXPECT_EQ(h.store().records()[1].Borrower, "改過");
    EXPECT_EQ(MessageBox::history().size(), 1);
}

TEST_F(RecordEditor, TextOutsideTheCodePageIsRefusedAndNothingStored)
{
    h.start();
    const QString emoji = "😀";
    for (const char* box : {"Combo1", "Text1", "Text2"})
        EXPECT_FALSE(h.enterNew([&](QDialog& d) {
            typeText(d, box, "筆" + emoji);
            clickButton(d, "Command1");
            clickButton(d, "Command2");
        }));
    EXPECT_EQ(messages(), QStringList({"分類含有無法儲存的字元", "借用人含有無法儲存的字元",
                                       "借用內容含有無法儲存的字元"}));
    EXPECT_EQ(h.store().records().count(), 0);
    EXPECT_EQ(h.rows(), 0);
}

TEST_F(RecordEditor, StoresTheEntryAsTypedWithDatesAndAmountInTheirStoredForms)
{
    h.writeListFile(DataFiles::Categories, {"Books"});
    h.start();
    ASSERT_TRUE(h.enterNew([](QDialog& d) {
        typeText(d, "Text0", "2026/3/4");
        QTest::mouseClick(d.findChild<QRadioButton*>("Option2"), Qt::LeftButton);
        // Typed over the preset category, the beginning of a category is not completed to it.
        QWidget* category = control<QWidget>(d, "Combo1");
        QTest::keyClick(category, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(category, "book");
        typeText(d, "Text2", "筆\n尺");
        typeText(d, "Text3", "2026/12/1");
        typeText(d, "Text5", "1,500");
    }));
    const LoanRecord expected{"2026/03/04", "借入", "book",       "王小明",
                              "筆\r\n尺",   "1",    "2026/12/01", "未歸還"};
    EXPECT_EQ(last(), expected);
}

TEST_F(RecordEditor, StatusFollowsTheTickAndTheReturnDateBox)
{
    h.start();
    auto statusOf = [&](bool tick, const QString& returnDate) {
        h.enterNew([&](QDialog& d) {
            if (tick) {
                clickButton(d, "Check1");
                EXPECT_EQ(textOf(d, "Text4"), DateText::today()) << "ticking fills in today";
            }
            typeText(d, "Text4", returnDate);
        });
        return last().Status;
    };
    EXPECT_EQ(statusOf(false, "2026/3/4"), "未歸還");
    EXPECT_EQ(statusOf(true, ""), "已歸還");
    EXPECT_EQ(statusOf(true, "2026/3/4"), "2026/03/04");
    EXPECT_EQ(h.store().records().count(), 3);
    // An invalid return date is refused even when the tick is off; unticking empties the box.
    QString unticked;
    EXPECT_FALSE(h.enterNew([&](QDialog& d) {
        typeText(d, "Text4", "3月4日");
        clickButton(d, "Command1");
        clickButton(d, "Check1");
        clickButton(d, "Check1");
        unticked = textOf(d, "Text4");
        clickButton(d, "Command2");
    }));
    EXPECT_EQ(messages(), QStringList({"已歸還日期不是正確的日期格式"}));
    EXPECT_TRUE(unticked.isEmpty());
}

TEST_F(RecordEditor, CancelLeavesTablesAndListUntouched)
{
    h.addRecord("2026/01/01", "借出", "", "甲", "", "", "", "未歸還");
    h.start();
    const QString status = h.statusText();
    EXPECT_FALSE(h.enterNew([](QDialog& d) {
        clickButton(d, "Check2");
        clickButton(d, "Check3");
        clickButton(d, "Command2");
    }));
    EXPECT_EQ(h.store().records().count(), 1);
    EXPECT_EQ(h.store().lists().items.count(), 0);
    EXPECT_EQ(h.store().lists().borrowers.count(), 0);
    EXPECT_EQ(h.rows(), 1);
    EXPECT_EQ(h.statusText(), status);
}

TEST_F(RecordEditor, TickedNamesJoinTheirListsEvenWhenAlreadyThere)
{
    h.start();
    for (int i = 0; i < 2; ++i) {
        h.enterNew([](QDialog& d) {
            typeText(d, "Text2", "雨傘");
            clickButton(d, "Check2");
            clickButton(d, "Check3");
        });
    }
    EXPECT_EQ(h.store().lists().items.names(), QStringList({"雨傘", "雨傘"}));
    EXPECT_EQ(h.store().lists().borrowers.names(), QStringList({"王小明", "王小明"}));
}

TEST_F(RecordEditor, AFullItemListKeepsTheRecordButNotTheName)
{
    QStringList items;
    for (int i = 0; i < 2500; ++i)
        items.append(QString::number(i));
    h.writeListFile(DataFiles::Items, items);
    h.start();
    EXPECT_TRUE(h.enterNew([](QDialog& d) {
        typeText(d, "Text2", "雨傘");
        clickButton(d, "Check2");
        clickButton(d, "Check3");
    }));
    EXPECT_EQ(last().Content, "雨傘");
    EXPECT_EQ(h.store().lists().items.names(), items);
    EXPECT_EQ(h.store().lists().borrowers.names(), QStringList({"王小明"}));
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].title, "注意");
    EXPECT_EQ(MessageBox::history()[0].text, "最多只能增加2500筆物品，「雨傘」沒有加入物品清單");
}

} // namespace
