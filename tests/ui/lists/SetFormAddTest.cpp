#include "ListEditorDriver.h"

#include "platform/MessageBox.h"
#include "support/MainFormHarness.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace {

QStringList numbered(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append("名" + QString::number(i));
    return names;
}

TEST(SetFormAddTest, EachListStopsAtItsLimit)
{
    const struct
    {
        void (MainForm::*command)();
        NameList DataStore::*list;
        int limit;
        QString prompt;
        QString full;
    } cases[] = {
        {&MainForm::Set_Type_Click, &DataStore::TypeList, 500, "請輸入您要新增的分類名稱",
         "最多只能增加500筆分類"},
        {&MainForm::Set_Affair_Click, &DataStore::AffairList, 2500, "請輸入您要新增的物品名稱",
         "最多只能增加2500筆物品"},
        {&MainForm::Set_Borrower_Click, &DataStore::BorrowerList, 500, "請輸入您要新增的借用人名稱",
         "最多只能增加500筆借用人"},
    };
    for (const auto& c : cases) {
        MainFormHarness h;
        MainForm& f = h.start();
        (h.store().*c.list).assign(numbered(c.limit - 1));
        MessageBox::clearHistory();
        MessageBox::setNextInput("新名");
        MessageBox::setNextInput("不該問到");
        runListEditor(f, c.command, [&](SetForm& e) {
            clickButton(e, "Command2");
            EXPECT_EQ(e.List1()->count(), c.limit);
            EXPECT_EQ(entriesOf(e).last(), "新名");
            EXPECT_EQ(selectedEntry(e), c.limit - 1);
            clickButton(e, "Command2");
            EXPECT_EQ(e.List1()->count(), c.limit);
        });
        const QList<MessageBox::Shown>& shown = MessageBox::history();
        ASSERT_EQ(shown.size(), 2) << c.full.toStdString();
        EXPECT_TRUE(shown[0].isInput);
        EXPECT_EQ(shown[0].text, c.prompt);
        EXPECT_EQ(shown[0].title, "新增");
        EXPECT_EQ(shown[0].defaultText, "");
        EXPECT_FALSE(shown[1].isInput);
        EXPECT_EQ(shown[1].text, c.full);
        EXPECT_EQ(shown[1].title, "注意");
        EXPECT_EQ(shown[1].icon, MessageBox::Exclamation);
    }
}

TEST(SetFormAddTest, EmptyAnswerCancelOrOnlyQuotesAddNothing)
{
    MainFormHarness h;
    MainForm& f = h.start();
    h.store().TypeList.assign({"甲"});
    MessageBox::setNextInput("");
    MessageBox::setNextInput("\"\"");
    runListEditor(f, &MainForm::Set_Type_Click, [&](SetForm& e) {
        selectEntry(e, 0);
        clickButton(e, "Command2");
        clickButton(e, "Command2");
        clickButton(e, "Command2"); // Cancel: the box's empty default text
        EXPECT_EQ(entriesOf(e), QStringList{"甲"});
        EXPECT_EQ(selectedEntry(e), 0);
    });
    ASSERT_EQ(MessageBox::history().size(), 3);
    for (const MessageBox::Shown& s : MessageBox::history())
        EXPECT_TRUE(s.isInput);
}

TEST(SetFormAddTest, DuplicatesAreKeptAndQuotesTakenOut)
{
    MainFormHarness h;
    MainForm& f = h.start();
    h.store().TypeList.assign({"書"});
    MessageBox::setNextInput("書");
    MessageBox::setNextInput("\"漫畫\"書");
    runListEditor(f, &MainForm::Set_Type_Click, [&](SetForm& e) {
        clickButton(e, "Command2");
        clickButton(e, "Command2");
        clickButton(e, "Command1");
    });
    EXPECT_EQ(h.store().TypeList.names(), QStringList({"書", "書", "漫畫書"}));
    EXPECT_EQ(h.dir().read(DataStore::TypeFileName), big5("\"書\"\r\n\"書\"\r\n\"漫畫書\"\r\n"));
}

TEST(SetFormAddTest, NamesOutsideTheCodePageAreRefused)
{
    MainFormHarness h;
    h.writeRecordFile({loan("書")});
    h.writeListFile(DataStore::TypeFileName, {"書"});
    MainForm& f = h.start();
    MessageBox::setNextInput("筆記本😀");
    MessageBox::setNextInput("한글");
    runListEditor(f, &MainForm::Set_Type_Click, [&](SetForm& e) {
        clickButton(e, "Command2");
        selectEntry(e, 0);
        clickButton(e, "Command3");
        EXPECT_EQ(entriesOf(e), QStringList{"書"});
    });
    EXPECT_EQ(h.store().records[1].Category, "書");
    const QList<MessageBox::Shown>& shown = MessageBox::history();
    ASSERT_EQ(shown.size(), 4);
    for (int i : {1, 3}) {
        EXPECT_FALSE(shown[i].isInput);
        EXPECT_EQ(shown[i].title, "注意");
        EXPECT_TRUE(shown[i].text.contains("無法儲存"));
    }
}

} // namespace
