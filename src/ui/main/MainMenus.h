#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMainWindow;

// The main window's menu bar and toolbar. Each command is a signal; the toolbar's buttons are
// its most used commands.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    static constexpr int FontSizes[] = {9, 10, 11, 12, 13, 14, 15, 16};

    explicit MainMenus(QMainWindow* window);

    // The check mark on this size alone.
    void tickFontSize(int size);

signals:
    void newRecord();
    void deleteTicked();
    void clearReturned();
    void exportShown();
    void quit();
    void editCategories();
    void editItems();
    void editBorrowers();
    void fontSizeChosen(int size);
    void showPeople();
    void showHelp();
    void showAbout();
    void checkForUpdates();

private:
    void buildMenus(QMainWindow* window);
    void buildToolbar(QMainWindow* window);

    QList<QAction*> fontActions_;
};
