#include "store/DateText.h"
#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/editor/ContentBox.h"
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

    // A content far longer than the content box shows at first, in every kind of line end.
    static QString longContent()
    {
        const QString ends[] = {"\r\n", "\n", "\r\n", "\r"};
        QString text;
        for (int line = 0; line < 8000; ++line)
            text += QStringLiteral("第%1行：借出的物品與金錢").arg(line) + ends[line % 4];
        return text;
    }

    static void fill(ContentBox* box)
    {
        for (int turn = 0; turn < 1000 && !box->isFilled(); ++turn)
            QCoreApplication::processEvents();
        EXPECT_TRUE(box->isFilled());
    }

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
    onNextDialog(RecordEditorControls::dialog, [&](QDialog& d) {
        QWidget* first = d.focusWidget();
        QWidget* w = first;
        do {
            if (w->parentWidget() == &d && (w->focusPolicy() & Qt::TabFocus))
                order.append(w->objectName());
            w = w->nextInFocusChain();
        } while (w != first);
    });
    h.trigger(MainMenuItems::newRecord);
    EXPECT_EQ(
        order,
        QStringList({RecordEditorControls::categoryBox, RecordEditorControls::borrowerBox,
                     RecordEditorControls::contentBox, RecordEditorControls::okButton,
                     RecordEditorControls::cancelButton, RecordEditorControls::lentOutButton,
                     RecordEditorControls::borrowedInButton, RecordEditorControls::returnedBox,
                     RecordEditorControls::dateBox, RecordEditorControls::pickItemsButton,
                     RecordEditorControls::addItemBox, RecordEditorControls::addBorrowerBox,
                     RecordEditorControls::pickBorrowerButton, RecordEditorControls::returnDateBox,
                     RecordEditorControls::dueDateBox, RecordEditorControls::amountBox}));
}

TEST_F(RecordEditor, ReportsOnlyTheFirstFaultInTheFixedOrder)
{
    h.start();
    EXPECT_FALSE(h.enterNew([](QDialog& d) {
        typeText(d, RecordEditorControls::dateBox, "");
        typeText(d, RecordEditorControls::dueDateBox, "2026/13/01");
        typeText(d, RecordEditorControls::returnDateBox, "x");
        typeText(d, RecordEditorControls::borrowerBox, "");
        clickButton(d, RecordEditorControls::okButton);
        typeText(d, RecordEditorControls::dueDateBox, "");
        clickButton(d, RecordEditorControls::okButton);
        typeText(d, RecordEditorControls::returnDateBox, "");
        clickButton(d, RecordEditorControls::okButton);
        typeText(d, RecordEditorControls::dateBox, "2026/1/5");
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
        typeText(d, RecordEditorControls::borrowerBox, "王\"小明");
        typeText(d, RecordEditorControls::contentBox, "\"筆\"電");
        typeText(d, RecordEditorControls::categoryBox, "工\"具");
        typeText(d, RecordEditorControls::dateBox, "壞日期");
        clickButton(d, RecordEditorControls::okButton);
        borrower = textOf(d, RecordEditorControls::borrowerBox);
        content = textOf(d, RecordEditorControls::contentBox);
        category = textOf(d, RecordEditorControls::categoryBox);
        typeText(d, RecordEditorControls::dateBox, "2026/1/5");
        typeText(d, RecordEditorControls::borrowerBox, "\"\"\"");
        clickButton(d, RecordEditorControls::okButton);
        quotesOnly = textOf(d, RecordEditorControls::borrowerBox);
        clickButton(d, RecordEditorControls::cancelButton);
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

    EXPECT_TRUE(
        h.editRow(0, [](QDialog& d) { typeText(d, RecordEditorControls::borrowerBox, "改過"); }));
    EXPECT_EQ(h.store().records()[1].Borrower, "改過");
    EXPECT_EQ(MessageBox::history().size(), 1);
}

TEST_F(RecordEditor, TextOutsideTheCodePageIsRefusedAndNothingStored)
{
    h.start();
    const QString emoji = "😀";
    for (const char* box : {RecordEditorControls::categoryBox, RecordEditorControls::borrowerBox,
                            RecordEditorControls::contentBox})
        EXPECT_FALSE(h.enterNew([&](QDialog& d) {
            typeText(d, box, "筆" + emoji);
            clickButton(d, RecordEditorControls::okButton);
            clickButton(d, RecordEditorControls::cancelButton);
        }));
    EXPECT_EQ(messages(), QStringList({"分類含有無法儲存的字元", "借用人含有無法儲存的字元",
                                       "借用內容含有無法儲存的字元"}));
    EXPECT_EQ(h.store().records().count(), 0);
    EXPECT_EQ(h.rows(), 0);
}

// A content read from a damaged file holds a character for the bytes that could not be read;
// left as it is, it is refused all the same.
TEST_F(RecordEditor, AnUnreadableCharacterLeftInTheContentIsRefused)
{
    h.dir().write(DataFiles::Records, big5("\"2026/01/01\",\"借出\",\"\",\"甲\",\"筆") + "\xA4" +
                                          big5("\",\"\",\"\",\"未歸還\"\r\n"));
    h.start();
    MessageBox::clearHistory();
    EXPECT_FALSE(h.editRow(0, [](QDialog& d) {
        clickButton(d, RecordEditorControls::okButton);
        clickButton(d, RecordEditorControls::cancelButton);
    }));
    EXPECT_EQ(messages(), QStringList({"借用內容含有無法儲存的字元"}));
}

// However far the content box has shown a long content when 變更 is pressed, the record keeps
// every byte of it: as it was while nothing was changed, else as the box holds it, whole, its
// line ends CR LF.
TEST_F(RecordEditor, ALongContentIsKeptWholeHoweverFarTheBoxHasShownIt)
{
    const QString content = longContent();
    h.addRecord("2026/01/01", "借出", "", "甲", content, "", "", "未歸還");
    h.start();
    auto storedAfter = [&](const std::function<void(ContentBox*)>& work) {
        EXPECT_TRUE(h.editRow(0, [&](QDialog& d) {
            work(control<ContentBox>(d, RecordEditorControls::contentBox));
        }));
        return h.store().records()[1].Content;
    };
    EXPECT_TRUE(storedAfter([](ContentBox* box) { EXPECT_FALSE(box->isFilled()); }) == content);
    EXPECT_TRUE(storedAfter(fill) == content);
    QString crLf = content;
    crLf.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    EXPECT_TRUE(storedAfter([](ContentBox* box) { insertText(box, "新"); }) == "新" + crLf);
    // Selecting all takes in what the box has not shown yet.
    EXPECT_TRUE(storedAfter([](ContentBox* box) { typeText(box, "全新"); }) == "全新");
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

// The session's end saves the records as they stand: an editor still filling its box changes
// nothing of them.
TEST_F(RecordEditor, ALongContentIsSavedWholeWhenTheSessionEndsWhileTheBoxFills)
{
    const QString content = longContent();
    h.addRecord("2026/01/01", "借出", "", "甲", content, "", "", "未歸還");
    h.start();
    onNextDialog(RecordEditorControls::dialog, [&](QDialog& d) {
        auto* box = control<ContentBox>(d, RecordEditorControls::contentBox);
        insertText(box, "新");
        EXPECT_FALSE(box->isFilled());
        h.window().endBySession();
    });
    h.doubleClickRow(0);
    ASSERT_TRUE(h.window().hasShutDown());
    DataStore saved(h.dir().dir());
    EXPECT_TRUE(saved.loadRecords().isEmpty());
    EXPECT_TRUE(saved.records()[1].Content == content);
}

TEST_F(RecordEditor, StoresTheEntryAsTypedWithDatesAndAmountInTheirStoredForms)
{
    h.writeListFile(DataFiles::Categories, {"Books"});
    h.start();
    ASSERT_TRUE(h.enterNew([](QDialog& d) {
        typeText(d, RecordEditorControls::dateBox, "2026/3/4");
        QTest::mouseClick(d.findChild<QRadioButton*>(RecordEditorControls::borrowedInButton),
                          Qt::LeftButton);
        // Typed over the preset category, the beginning of a category is not completed to it.
        QWidget* category = control<QWidget>(d, RecordEditorControls::categoryBox);
        QTest::keyClick(category, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(category, "book");
        typeText(d, RecordEditorControls::contentBox, "筆\n尺");
        typeText(d, RecordEditorControls::dueDateBox, "2026/12/1");
        typeText(d, RecordEditorControls::amountBox, "1,500");
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
                clickButton(d, RecordEditorControls::returnedBox);
                EXPECT_EQ(textOf(d, RecordEditorControls::returnDateBox), DateText::today())
                    << "ticking fills in today";
            }
            typeText(d, RecordEditorControls::returnDateBox, returnDate);
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
        typeText(d, RecordEditorControls::returnDateBox, "3月4日");
        clickButton(d, RecordEditorControls::okButton);
        clickButton(d, RecordEditorControls::returnedBox);
        clickButton(d, RecordEditorControls::returnedBox);
        unticked = textOf(d, RecordEditorControls::returnDateBox);
        clickButton(d, RecordEditorControls::cancelButton);
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
        clickButton(d, RecordEditorControls::addItemBox);
        clickButton(d, RecordEditorControls::addBorrowerBox);
        clickButton(d, RecordEditorControls::cancelButton);
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
            typeText(d, RecordEditorControls::contentBox, "雨傘");
            clickButton(d, RecordEditorControls::addItemBox);
            clickButton(d, RecordEditorControls::addBorrowerBox);
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
        typeText(d, RecordEditorControls::contentBox, "雨傘");
        clickButton(d, RecordEditorControls::addItemBox);
        clickButton(d, RecordEditorControls::addBorrowerBox);
    }));
    EXPECT_EQ(last().Content, "雨傘");
    EXPECT_EQ(h.store().lists().items.names(), items);
    EXPECT_EQ(h.store().lists().borrowers.names(), QStringList({"王小明"}));
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].title, "注意");
    EXPECT_EQ(MessageBox::history()[0].text, "最多只能增加2500筆物品，「雨傘」沒有加入物品清單");
}

} // namespace
