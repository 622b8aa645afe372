#include "EditorDriver.h"

#include "platform/MessageBox.h"
#include "store/DateText.h"
#include "support/MainFormHarness.h"

#include <QTest>

namespace {

const QString kWarning = QStringLiteral("注意");

class InputFormTest : public ::testing::Test
{
protected:
    MainFormHarness h;

    MainForm& start() { return h.start(); }
    const RecordTable& table() { return h.store().records; }

    QStringList messages() const
    {
        QStringList texts;
        for (const MessageBox::Shown& shown : MessageBox::history())
            texts.append(shown.text);
        return texts;
    }
};

// ---- the dialog as built -------------------------------------------------------------------

TEST_F(InputFormTest, FocusStartsInTheCategoryBoxAndTabFollowsTheDesignedOrder)
{
    MainForm& f = start();
    InputForm form(f);
    EXPECT_EQ(form.focusWidget(), form.Combo1());

    QStringList order;
    QWidget* w = form.Combo1();
    do {
        if (w->parentWidget() == &form && (w->focusPolicy() & Qt::TabFocus))
            order.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != form.Combo1());
    EXPECT_EQ(order, QStringList({"Combo1", "Text1", "Text2", "Command1", "Command2", "Option1",
                                  "Option2", "Check1", "Text0", "Command3", "Check2", "Check3",
                                  "Command4", "Text4", "Text3", "Text5"}));
}

// ---- checks --------------------------------------------------------------------------------

TEST_F(InputFormTest, ReportsOnlyTheFirstFaultInTheFixedOrder)
{
    MainForm& f = start();
    onNextEditor([](InputForm& form) {
        form.Text0()->clear();
        form.Text3()->setText(QStringLiteral("2026/13/01"));
        form.Text4()->setText(QStringLiteral("x"));
        form.Text1()->clear();
        form.Command1()->click();
        form.Text3()->clear();
        form.Command1()->click();
        form.Text4()->clear();
        form.Command1()->click();
        form.Text0()->setText(QStringLiteral("2026/1/5"));
        form.Command1()->click();
    });
    RecordCommands::Data_New_Click(f);
    EXPECT_EQ(messages(),
              QStringList({"預計歸還日不是正確的日期格式", "已歸還日期不是正確的日期格式",
                           "日期欄位不是正確的日期格式", "借用人未輸入"}));
    for (const MessageBox::Shown& shown : MessageBox::history()) {
        EXPECT_EQ(shown.title, kWarning);
        EXPECT_EQ(shown.icon, MessageBox::Exclamation);
        EXPECT_EQ(shown.buttons, MessageBox::Buttons(MessageBox::Ok));
    }
    EXPECT_EQ(table().count(), 0);
}

TEST_F(InputFormTest, RemovedQuotesStayRemovedAfterAFailedCheck)
{
    MainForm& f = start();
    QString borrower, content, category;
    onNextEditor([&](InputForm& form) {
        form.Text1()->setText(QStringLiteral("王\"小明"));
        form.Text2()->setPlainText(QStringLiteral("\"筆\"電"));
        form.Combo1()->setEditText(QStringLiteral("工\"具"));
        form.Text0()->setText(QStringLiteral("壞日期"));
        form.Command1()->click();
        borrower = form.Text1()->text();
        content = form.Text2()->toPlainText();
        category = form.Combo1()->currentText();
    });
    RecordCommands::Data_New_Click(f);
    EXPECT_EQ(messages(), QStringList({"日期欄位不是正確的日期格式"}));
    EXPECT_EQ(borrower, QStringLiteral("王小明"));
    EXPECT_EQ(content, QStringLiteral("筆電"));
    EXPECT_EQ(category, QStringLiteral("工具"));
    EXPECT_EQ(table().count(), 0);
}

TEST_F(InputFormTest, ABorrowerOfQuotesAloneCountsAsMissing)
{
    MainForm& f = start();
    QString left;
    onNextEditor([&](InputForm& form) {
        form.Text1()->setText(QStringLiteral("\"\"\""));
        form.Command1()->click();
        left = form.Text1()->text();
    });
    RecordCommands::Data_New_Click(f);
    EXPECT_EQ(messages(), QStringList({"借用人未輸入"}));
    EXPECT_TRUE(left.isEmpty());
}

TEST_F(InputFormTest, AFullTableRefusesNewRecordsButStillAllowsEditing)
{
    for (int i = 1; i <= RecordTable::Capacity; ++i)
        h.addRecord("2026/01/01", "借出", "", QString::number(i), "", "", "", "未歸還");
    MainForm& f = start();

    EXPECT_FALSE(enterNew(f));
    EXPECT_EQ(messages(),
              QStringList({"最多只能新增 10000 筆資料，請刪除已歸還的過時資料以清出空間"}));
    EXPECT_EQ(table().RecordNext(), RecordTable::Capacity + 1);

    f.selectRow(0);
    onNextEditor([](InputForm& form) {
        form.Text1()->setText(QStringLiteral("改過"));
        form.Command1()->click();
    });
    RecordCommands::ListView1_DblClick(f);
    EXPECT_EQ(table()[1].Borrower, QStringLiteral("改過"));
    EXPECT_EQ(MessageBox::history().size(), 1);
}

TEST_F(InputFormTest, TextOutsideTheCodePageIsRefusedAndNothingStored)
{
    MainForm& f = start();
    const QString emoji = QStringLiteral("😀");
    EXPECT_FALSE(enterNew(f, [&](InputForm& form) { form.Combo1()->setEditText(emoji); }));
    EXPECT_FALSE(enterNew(f, [&](InputForm& form) { form.Text1()->setText(emoji); }));
    EXPECT_FALSE(enterNew(f, [&](InputForm& form) { form.Text2()->setPlainText("筆" + emoji); }));
    EXPECT_EQ(messages(), QStringList({"分類含有無法儲存的字元", "借用人含有無法儲存的字元",
                                       "借用內容含有無法儲存的字元"}));
    EXPECT_EQ(table().count(), 0);
    EXPECT_EQ(h.rows(), 0);
}

// ---- what is stored ------------------------------------------------------------------------

TEST_F(InputFormTest, StoresTheEntryAsTypedWithItsDatesInTheStoredForm)
{
    h.writeListFile(DataStore::TypeFileName, {"Books"});
    MainForm& f = start();
    ASSERT_TRUE(enterNew(f, [](InputForm& form) {
        form.Text0()->setText(QStringLiteral("2026/3/4"));
        form.Option2()->setChecked(true);
        // Typed over the preset category, the beginning of a category is not completed to it.
        QTest::keyClick(form.Combo1(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form.Combo1(), "book");
        form.Text2()->setPlainText(QStringLiteral("筆\n尺"));
        form.Text3()->setText(QStringLiteral("2026/12/1"));
    }));
    const LoanRecord expected{"2026/03/04", "借入", "book",       "王小明",
                              "筆\r\n尺",   "",     "2026/12/01", "未歸還"};
    EXPECT_EQ(lastRecord(table()), expected);
}

TEST_F(InputFormTest, StatusFollowsTheTickAndTheReturnDateBox)
{
    MainForm& f = start();
    auto statusOf = [&](bool ticked, const QString& returnDate) {
        enterNew(f, [&](InputForm& form) {
            form.Check1()->setChecked(ticked);
            form.Text4()->setText(returnDate);
        });
        return lastRecord(table()).Status;
    };
    EXPECT_EQ(statusOf(false, "2026/3/4"), QStringLiteral("未歸還"));
    EXPECT_EQ(statusOf(true, ""), QStringLiteral("已歸還"));
    EXPECT_EQ(statusOf(true, "2026/3/4"), QStringLiteral("2026/03/04"));
    EXPECT_EQ(table().count(), 3);
    // An invalid return date is refused even when the tick is off.
    EXPECT_FALSE(enterNew(f, [](InputForm& form) { form.Text4()->setText("3月4日"); }));
    EXPECT_EQ(messages(), QStringList({"已歸還日期不是正確的日期格式"}));
}

TEST_F(InputFormTest, TickingFillsTheReturnDateWithTodayAndUntickingEmptiesIt)
{
    MainForm& f = start();
    QString ticked, unticked;
    onNextEditor([&](InputForm& form) {
        form.Text4()->setText(QStringLiteral("舊的"));
        form.Check1()->setChecked(true);
        ticked = form.Text4()->text();
        form.Check1()->click();
        unticked = form.Text4()->text();
    });
    RecordCommands::Data_New_Click(f);
    EXPECT_EQ(ticked, DateText::today());
    EXPECT_TRUE(unticked.isEmpty());
}

TEST_F(InputFormTest, AmountIsReadAsANumberAndWrittenBack)
{
    MainForm& f = start();
    const QList<std::pair<QString, QString>> cases{{"", ""},        {"1,500", "1"}, {"30元", "30"},
                                                   {"2.50", "2.5"}, {"abc", "0"},   {"  ", "0"}};
    for (const auto& [typed, stored] : cases) {
        ASSERT_TRUE(enterNew(f, [&](InputForm& form) { form.Text5()->setText(typed); }));
        EXPECT_EQ(lastRecord(table()).Amount, stored) << typed.toStdString();
    }
}

TEST_F(InputFormTest, CancelLeavesTablesAndListUntouched)
{
    h.addRecord("2026/01/01", "借出", "", "甲", "", "", "", "未歸還");
    MainForm& f = start();
    const QString status = f.statusText();
    onNextEditor([](InputForm& form) {
        form.Text1()->setText(QStringLiteral("乙"));
        form.Check2()->setChecked(true);
        form.Check3()->setChecked(true);
        form.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    });
    RecordCommands::Data_New_Click(f);
    EXPECT_EQ(table().count(), 1);
    EXPECT_EQ(h.store().AffairList.count(), 0);
    EXPECT_EQ(h.store().BorrowerList.count(), 0);
    EXPECT_EQ(h.rows(), 1);
    EXPECT_EQ(f.statusText(), status);
}

// ---- the reference lists -------------------------------------------------------------------

TEST_F(InputFormTest, TickedNamesJoinTheirListsEvenWhenAlreadyThere)
{
    MainForm& f = start();
    for (int i = 0; i < 2; ++i) {
        enterNew(f, [](InputForm& form) {
            form.Text2()->setPlainText(QStringLiteral("雨傘"));
            form.Check2()->setChecked(true);
            form.Check3()->setChecked(true);
        });
    }
    EXPECT_EQ(h.store().AffairList.names(), QStringList({"雨傘", "雨傘"}));
    EXPECT_EQ(h.store().BorrowerList.names(), QStringList({"王小明", "王小明"}));
}

TEST_F(InputFormTest, AFullItemListKeepsTheRecordButNotTheName)
{
    MainForm& f = start();
    QStringList items;
    for (int i = 0; i < h.store().AffairList.capacity(); ++i)
        items.append(QString::number(i));
    h.store().AffairList.assign(items);

    EXPECT_TRUE(enterNew(f, [](InputForm& form) {
        form.Text2()->setPlainText(QStringLiteral("雨傘"));
        form.Check2()->setChecked(true);
        form.Check3()->setChecked(true);
    }));
    EXPECT_EQ(lastRecord(table()).Content, QStringLiteral("雨傘"));
    EXPECT_EQ(h.store().AffairList.names(), items);
    EXPECT_EQ(h.store().BorrowerList.names(), QStringList({"王小明"}));
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].title, kWarning);
    EXPECT_EQ(MessageBox::history()[0].text,
              QStringLiteral("最多只能增加2500筆物品，「雨傘」沒有加入物品清單"));
}

} // namespace
