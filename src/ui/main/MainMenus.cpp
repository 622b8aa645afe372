#include "ui/main/MainMenus.h"

#include "platform/Twips.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

MainMenus::MainMenus(QMainWindow* window) : QObject(window)
{
    buildMenus(window);
    buildToolbar(window);
}

void MainMenus::buildMenus(QMainWindow* window)
{
    struct Item
    {
        const char* name;
        QString caption; // empty for a separator
        void (MainMenus::*command)();
    };
    auto addMenu = [this, window](const char* name, const QString& caption,
                                  const QList<Item>& items) {
        QMenu* menu = window->menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        for (const Item& item : items) {
            QAction* action =
                item.caption.isEmpty() ? menu->addSeparator() : menu->addAction(item.caption);
            action->setObjectName(QString::fromLatin1(item.name));
            if (item.command)
                connect(action, &QAction::triggered, this, item.command);
        }
        return menu;
    };
    addMenu("Menu_Data", QStringLiteral("資料(&D)"),
            {{"Data_New", QStringLiteral("新增資料(&N)"), &MainMenus::newRecord},
             {"Data_Del", QStringLiteral("刪除資料(&D)"), &MainMenus::deleteTicked},
             {"Line0", {}, nullptr},
             {"Data_Clear", QStringLiteral("清除已歸還資料(&C)"), &MainMenus::clearReturned},
             {"Date_Export", QStringLiteral("匯出(&E)"), &MainMenus::exportShown},
             {"Line1", {}, nullptr},
             {"Data_Quit", QStringLiteral("結束(&X)"), &MainMenus::quit}});

    addMenu("Menu_Set", QStringLiteral("設定(&S)"),
            {{"Set_Type", QStringLiteral("分類選項(&T)"), &MainMenus::editCategories},
             {"Set_Affair", QStringLiteral("物品清單(&A)"), &MainMenus::editItems},
             {"Set_Borrower", QStringLiteral("借用人名單(&B)"), &MainMenus::editBorrowers}});

    QMenu* view = addMenu("Menu_View", QStringLiteral("檢視(&V)"), {});
    for (int size : FontSizes) {
        const QString two = QStringLiteral("%1").arg(size, 2, 10, QLatin1Char('0'));
        QAction* action = view->addAction(QStringLiteral("字型大小 ") + two);
        action->setObjectName(QStringLiteral("View_Font") + two);
        action->setCheckable(true);
        action->setChecked(size == FontSizes[0]);
        connect(action, &QAction::triggered, this, [this, size] { emit fontSizeChosen(size); });
        fontActions_.append(action);
    }
    view->addSeparator()->setObjectName(QStringLiteral("Line5"));
    QAction* people = view->addAction(QStringLiteral("借用人統計(&P)"));
    people->setObjectName(QStringLiteral("View_People"));
    connect(people, &QAction::triggered, this, &MainMenus::showPeople);

    addMenu("Menu_Help", QStringLiteral("說明(&H)"),
            {{"Help_Help", QStringLiteral("使用說明(&H)"), &MainMenus::showHelp},
             {"Line2", {}, nullptr},
             {"Help_About", QStringLiteral("關於(&A)"), &MainMenus::showAbout},
             // The toolbar's last button, here to be reached by keyboard too. "Line3" is the
             // filter strip's rule.
             {"Line4", {}, nullptr},
             {"Help_Update", QStringLiteral("檢查更新(&U)"), &MainMenus::checkForUpdates}});
}

void MainMenus::buildToolbar(QMainWindow* window)
{
    QToolBar* toolbar = window->addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setFixedHeight(Twips::toPixels(ToolbarTwips));

    // ImageList1: the desktop theme's icon where there is one, else the one that ships with us.
    struct Button
    {
        QString text; // empty for a separator
        const char* theme;
        const char* fallback;
        void (MainMenus::*command)();
    };
    const QList<Button> buttons{
        {},
        {QStringLiteral("新增資料"), "document-new", "new", &MainMenus::newRecord},
        {QStringLiteral("刪除資料"), "edit-delete", "delete", &MainMenus::deleteTicked},
        {},
        {QStringLiteral("分類選項"), "folder", "types", &MainMenus::editCategories},
        {QStringLiteral("物品清單"), "view-list-details", "items", &MainMenus::editItems},
        {QStringLiteral("借用人"), "system-users", "borrowers", &MainMenus::editBorrowers},
        {},
        {QStringLiteral("檢查更新"), "system-software-update", "update",
         &MainMenus::checkForUpdates},
    };
    int position = 0;
    for (const Button& b : buttons) {
        QAction* action;
        if (b.text.isEmpty()) {
            action = toolbar->addSeparator();
        } else {
            QIcon icon = QIcon::fromTheme(QLatin1String(b.theme));
            // A theme may name an icon in a format this installation cannot draw.
            if (icon.pixmap(24, 24).isNull())
                icon = QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(b.fallback)));
            action = toolbar->addAction(icon, b.text);
            connect(action, &QAction::triggered, this, b.command);
        }
        action->setObjectName(QStringLiteral("Toolbar1_Button%1").arg(++position));
    }
}

void MainMenus::tickFontSize(int size)
{
    for (qsizetype i = 0; i < fontActions_.size(); ++i)
        fontActions_[i]->setChecked(FontSizes[i] == size);
}
