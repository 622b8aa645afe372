#include "support/Dialogs.h"
#include "support/RepaintWatch.h"
#include "support/WindowHarness.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QSpontaneKeyEvent>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

LoanRecord loan(const QString& category, const QString& direction = "借出",
                const QString& name = "王小明")
{
    return {"2024/03/01", direction, category, name, name, {}, {}, "未歸還"};
}

QStringList categories(const RecordTable& records)
{
    QStringList list;
    for (int i : records.filledSlots())
        list.append(records[i].Category);
    return list;
}

QStringList numbered(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append("名" + QString::number(i));
    return names;
}

// Opens a list editor from its menu item and works it while it is open.
void runListEditor(const WindowHarness& h, const char* command,
                   const std::function<void(QDialog&, QListWidget*)>& work)
{
    onNextDialog(ListEditorControls::dialog, [&](QDialog& editor) {
        work(editor, control<QListWidget>(editor, ListEditorControls::list));
    });
    h.trigger(command);
    EXPECT_EQ(Modal::pendingHandlers(), 0) << "no list editor opened";
}

TEST(ListEditor, EachCommandShowsItsWholeListInAFixedWindowOnlyItsButtonCloses)
{
    WindowHarness h;
    h.writeListFile(DataFiles::Categories, {"乙", "全部", "甲"});
    h.writeListFile(DataFiles::Borrowers, {"王", "李"});
    h.start();
    const struct
    {
        const char* command;
        QString caption;
        QStringList names;
    } cases[] = {
        // Unlike the record editor's category box, a category named "全部" is shown.
        {MainMenuItems::editCategories, "設定分類選項", {"乙", "全部", "甲"}},
        {MainMenuItems::editItems, "設定物品清單", {}},
        {MainMenuItems::editBorrowers, "設定借用人名單", {"王", "李"}},
    };
    for (const auto& c : cases) {
        runListEditor(h, c.command, [&](QDialog& e, QListWidget* list) {
            EXPECT_EQ(e.windowTitle(), c.caption);
            EXPECT_EQ(entriesOf(list), c.names);
            EXPECT_EQ(selectedEntry(list), -1);
            EXPECT_EQ(e.size(), QSize(368, 312));
            EXPECT_EQ(e.minimumSize(), e.maximumSize());
            EXPECT_FALSE(e.windowFlags().testFlag(Qt::WindowCloseButtonHint));
            // Neither Escape nor the window system's close request (the frame's button, Alt+F4).
            QTest::keyClick(&e, Qt::Key_Escape);
            QCloseEvent request;
            QSpontaneKeyEvent::setSpontaneous(&request);
            qApp->notify(&e, &request); // sendEvent would take the request for the program's own
            EXPECT_TRUE(e.isVisible());
        });
    }
}

// ---- add ---------------------------------------------------------------------------------

TEST(ListEditor, EachListStopsAtItsLimit)
{
    const struct
    {
        const char* command;
        QString file;
        int limit;
        QString prompt;
        QString full;
    } cases[] = {
        {MainMenuItems::editCategories, DataFiles::Categories, 500, "請輸入您要新增的分類名稱",
         "最多只能增加500筆分類"},
        {MainMenuItems::editItems, DataFiles::Items, 2500, "請輸入您要新增的物品名稱",
         "最多只能增加2500筆物品"},
        {MainMenuItems::editBorrowers, DataFiles::Borrowers, 500, "請輸入您要新增的借用人名稱",
         "最多只能增加500筆借用人"},
    };
    for (const auto& c : cases) {
        WindowHarness h;
        h.writeListFile(c.file, numbered(c.limit - 1));
        h.start();
        MessageBox::clearHistory();
        MessageBox::setNextInput("新名");
        MessageBox::setNextInput("不該問到");
        runListEditor(h, c.command, [&](QDialog& e, QListWidget* list) {
            clickButton(e, ListEditorControls::addButton);
            EXPECT_EQ(list->count(), c.limit);
            EXPECT_EQ(entriesOf(list).last(), "新名");
            EXPECT_EQ(selectedEntry(list), c.limit - 1);
            clickButton(e, ListEditorControls::addButton);
            EXPECT_EQ(list->count(), c.limit);
        });
        const QList<MessageBox::Shown>& shown = MessageBox::history();
        ASSERT_EQ(shown.size(), 2) << c.full.toStdString();
        EXPECT_TRUE(shown[0].isInput);
        EXPECT_EQ(shown[0].text, c.prompt);
        EXPECT_EQ(shown[0].title, "新增");
        EXPECT_EQ(shown[0].defaultText, "");
        EXPECT_EQ(shown[1].text, c.full);
        EXPECT_EQ(shown[1].title, "注意");
        EXPECT_EQ(shown[1].icon, MessageBox::Exclamation);
    }
}

TEST(ListEditor, AddedNamesKeepDuplicatesLoseQuotesAndNeedTheCodePage)
{
    WindowHarness h;
    h.writeListFile(DataFiles::Categories, {"書"});
    h.writeRecordFile({loan("書")});
    h.start();
    // An empty answer (Cancel gives one) and an answer of quotes alone add nothing.
    for (const char* answer : {"", "\"\"", "書", "\"漫畫\"書", "筆記本😀", "한글"})
        MessageBox::setNextInput(answer);
    runListEditor(h, MainMenuItems::editCategories, [&](QDialog& e, QListWidget* list) {
        clickEntry(list, 0);
        for (int i = 0; i < 5; ++i)
            clickButton(e, ListEditorControls::addButton);
        clickEntry(list, 0);
        clickButton(e, ListEditorControls::renameButton); // a rename to 한글
        EXPECT_EQ(entriesOf(list), QStringList({"書", "書", "漫畫書"}));
        clickButton(e, ListEditorControls::doneButton);
    });
    EXPECT_EQ(h.store().lists().categories.names(), QStringList({"書", "書", "漫畫書"}));
    EXPECT_EQ(h.dir().read(DataFiles::Categories), big5("\"書\"\r\n\"書\"\r\n\"漫畫書\"\r\n"));
    EXPECT_EQ(h.store().records()[1].Category, "書");
    const QList<MessageBox::Shown>& shown = MessageBox::history();
    ASSERT_EQ(shown.size(), 8);
    for (int i : {5, 7}) {
        EXPECT_EQ(shown[i].title, "注意");
        EXPECT_EQ(shown[i].text, "名稱含有無法儲存的字元，請改用其他文字。");
    }
}

// ---- rename, delete, move ----------------------------------------------------------------

// Book records in both directions, one "book", and the filters showing only Pen lent out.
class Categories : public ::testing::Test
{
protected:
    void SetUp() override
    {
        h.writeListFile(DataFiles::Categories, {"Book", "Pen"});
        h.writeRecordFile({loan("Book"), loan("book"), loan("Book", "借入"), loan("Pen")});
        h.start();
        h.click(MainWindowControls::directionLentOut);
        h.chooseCategory("Pen");
        ASSERT_EQ(h.rows(), 1);
    }

    WindowHarness h;
};

TEST_F(Categories, RenameReachesHiddenRecordsAtOnceButNotOtherLetterCase)
{
    MessageBox::setNextInput("Books");
    runListEditor(h, MainMenuItems::editCategories, [&](QDialog& e, QListWidget* list) {
        clickEntry(list, 0);
        clickButton(e, ListEditorControls::renameButton);
        EXPECT_EQ(entriesOf(list), QStringList({"Books", "Pen"}));
        EXPECT_EQ(selectedEntry(list), 0);
        EXPECT_EQ(categories(h.store().records()), QStringList({"Books", "book", "Books", "Pen"}));
    });
    ASSERT_EQ(MessageBox::history().size(), 1);
    const MessageBox::Shown& box = MessageBox::history()[0];
    EXPECT_EQ(box.text, "要改成什麼名稱?");
    EXPECT_EQ(box.title, "更名");
    EXPECT_EQ(box.defaultText, "Book");
}

// The list behind the open editor shows the renamed category at once.
TEST_F(Categories, RenameRepaintsTheShownRecordsWhileTheEditorIsOpen)
{
    const RepaintWatch repainted(h.list()->model());
    MessageBox::setNextInput("Pens");
    runListEditor(h, MainMenuItems::editCategories, [&](QDialog& e, QListWidget* list) {
        clickEntry(list, 1);
        clickButton(e, ListEditorControls::renameButton);
        EXPECT_EQ(h.cell(0, 2), "Pens");
        EXPECT_TRUE(repainted.covers(0, 2, Qt::DisplayRole));
    });
}

TEST_F(Categories, DeleteMovesItsRecordsToUncategorisedOnlyOnYes)
{
    MessageBox::setNextAnswer(MessageBox::No);
    MessageBox::setNextAnswer(MessageBox::Yes);
    runListEditor(h, MainMenuItems::editCategories, [&](QDialog& e, QListWidget* list) {
        clickEntry(list, 0);
        clickButton(e, ListEditorControls::deleteButton);
        EXPECT_EQ(entriesOf(list), QStringList({"Book", "Pen"}));
        EXPECT_EQ(categories(h.store().records()).first(), "Book");
        clickButton(e, ListEditorControls::deleteButton);
        EXPECT_EQ(entriesOf(list), QStringList{"Pen"});
        EXPECT_EQ(selectedEntry(list), -1);
    });
    EXPECT_EQ(categories(h.store().records()), QStringList({"未分類", "book", "未分類", "Pen"}));
    ASSERT_EQ(MessageBox::history().size(), 2);
    for (const MessageBox::Shown& box : MessageBox::history()) {
        EXPECT_EQ(box.text, "這個分類的資料將會移到<未分類>，確定刪除這個分類嗎？");
        EXPECT_EQ(box.title, "刪除");
        EXPECT_EQ(box.buttons, MessageBox::Yes | MessageBox::No);
    }
}

TEST_F(Categories, WithoutASelectionNothingHappensAndNothingIsShown)
{
    runListEditor(h, MainMenuItems::editCategories, [&](QDialog& e, QListWidget* list) {
        // The current entry of a list box is not necessarily a selected one.
        list->setCurrentRow(1, QItemSelectionModel::NoUpdate);
        for (const char* button :
             {ListEditorControls::renameButton, ListEditorControls::deleteButton,
              ListEditorControls::moveUpButton, ListEditorControls::moveDownButton})
            clickButton(e, button);
        EXPECT_EQ(entriesOf(list), QStringList({"Book", "Pen"}));
    });
    EXPECT_TRUE(MessageBox::history().isEmpty());
    EXPECT_EQ(categories(h.store().records()), QStringList({"Book", "book", "Book", "Pen"}));
}

TEST(ListEditor, ItemAndBorrowerEditsLeaveEveryRecordAlone)
{
    WindowHarness h;
    // Every field that could be mistaken for the name holds it.
    h.writeRecordFile({loan("雨傘", "借出", "雨傘"), loan("王", "借入", "王")});
    h.writeListFile(DataFiles::Items, {"雨傘"});
    h.writeListFile(DataFiles::Borrowers, {"王"});
    h.start();
    const QByteArray before = h.dir().read(DataFiles::Records);
    for (const char* command : {MainMenuItems::editItems, MainMenuItems::editBorrowers}) {
        MessageBox::clearHistory();
        MessageBox::setNextInput("新名");
        runListEditor(h, command, [&](QDialog& e, QListWidget* list) {
            clickEntry(list, 0);
            clickButton(e, ListEditorControls::renameButton);
            EXPECT_EQ(entriesOf(list), QStringList{"新名"});
            clickButton(e, ListEditorControls::deleteButton);
            EXPECT_TRUE(entriesOf(list).isEmpty());
        });
        ASSERT_EQ(MessageBox::history().size(), 2);
        EXPECT_EQ(MessageBox::history()[1].text, command == QLatin1String(MainMenuItems::editItems)
                                                     ? "確定刪除這個物品嗎？"
                                                     : "確定刪除這個借用人嗎？");
        EXPECT_EQ(MessageBox::history()[1].title, "刪除");
    }
    ASSERT_TRUE(h.window().close());
    EXPECT_EQ(h.dir().read(DataFiles::Records), before);
}

TEST(ListEditor, MovesStopAtTheEndsAndTheFileKeepsTheShownOrder)
{
    WindowHarness h;
    h.writeListFile(DataFiles::Borrowers, {"甲", "乙", "丙"});
    h.start();
    runListEditor(h, MainMenuItems::editBorrowers, [&](QDialog& e, QListWidget* list) {
        clickEntry(list, 0);
        clickButton(e, ListEditorControls::moveUpButton);
        EXPECT_EQ(selectedEntry(list), 0);
        clickEntry(list, 2);
        clickButton(e, ListEditorControls::moveDownButton);
        EXPECT_EQ(selectedEntry(list), 2);
        EXPECT_EQ(entriesOf(list), QStringList({"甲", "乙", "丙"}));

        clickButton(e, ListEditorControls::moveUpButton);
        clickButton(e, ListEditorControls::moveUpButton);
        EXPECT_EQ(entriesOf(list), QStringList({"丙", "甲", "乙"}));
        EXPECT_EQ(selectedEntry(list), 0);
        clickButton(e, ListEditorControls::moveDownButton);
        EXPECT_EQ(entriesOf(list), QStringList({"甲", "丙", "乙"}));
        EXPECT_EQ(selectedEntry(list), 1);
        clickButton(e, ListEditorControls::doneButton);
    });
    EXPECT_EQ(h.dir().read(DataFiles::Borrowers), big5("\"甲\"\r\n\"丙\"\r\n\"乙\"\r\n"));
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

// ---- done --------------------------------------------------------------------------------

TEST(ListEditor, DoneWritesEachListFileByteForByteAndCloses)
{
    WindowHarness h;
    h.writeListFile(DataFiles::Categories, {"書籍", "3C, 電子"});
    h.writeListFile(DataFiles::Items, {"雨傘", "甲"});
    h.writeListFile(DataFiles::Borrowers, {" 陳大文 "});
    h.start();
    const struct
    {
        const char* command;
        QString file;
        QByteArray bytes;
    } cases[] = {
        {MainMenuItems::editCategories, "Type.csv", big5("\"書籍\"\r\n\"3C, 電子\"\r\n")},
        {MainMenuItems::editItems, "Affair.csv", {}}, // emptied
        {MainMenuItems::editBorrowers, "Borrower.csv", big5("\" 陳大文 \"\r\n")},
    };
    // Removed, so that only a write brings them back.
    QFile::remove(h.dir().path("Type.csv"));
    QFile::remove(h.dir().path("Borrower.csv"));
    for (const auto& c : cases) {
        runListEditor(h, c.command, [&](QDialog& e, QListWidget* list) {
            while (c.bytes.isEmpty() && list->count() > 0) {
                clickEntry(list, 0);
                clickButton(e, ListEditorControls::deleteButton);
            }
            clickButton(e, ListEditorControls::doneButton);
            EXPECT_FALSE(e.isVisible());
            EXPECT_EQ(e.result(), QDialog::Accepted);
        });
        ASSERT_TRUE(h.dir().exists(c.file));
        EXPECT_EQ(h.dir().read(c.file), c.bytes) << c.file.toStdString();
    }
    EXPECT_EQ(h.store().lists().items.count(), 0);
    EXPECT_EQ(MessageBox::history().size(), 2) << "the two deletions' questions alone";
}

// Another program may write a list file while the editor is open: "完成" keeps that version
// beside it, byte for byte, and says so, before it writes the list. A file as the program last
// wrote it is written over without a word.
TEST(ListEditor, DoneKeepsAListFileChangedOutsideBesideItFirst)
{
    WindowHarness h;
    const QByteArray outside = big5("\"甲\"\r\n\"乙\"\r\n\"外部新增一\"\r\n\"外部新增二\"\r\n");
    const struct
    {
        const char* command;
        QString file;
        NameList ReferenceLists::*list;
    } cases[] = {
        {MainMenuItems::editCategories, DataFiles::Categories, &ReferenceLists::categories},
        {MainMenuItems::editItems, DataFiles::Items, &ReferenceLists::items},
        {MainMenuItems::editBorrowers, DataFiles::Borrowers, &ReferenceLists::borrowers},
    };
    for (const auto& c : cases)
        h.writeListFile(c.file, {"甲", "乙"});
    h.start();
    for (const auto& c : cases) {
        for (const bool changed : {true, false}) {
            SCOPED_TRACE(c.file.toStdString() + (changed ? " changed" : " as last written"));
            MessageBox::clearHistory();
            MessageBox::setNextInput("NEWNAME");
            runListEditor(h, c.command, [&](QDialog& e, QListWidget*) {
                clickButton(e, ListEditorControls::addButton);
                if (changed)
                    h.dir().write(c.file, outside);
                clickButton(e, ListEditorControls::doneButton);
            });
            EXPECT_EQ(h.dir().read(c.file),
                      big5("\"" + (h.store().lists().*c.list).names().join("\"\r\n\"") + "\"\r\n"));
            EXPECT_EQ(h.dir().read(c.file + ".bak"), outside);
            EXPECT_FALSE(h.dir().exists(c.file + ".bak2"));
            ASSERT_EQ(MessageBox::history().size(), changed ? 2 : 1) << "the name's input box";
            EXPECT_TRUE(!changed ||
                        MessageBox::history().at(1).text.contains(h.dir().path(c.file) + ".bak"));
        }
    }
}

TEST(ListEditor, DoneOnTheCategoriesRebuildsTheFilterAndTheRecordList)
{
    WindowHarness h;
    h.writeListFile(DataFiles::Categories, {"Book", "Pen"});
    h.writeRecordFile({loan("Book"), loan("Pen", "借入"), loan("Pen"), loan("Cup")});
    h.start();
    h.click(MainWindowControls::directionLentOut);
    h.chooseCategory("Book");
    ASSERT_EQ(h.rows(), 1);
    MessageBox::setNextInput("Tea");
    runListEditor(h, MainMenuItems::editCategories, [&](QDialog& e, QListWidget* list) {
        clickEntry(list, 1);
        clickButton(e, ListEditorControls::deleteButton);
        clickButton(e, ListEditorControls::addButton);
        clickButton(e, ListEditorControls::doneButton);
    });
    EXPECT_EQ(h.categoryEntries(), QStringList({"全部", "Book", "Tea", "未分類"}));
    EXPECT_EQ(h.categoryFilter()->currentText(), "全部");
    EXPECT_EQ(h.checkedOption(MainWindowControls::directionFilter), 1);
    // Every category lent out, the deleted one's record now shown as "未分類".
    ASSERT_EQ(h.rows(), 3);
    EXPECT_EQ(h.cell(0, 2), "Book");
    EXPECT_EQ(h.cell(1, 2), "未分類");
    EXPECT_EQ(h.cell(2, 2), "Cup");
    EXPECT_EQ(h.selectedRow(), 2);
}

TEST(ListEditor, DoneOnItemsOrBorrowersLeavesTheRecordListAsItIs)
{
    WindowHarness h;
    h.writeListFile(DataFiles::Categories, {"Book"});
    h.writeRecordFile({loan("Book"), loan("Book"), loan("Book"), loan("Pen")});
    h.start();
    h.chooseCategory("Book");
    h.clickRow(0);
    h.tickRow(1);
    const QStringList entries = h.categoryEntries();
    for (const char* command : {MainMenuItems::editItems, MainMenuItems::editBorrowers}) {
        MessageBox::setNextInput("新名");
        runListEditor(h, command, [&](QDialog& e, QListWidget*) {
            clickButton(e, ListEditorControls::addButton);
            clickButton(e, ListEditorControls::doneButton);
        });
    }
    EXPECT_EQ(h.store().lists().items.names(), QStringList{"新名"});
    EXPECT_EQ(h.store().lists().borrowers.names(), QStringList{"新名"});
    EXPECT_EQ(h.selectedRow(), 0);
    EXPECT_TRUE(h.isTicked(1));
    EXPECT_EQ(h.categoryEntries(), entries);
    EXPECT_EQ(h.categoryFilter()->currentText(), "Book");
}

// Ended by the session while a category is being renamed: the records already carry the new name,
// so the list must reach its file too, or those records would show under no category.
TEST(ListEditor, EndedWhileOpenTheEditorFinishesBeforeTheRecordsAreWritten)
{
    WindowHarness h;
    h.writeListFile(DataFiles::Categories, {"工具"});
    h.writeRecordFile({loan("工具")});
    auto& w = h.start();
    MessageBox::setNextInput("器材");
    runListEditor(h, MainMenuItems::editCategories, [&](QDialog& e, QListWidget* list) {
        clickEntry(list, 0);
        clickButton(e, ListEditorControls::renameButton);
        w.close(); // what the termination signal does
        EXPECT_FALSE(e.isVisible());
    });
    EXPECT_TRUE(w.hasShutDown());
    EXPECT_EQ(h.dir().read(DataFiles::Categories), big5("\"器材\"\r\n"));
    EXPECT_TRUE(h.dir().read(DataFiles::Records).contains(big5("\"器材\"")));
}

} // namespace
