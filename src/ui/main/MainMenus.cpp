#include "ui/main/MainMenus.h"

#include "ui/ControlNames.h"
#include "ui/main/MainLayout.h"
#include "ui/widgets/Twips.h"

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
    namespace Name = MainMenuItems;
    addMenu(Name::dataMenu, QStringLiteral("資料(&D)"),
            {{Name::newRecord, QStringLiteral("新增資料(&N)"), &MainMenus::newRecord},
             {Name::deleteTicked, QStringLiteral("刪除資料(&D)"), &MainMenus::deleteTicked},
             {Name::removalSeparator, {}, nullptr},
             {Name::clearReturned, QStringLiteral("清除已歸還資料(&C)"), &MainMenus::clearReturned},
             {Name::exportShown, QStringLiteral("匯出(&E)"), &MainMenus::exportShown},
             {Name::quitSeparator, {}, nullptr},
             {Name::quit, QStringLiteral("結束(&X)"), &MainMenus::quit}});

    addMenu(Name::listsMenu, QStringLiteral("設定(&S)"),
            {{Name::editCategories, QStringLiteral("分類選項(&T)"), &MainMenus::editCategories},
             {Name::editItems, QStringLiteral("物品清單(&A)"), &MainMenus::editItems},
             {Name::editBorrowers, QStringLiteral("借用人名單(&B)"), &MainMenus::editBorrowers}});

    QMenu* view = addMenu(Name::viewMenu, QStringLiteral("檢視(&V)"), {});
    for (int size : FontSizes) {
        const QString two = QStringLiteral("%1").arg(size, 2, 10, QLatin1Char('0'));
        QAction* action = view->addAction(QStringLiteral("字型大小 ") + two);
        action->setObjectName(Name::fontSize(size));
        action->setCheckable(true);
        action->setChecked(size == FontSizes[0]);
        connect(action, &QAction::triggered, this, [this, size] { emit fontSizeChosen(size); });
        fontActions_.append(action);
    }
    view->addSeparator()->setObjectName(QLatin1String(Name::peopleSeparator));
    QAction* people = view->addAction(QStringLiteral("借用人統計(&P)"));
    people->setObjectName(QLatin1String(Name::people));
    connect(people, &QAction::triggered, this, &MainMenus::showPeople);

    addMenu(Name::helpMenu, QStringLiteral("說明(&H)"),
            {{Name::helpPage, QStringLiteral("使用說明(&H)"), &MainMenus::showHelp},
             {Name::aboutSeparator, {}, nullptr},
             {Name::about, QStringLiteral("關於(&A)"), &MainMenus::showAbout},
             // The toolbar's last button, here to be reached by keyboard too.
             {Name::updateSeparator, {}, nullptr},
             {Name::checkForUpdates, QStringLiteral("檢查更新(&U)"), &MainMenus::checkForUpdates}});
}

void MainMenus::buildToolbar(QMainWindow* window)
{
    QToolBar* toolbar = window->addToolBar(QLatin1String(MainMenuItems::toolbar));
    toolbar->setObjectName(QLatin1String(MainMenuItems::toolbar));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setFixedHeight(Twips::toPixels(MainLayout::ToolbarTwips));

    // Each button's icon is the desktop theme's where there is one, else the one that ships with
    // the program.
    struct Button
    {
        const char* name;
        QString text; // empty for a separator
        const char* theme;
        const char* fallback;
        void (MainMenus::*command)();
    };
    namespace Name = MainMenuItems;
    const QList<Button> buttons{
        {Name::firstToolbarSeparator, {}, nullptr, nullptr, nullptr},
        {Name::newRecordButton, QStringLiteral("新增資料"), "document-new", "new",
         &MainMenus::newRecord},
        {Name::deleteTickedButton, QStringLiteral("刪除資料"), "edit-delete", "delete",
         &MainMenus::deleteTicked},
        {Name::listsToolbarSeparator, {}, nullptr, nullptr, nullptr},
        {Name::editCategoriesButton, QStringLiteral("分類選項"), "folder", "types",
         &MainMenus::editCategories},
        {Name::editItemsButton, QStringLiteral("物品清單"), "view-list-details", "items",
         &MainMenus::editItems},
        {Name::editBorrowersButton, QStringLiteral("借用人"), "system-users", "borrowers",
         &MainMenus::editBorrowers},
        {Name::updateToolbarSeparator, {}, nullptr, nullptr, nullptr},
        {Name::checkForUpdatesButton, QStringLiteral("檢查更新"), "system-software-update",
         "update", &MainMenus::checkForUpdates},
    };
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
        action->setObjectName(QLatin1String(b.name));
    }
}

void MainMenus::tickFontSize(int size)
{
    for (qsizetype i = 0; i < fontActions_.size(); ++i)
        fontActions_[i]->setChecked(FontSizes[i] == size);
}
