#include "store/RecordFile.h"
#include "store/RecordVersions.h"
#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"
#include "ui/widgets/Shell.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

namespace {

const QByteArray kRecordLine =
    big5("\"2026/01/02\",\"借出\",\"書\",\"王\",\"書本\",\"\",\"\",\"未歸還\"\r\n");

LoanRecord record(const QString& borrower)
{
    return {"2026/01/02", "借出", "書", borrower, "書本", {}, {}, "未歸還"};
}

QStringList shownTexts()
{
    QStringList texts;
    for (const MessageBox::Shown& s : MessageBox::history())
        texts << s.text;
    return texts;
}

// ---- start-up and settings ---------------------------------------------------------------

TEST(MainWindow, FirstRunStartsWithTheDefaults)
{
    WindowHarness h;
    auto& w = h.start();
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w.windowTitle(), "Kelvora v1.7");
    QList<QSize> iconSizes;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        iconSizes.append(QSize(size, size));
    EXPECT_EQ(w.windowIcon().availableSizes(), iconSizes);
    const int widths[] = {90, 50, 110, 100, 220, 50, 90, 90};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(h.list()->columnWidth(c), widths[c]) << c;
    EXPECT_TRUE(h.list()->isColumnHidden(8));
    EXPECT_EQ(h.list()->font().pointSize(), 9);
    EXPECT_TRUE(h.isChecked(MainMenuItems::fontSize(9)));
    EXPECT_EQ(h.checkedOption(MainWindowControls::directionFilter), 0);
    EXPECT_EQ(h.checkedOption(MainWindowControls::statusFilter), 0);
    EXPECT_EQ(h.categoryEntries(), QStringList({"全部", "未分類"}));
    EXPECT_EQ(h.statusText(), " 共 0 筆資料，借出未歸還金額: 0，借入未歸還金額: 0");
    EXPECT_EQ(h.selectedRow(), -1);
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST(MainWindow, SettingsComeBackAtTheNextStart)
{
    WindowHarness h;
    h.writeListFile(DataFiles::Categories, {"甲", "書"});
    LoanRecord returned = record("李");
    returned.Status = "已歸還";
    h.writeRecordFile({record("王"), returned});
    {
        auto& w = h.start();
        EXPECT_EQ(h.categoryEntries(), QStringList({"全部", "甲", "書", "未分類"}));
        w.setWindowState(Qt::WindowNoState);
        w.setGeometry(50, 60, 700, 600);
        h.list()->setColumnWidth(2, 133); // as a drag on the heading's edge does
        h.click(MainWindowControls::directionLentOut);
        h.click(MainWindowControls::statusReturned);
        h.chooseCategory("書");
        h.trigger(MainMenuItems::fontSize(12));
        ASSERT_TRUE(w.close());
    }
    SettingsStore settings;
    EXPECT_EQ(settings.value("WinState", {}), "0");
    EXPECT_EQ(settings.value("LW3", {}), "1995");
    EXPECT_EQ(settings.value("Option1", {}), "1");
    EXPECT_EQ(settings.value("Option2", {}), "2");
    EXPECT_EQ(settings.value("Combo1", {}), "2");
    EXPECT_EQ(settings.value("Font", {}), "12");
    EXPECT_FALSE(settings.value("Width", {}).isEmpty());

    auto& again = h.start();
    EXPECT_FALSE(again.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(h.list()->columnWidth(2), 133);
    EXPECT_EQ(h.checkedOption(MainWindowControls::directionFilter), 1);
    EXPECT_EQ(h.checkedOption(MainWindowControls::statusFilter), 2);
    EXPECT_EQ(h.categoryFilter()->currentText(), "書");
    ASSERT_EQ(h.rows(), 1);
    EXPECT_EQ(h.cell(0, 3), "李");
    EXPECT_EQ(h.list()->font().pointSize(), 12);
    EXPECT_TRUE(h.isChecked(MainMenuItems::fontSize(12)));
    EXPECT_FALSE(h.isChecked(MainMenuItems::fontSize(9)));
}

TEST(MainWindow, MaximizedCloseKeepsTheLastNormalBounds)
{
    WindowHarness h;
    h.settings().setValue("Left", "1500");
    h.start().close();
    SettingsStore settings;
    EXPECT_EQ(settings.value("WinState", {}), "2");
    EXPECT_EQ(settings.value("Left", {}), "1500");
}

// Settings that cannot be written, and an earlier version that cannot be kept, cost nothing of
// the register: they are told once, after the records are saved.
TEST(MainWindow, WhatTheCloseCouldNotKeepIsToldOnceAfterTheSave)
{
    WindowHarness h;
    ASSERT_TRUE(QDir(h.dir().settingsDir()).mkpath("Tovi.ini"));
    h.dir().write(DataFiles::Records, {});
    h.dir().write(RecordVersions::FolderName, "a file where the folder would be");
    auto& w = h.start();
    h.trigger(MainMenuItems::fontSize(12));
    EXPECT_TRUE(MessageBox::history().isEmpty()) << "not at every font change";
    h.store().recordRegister().append(record("王"));
    w.close();
    ASSERT_EQ(MessageBox::history().size(), 2);
    EXPECT_TRUE(MessageBox::history().at(0).text.contains(RecordVersions::FolderName));
    EXPECT_TRUE(MessageBox::history().at(1).text.contains("Tovi.ini"));
    EXPECT_TRUE(w.hasShutDown());
    EXPECT_FALSE(h.dir().read(DataFiles::Records).isEmpty());
}

// ---- the data files at start-up and at the close -----------------------------------------

TEST(MainWindow, TheCloseAndQuitWriteTheRecordFileOnce)
{
    for (const bool viaMenu : {false, true}) {
        WindowHarness h;
        auto& w = h.start();
        EXPECT_FALSE(h.dir().exists(DataFiles::Records));
        if (viaMenu) {
            h.store().recordRegister().append(record("王"));
            h.trigger(MainMenuItems::quit);
        } else {
            w.close();
        }
        EXPECT_TRUE(w.hasShutDown());
        ASSERT_TRUE(h.dir().exists(DataFiles::Records));
        EXPECT_EQ(h.dir().read(DataFiles::Records), viaMenu ? kRecordLine : QByteArray());
        // Later close requests do not run the shut-down again.
        h.store().recordRegister().append(record("李"));
        w.close();
        EXPECT_EQ(h.dir().read(DataFiles::Records), viaMenu ? kRecordLine : QByteArray());
    }
}

TEST(MainWindow, UnreadableRecordFileIsNotOverwrittenWithoutConsent)
{
    WindowHarness h;
    QDir(h.dir().dir()).mkdir(DataFiles::Records);
    auto& w = h.start();
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_TRUE(MessageBox::history()[0].text.contains(h.dir().path(DataFiles::Records)));
    EXPECT_EQ(h.rows(), 0);
    MessageBox::clearHistory();
    // Return on the question keeps the file.
    EXPECT_TRUE(w.close());
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].buttons, MessageBox::Yes | MessageBox::No);
    EXPECT_TRUE(QFileInfo(h.dir().path(DataFiles::Records)).isDir());
}

TEST(MainWindow, UnreadableLegacyFileIsNamedAndStaysConvertibleUnlessTheUserAgrees)
{
    for (const int records : {0, 1, 2}) {
        WindowHarness h;
        QDir(h.dir().dir()).mkdir(DataFiles::LegacyRecords);
        auto& w = h.start();
        MessageBox::clearHistory();
        for (int i = 0; i < records; ++i)
            h.store().recordRegister().append(record("王"));
        // No records: nothing to ask. One: Return keeps it convertible. Two: the user agrees.
        if (records == 2)
            MessageBox::setNextAnswer(MessageBox::Yes);
        EXPECT_TRUE(w.close());
        ASSERT_EQ(MessageBox::history().size(), records == 0 ? 0 : 1);
        if (records > 0) {
            EXPECT_TRUE(shownTexts()[0].contains(h.dir().path(DataFiles::LegacyRecords)));
        }
        EXPECT_EQ(h.dir().exists(DataFiles::Records), records == 2) << records;
    }
}

// Sets the file's modification time back to the one given, to the nanosecond.
void setModified(const QString& file, const struct stat& before)
{
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
}

// What another program did to the record file while the program ran is told by the file's bytes,
// never by its size and times alone.
TEST(MainWindow, RecordFileChangedOutsideIsKeptBesideItBeforeTheClose)
{
    enum class Change
    {
        None,
        Rewritten,
        SameSizeAndTime, // other bytes, the size and the time to the nanosecond as they were
        Touched,         // the same bytes, another time: no change
        Created,
    };
    for (const Change change : {Change::None, Change::Rewritten, Change::SameSizeAndTime,
                                Change::Touched, Change::Created}) {
        SCOPED_TRACE(static_cast<int>(change));
        WindowHarness h;
        if (change != Change::Created)
            h.writeRecordFile({record("王")});
        auto& w = h.start();
        const QString file = h.dir().path(DataFiles::Records);
        QByteArray outside = h.dir().read(DataFiles::Records);
        struct stat before = {};
        ASSERT_TRUE(change == Change::Created ||
                    ::stat(QFile::encodeName(file).constData(), &before) == 0);
        if (change == Change::SameSizeAndTime) {
            h.dir().write(DataFiles::Records, outside.replace(big5("王"), big5("李")));
            setModified(file, before);
        } else if (change == Change::Touched) {
            before.st_mtim.tv_sec -= 3600;
            setModified(file, before);
        } else if (change == Change::Rewritten || change == Change::Created) {
            outside = big5("\"2026/02/03\",\"借入\",\"\",\"李\",\"\",\"\",\"\",\"\"\r\n");
            h.dir().write(DataFiles::Records, outside);
        }
        const bool kept = change != Change::None && change != Change::Touched;
        ASSERT_TRUE(w.close());
        EXPECT_EQ(h.dir().read(DataFiles::Records), RecordFile::serialize(h.store().records()));
        EXPECT_EQ(h.dir().read(DataFiles::Records + ".bak"), kept ? outside : QByteArray());
        ASSERT_EQ(MessageBox::history().size(), kept ? 1 : 0);
        EXPECT_TRUE(!kept || shownTexts()[0].contains(file + ".bak"));
        MessageBox::clearHistory();
    }
}

// What the program writes on the standard error, and the record file at that moment.
struct Told
{
    QString text;
    QByteArray recordFile;
};
QList<Told>* g_told = nullptr;
QString g_recordFile;

void keepTold(QtMsgType, const QMessageLogContext&, const QString& text)
{
    QFile file(g_recordFile);
    g_told->append({text, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
}

// At a session's end nothing that only informs comes before the records are on disk: what the
// close has to tell (here two versions that other programs wrote, kept as ".bak") goes to the
// standard error once the records are written, and no box waits for a reader.
TEST(MainWindow, AtASessionsEndTheRecordsAreWrittenBeforeAnythingIsTold)
{
    WindowHarness h;
    h.writeRecordFile({record("王")});
    h.writeListFile(DataFiles::Borrowers, {"甲", "乙"});
    auto& w = h.start();
    h.store().recordRegister().append(record("李"));
    const QByteArray outside = big5("\"外部\"\r\n");
    h.dir().write(DataFiles::Records, outside);

    QList<Told> told;
    g_told = &told;
    g_recordFile = h.dir().path(DataFiles::Records);
    const QtMessageHandler previous = qInstallMessageHandler(keepTold);
    onNextDialog(ListEditorControls::dialog, [&](QDialog&) {
        h.dir().write(DataFiles::Borrowers, outside);
        w.endBySession();
    });
    h.trigger(MainMenuItems::editBorrowers);
    qInstallMessageHandler(previous);

    EXPECT_TRUE(w.hasShutDown());
    EXPECT_TRUE(MessageBox::history().isEmpty());
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[0].text.contains(h.dir().path(DataFiles::Borrowers) + ".bak"));
    EXPECT_TRUE(told[1].text.contains(h.dir().path(DataFiles::Records) + ".bak"));
    for (const Told& t : told)
        EXPECT_EQ(t.recordFile, RecordFile::serialize(h.store().records())) << "written first";
    EXPECT_EQ(h.dir().read(DataFiles::Records + ".bak"), outside);
    EXPECT_EQ(h.dir().read(DataFiles::Borrowers + ".bak"), outside);
    EXPECT_EQ(h.dir().read(DataFiles::Borrowers), big5("\"甲\"\r\n\"乙\"\r\n"));
}

// A question that guards a file is still asked at a session's end, but not for ever: left
// unanswered (the box closes by itself after a while), it keeps the file as it is and the
// program ends. Here the record file could not be read at start: the question whether to write
// over it, then, agreed to, the failed write's 重試 box.
TEST(MainWindow, AtASessionsEndAnUnansweredQuestionKeepsTheFile)
{
    const QList<QList<MessageBox::Button>> cases{
        {MessageBox::NoButton},
        {MessageBox::Yes, MessageBox::NoButton},
    };
    for (const QList<MessageBox::Button>& answers : cases) {
        MessageBox::clearHistory();
        WindowHarness h;
        ASSERT_TRUE(QDir(h.dir().dir()).mkdir(DataFiles::Records));
        auto& w = h.start();
        h.store().recordRegister().append(record("李"));
        MessageBox::clearHistory();
        for (const MessageBox::Button answer : answers)
            MessageBox::setNextAnswer(answer);
        w.endBySession();
        EXPECT_TRUE(w.hasShutDown());
        ASSERT_EQ(MessageBox::history().size(), answers.size());
        for (const MessageBox::Shown& box : MessageBox::history())
            EXPECT_EQ(box.timeLimit, MainWindow::kSessionAnswerTime);
        EXPECT_TRUE(QFileInfo(h.dir().path(DataFiles::Records)).isDir());
    }
}

TEST(MainWindow, OverfullFilesAreReportedAndKept)
{
    WindowHarness h;
    QStringList names;
    for (int i = 0; i < 501; ++i)
        names << QStringLiteral("人%1").arg(i);
    h.writeListFile(DataFiles::Borrowers, names);
    h.start();
    EXPECT_EQ(h.store().lists().borrowers.count(), 500);
    const QString file = h.dir().path(DataFiles::Borrowers);
    ASSERT_EQ(shownTexts().size(), 1);
    EXPECT_TRUE(shownTexts()[0].contains("檔案 " + file + " 的資料超過"));
    EXPECT_TRUE(shownTexts()[0].contains(file + ".bak"));
    EXPECT_TRUE(h.dir().exists(DataFiles::Borrowers + ".bak"));
}

TEST(MainWindow, LegacyRegisterIsConvertedAtStartUp)
{
    WindowHarness h;
    h.dir().write(DataFiles::LegacyRecords,
                  big5("\"2020/05/06\",\"借入\",\"書\",\"陳\",\"字典\",\"已歸還\"\r\n"));
    auto& w = h.start();
    EXPECT_EQ(h.rows(), 1);
    EXPECT_EQ(h.cell(0, 7), "已歸還");
    EXPECT_TRUE(h.dir().exists(DataFiles::LegacyKept));
    // The file just written is the program's own: the close writes over it without a word.
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

// ---- menus and toolbar -------------------------------------------------------------------

// What a command did that the user could see.
struct Effect
{
    QStringList dialogs;  // titles of the dialogs it opened
    QStringList messages; // texts of the boxes it showed
    QStringList opened;   // what it handed to the desktop shell
};

Effect effectOf(const std::function<void()>& command)
{
    MessageBox::clearHistory();
    Shell::clearOpened();
    Effect effect;
    Modal::setNextHandler([&](QDialog& d) { effect.dialogs.append(d.windowTitle()); });
    command();
    Modal::clearHandlers();
    effect.messages = shownTexts();
    effect.opened = Shell::opened();
    return effect;
}

TEST(MainWindow, EveryMenuItemAndToolbarButtonReachesItsCommand)
{
    WindowHarness h;
    h.start();
    const struct
    {
        QStringList commands;
        QStringList dialogs;
        QStringList messages;
        QStringList opened;
    } cases[] = {
        {{MainMenuItems::newRecord, MainMenuItems::newRecordButton}, {"新增資料"}, {}, {}},
        {{MainMenuItems::deleteTicked, MainMenuItems::deleteTickedButton},
         {},
         {"請先勾選要刪除的記錄"},
         {}},
        {{MainMenuItems::clearReturned}, {}, {"確定清除已歸還資料嗎？"}, {}},
        {{MainMenuItems::exportShown},
         {},
         {"匯出完成，檔案已存至 " + h.dir().path("全部.csv")},
         {}},
        {{MainMenuItems::editCategories, MainMenuItems::editCategoriesButton},
         {"設定分類選項"},
         {},
         {}},
        {{MainMenuItems::editItems, MainMenuItems::editItemsButton}, {"設定物品清單"}, {}, {}},
        {{MainMenuItems::editBorrowers, MainMenuItems::editBorrowersButton},
         {"設定借用人名單"},
         {},
         {}},
        {{MainMenuItems::checkForUpdatesButton, MainMenuItems::checkForUpdates},
         {},
         {},
         {"https://kelvora.app/display.php?file=w06"}},
        {{MainMenuItems::helpPage}, {}, {}, {h.dir().path("Tovi.htm")}},
        {{MainMenuItems::about}, {"關於Kelvora"}, {}, {}},
        {{MainMenuItems::firstToolbarSeparator, MainMenuItems::listsToolbarSeparator,
          MainMenuItems::updateToolbarSeparator},
         {},
         {},
         {}},
    };
    for (const auto& c : cases) {
        for (const QString& command : c.commands) {
            SCOPED_TRACE(command.toStdString());
            const Effect e = effectOf([&] { h.trigger(command); });
            EXPECT_EQ(e.dialogs, c.dialogs);
            EXPECT_EQ(e.messages, c.messages);
            EXPECT_EQ(e.opened, c.opened);
        }
    }
    EXPECT_EQ(h.window().findChild<QToolBar*>(MainMenuItems::toolbar)->actions().size(), 9);
}

// Counts the menus that open, and closes each again, which ends its modal loop.
struct MenuCounter : QObject
{
    int opened = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMenu*>(watched) && ++opened)
            QMetaObject::invokeMethod(watched, "close", Qt::QueuedConnection);
        return false;
    }
};

TEST(MainWindow, ARightClickOnTheMenuBarOrTheToolbarOpensNoMenu)
{
    WindowHarness h;
    auto& w = h.start();
    MenuCounter menus;
    qApp->installEventFilter(&menus);
    for (QWidget* bar :
         {static_cast<QWidget*>(w.menuBar()), w.findChild<QWidget*>(MainMenuItems::toolbar)}) {
        const QPoint spot(bar->width() - 4, bar->height() / 2);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, spot, bar->mapToGlobal(spot));
        QApplication::sendEvent(bar, &rightClick);
    }
    qApp->removeEventFilter(&menus);
    EXPECT_EQ(menus.opened, 0);
}

// The toolbar's one command of its own, by the access keys of the menu bar and of the menu.
TEST(MainWindow, CheckForUpdatesIsReachedByKeys)
{
    WindowHarness h;
    auto& w = h.start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_H, Qt::AltModifier);
    auto* help = w.findChild<QMenu*>(MainMenuItems::helpMenu);
    ASSERT_TRUE(help->isVisible());
    QTest::keyClick(help, Qt::Key_U);
    ASSERT_EQ(Shell::opened().size(), 1);
    EXPECT_EQ(Shell::opened()[0], "https://kelvora.app/display.php?file=w06");
}

TEST(MainWindow, FontSizeChoiceTicksItAloneAndIsStoredAtOnce)
{
    WindowHarness h;
    h.start();
    const int comboSize = h.categoryFilter()->font().pointSize();
    auto ticked = [&] {
        QList<int> sizes;
        for (int size = 9; size <= 16; ++size) {
            if (h.isChecked(MainMenuItems::fontSize(size)))
                sizes.append(size);
        }
        return sizes;
    };
    for (int round = 0; round < 2; ++round) { // choosing it again changes nothing
        h.trigger(MainMenuItems::fontSize(14));
        EXPECT_EQ(ticked(), QList<int>{14});
        EXPECT_EQ(h.list()->font().pointSize(), 14);
        EXPECT_EQ(SettingsStore().value("Font", ""), "14");
    }
    EXPECT_EQ(h.categoryFilter()->font().pointSize(), comboSize);
    h.trigger(MainMenuItems::fontSize(9));
    EXPECT_EQ(ticked(), QList<int>{9});
    EXPECT_EQ(SettingsStore().value("Font", ""), "9");
}

} // namespace
