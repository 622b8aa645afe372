#pragma once

#include "store/DataStore.h"
#include "support/TestSupport.h"
#include "system/SettingsStore.h"
#include "ui/ControlNames.h"
#include "ui/main/MainWindow.h"

#include <QStringList>

#include <functional>
#include <memory>

class QComboBox;
class QDialog;
class QTableView;

// The main window over a temporary program folder and settings store, started and shown as the
// program does, and worked by the input a person gives to its controls, found by their names.
class WindowHarness
{
public:
    WindowHarness();
    ~WindowHarness();

    // Creates the window and runs its start-up over what the folder and settings hold now.
    MainWindow& start();
    MainWindow& window() const { return *window_; }
    DataStore& store() const { return *store_; }
    SettingsStore& settings() { return *settings_; }
    // Reads the settings file anew, as the program's start does; before start().
    void rereadSettings() { settings_ = std::make_unique<SettingsStore>(); }
    const TempAppDir& dir() const { return dir_; }

    // Appends a record to the register. Before the first start() the records are written to the
    // record file, so that start-up loads them.
    int addRecord(const QString& date, const QString& direction, const QString& category,
                  const QString& borrower, const QString& content, const QString& amount,
                  const QString& dueDate, const QString& status);
    void writeRecordFile(const QList<LoanRecord>& records) const;
    void writeListFile(const QString& fileName, const QStringList& names) const;

    // What the window shows.
    QTableView* list() const;
    QComboBox* categoryFilter() const;
    QStringList categoryEntries() const;
    int rows() const;
    QString cell(int row, int column) const;
    bool isTicked(int row) const;
    int selectedRow() const; // -1 for none
    QString statusText() const;
    // The value of the checked button of an option group (MainWindowControls::directionFilter,
    // statusFilter).
    int checkedOption(const char* group) const;
    bool isChecked(const QString& action) const;

    // The user's input.
    void trigger(const QString& action) const; // a menu item or a toolbar button (MainMenuItems)
    void click(const char* button) const;      // a button of the window (MainWindowControls)
    void chooseCategory(const QString& entry) const;
    void clickRow(int row) const;
    void tickRow(int row) const;
    void doubleClickRow(int row) const;
    void doubleClickTick(int row) const; // on the row's check box

    // Opens the new-record editor from the menu, types a borrower so that the entry is complete,
    // lets fill() work the editor further and presses its OK button. True when the editor closed
    // having taken the record.
    bool enterNew(const std::function<void(QDialog&)>& fill = {}) const;
    // Opens the editor on the record a row shows, by a double-click, lets change() work it and
    // presses its OK button.
    bool editRow(int row, const std::function<void(QDialog&)>& change) const;

private:
    QPoint cellCentre(int row, int column) const;

    TempAppDir dir_;
    std::unique_ptr<DataStore> store_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<MainWindow> window_;
};
