#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Shell.h"
#include "support/MainFormHarness.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>

namespace {

// What a command did that the user could see.
struct Effect
{
    QStringList dialogs;  // titles of the dialogs it opened
    QStringList messages; // texts of the boxes it showed
    QList<Shell::Opened> opened;
};

Effect effectOf(const std::function<void()>& command)
{
    MessageBox::clearHistory();
    Shell::clearOpened();
    Effect effect;
    Modal::setNextHandler([&](QDialog& d) { effect.dialogs.append(d.windowTitle()); });
    command();
    Modal::clearHandlers();
    for (const MessageBox::Shown& s : MessageBox::history())
        effect.messages.append(s.text);
    effect.opened = Shell::opened();
    return effect;
}

QAction* action(const MainForm& f, const QString& name)
{
    QAction* a = f.findChild<QAction*>(name);
    EXPECT_NE(a, nullptr) << name.toStdString();
    return a;
}

QAction* fontItem(const MainForm& f, int size)
{
    return action(f, QStringLiteral("View_Font%1").arg(size, 2, 10, QLatin1Char('0')));
}

// The font sizes whose menu item carries the check mark.
QList<int> tickedSizes(const MainForm& f)
{
    QList<int> sizes;
    for (int size : MainForm::FontSizes) {
        if (fontItem(f, size)->isChecked())
            sizes.append(size);
    }
    return sizes;
}

TEST(MenuToolbarTest, EveryMenuItemReachesItsCommand)
{
    MainFormHarness h;
    MainForm& f = h.start();
    const struct
    {
        const char* item;
        QStringList dialogs;
        QStringList messages;
        QString opened;
        int show;
    } items[] = {
        {"Data_New", {"新增資料"}, {}, {}, 0},
        {"Data_Del", {}, {"請先勾選要刪除的記錄"}, {}, 0},
        {"Data_Clear", {}, {"確定清除已歸還資料嗎？"}, {}, 0},
        {"Date_Export", {}, {"匯出完成，檔案已存至 " + h.dir().path("全部.csv")}, {}, 0},
        {"Set_Type", {"設定分類選項"}, {}, {}, 0},
        {"Set_Affair", {"設定物品清單"}, {}, {}, 0},
        {"Set_Borrower", {"設定借用人名單"}, {}, {}, 0},
        {"Help_Help", {}, {}, h.dir().path("Tovi.htm"), Shell::ShowNormal},
        {"Help_About", {"關於Kelvora"}, {}, {}, 0},
    };
    for (const auto& i : items) {
        SCOPED_TRACE(i.item);
        QAction* item = action(f, i.item);
        ASSERT_NE(item, nullptr);
        const Effect e = effectOf([&] { item->trigger(); });
        EXPECT_EQ(e.dialogs, i.dialogs);
        EXPECT_EQ(e.messages, i.messages);
        ASSERT_EQ(e.opened.size(), i.opened.isEmpty() ? 0 : 1);
        if (!i.opened.isEmpty()) {
            EXPECT_EQ(e.opened[0].target, i.opened);
            EXPECT_EQ(e.opened[0].showCommand, i.show);
        }
    }
}

TEST(MenuToolbarTest, QuitWritesTheRecordFileAndEnds)
{
    MainFormHarness h;
    MainForm& f = h.start();
    h.addRecord("2024/01/02", "借出", "書", "王", "小說", "", "", "未歸還");
    action(f, "Data_Quit")->trigger();
    EXPECT_TRUE(f.hasShutDown());
    EXPECT_TRUE(h.dir().read(DataStore::RecordFileName).contains(big5("小說")));
}

TEST(MenuToolbarTest, EveryToolbarPositionReachesItsAction)
{
    MainFormHarness h;
    MainForm& f = h.start();
    auto* toolbar = f.findChild<QToolBar*>("Toolbar1");
    ASSERT_NE(toolbar, nullptr);
    ASSERT_EQ(toolbar->actions().size(), 9);
    const struct
    {
        QStringList dialogs;
        QStringList messages;
        bool update;
    } positions[] = {
        {{}, {}, false},
        {{"新增資料"}, {}, false},
        {{}, {"請先勾選要刪除的記錄"}, false},
        {{}, {}, false},
        {{"設定分類選項"}, {}, false},
        {{"設定物品清單"}, {}, false},
        {{"設定借用人名單"}, {}, false},
        {{}, {}, false},
        {{}, {}, true},
    };
    for (int position = 1; position <= 9; ++position) {
        SCOPED_TRACE(position);
        const auto& expected = positions[position - 1];
        QAction* button = toolbar->actions()[position - 1];
        EXPECT_EQ(button->objectName(), QStringLiteral("Toolbar1_Button%1").arg(position));
        const Effect byHandler = effectOf([&] { f.Toolbar1_ButtonClick(position); });
        const Effect byButton = effectOf([&] { button->trigger(); });
        for (const Effect& e : {byHandler, byButton}) {
            EXPECT_EQ(e.dialogs, expected.dialogs);
            EXPECT_EQ(e.messages, expected.messages);
            ASSERT_EQ(e.opened.size(), expected.update ? 1 : 0);
            if (expected.update) {
                EXPECT_EQ(e.opened[0].target, "https://kelvora.app/display.php?file=w06");
                EXPECT_EQ(e.opened[0].showCommand, 5);
            }
        }
    }
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

TEST(MenuToolbarTest, ARightClickOnTheMenuBarOrTheToolbarOpensNoMenu)
{
    MainFormHarness h;
    MainForm& f = h.start();
    f.show();
    MenuCounter menus;
    qApp->installEventFilter(&menus);
    for (QWidget* bar : {static_cast<QWidget*>(f.menuBar()), f.findChild<QWidget*>("Toolbar1")}) {
        const QPoint spot(bar->width() - 4, bar->height() / 2);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, spot, bar->mapToGlobal(spot));
        QApplication::sendEvent(bar, &rightClick);
    }
    qApp->removeEventFilter(&menus);
    EXPECT_EQ(menus.opened, 0);
}

TEST(MenuToolbarTest, FontSizeChoiceTicksItAloneAndIsStoredAtOnce)
{
    MainFormHarness h;
    MainForm& f = h.start();
    const int comboSize = f.Combo1()->font().pointSize();
    for (int round = 0; round < 2; ++round) { // choosing it again changes nothing
        fontItem(f, 14)->trigger();
        EXPECT_EQ(tickedSizes(f), QList<int>{14});
        EXPECT_EQ(f.ListView1()->font().pointSize(), 14);
        EXPECT_EQ(SettingsStore().value("Font", ""), "14");
    }
    EXPECT_EQ(f.Combo1()->font().pointSize(), comboSize);
    fontItem(f, 9)->trigger();
    EXPECT_EQ(tickedSizes(f), QList<int>{9});
    EXPECT_EQ(SettingsStore().value("Font", ""), "9");
}

TEST(MenuToolbarTest, StoredFontSizeIsRestoredAtStartUp)
{
    const struct
    {
        QString stored;
        int size;
    } cases[] = {{"12", 12}, {"16", 16}, {"99", 9}, {"abc", 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        MainFormHarness h;
        h.settings().setValue("Font", c.stored);
        h.settings().sync();
        MainForm& f = h.start();
        EXPECT_EQ(f.ListView1()->font().pointSize(), c.size);
        EXPECT_EQ(tickedSizes(f), QList<int>{c.size});
    }
}

} // namespace
