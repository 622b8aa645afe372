#pragma once

#include "platform/SettingsStore.h"
#include "store/DataStore.h"
#include "support/TestSupport.h"
#include "ui/main/MainForm.h"

#include <memory>

// A main window over a temporary program folder and settings store, as the program opens it.
class MainFormHarness
{
public:
    MainFormHarness();
    ~MainFormHarness();

    // Creates the window and runs its start-up over what the folder and settings hold now.
    MainForm& start();
    MainForm& form() { return *form_; }
    DataStore& store() { return *store_; }
    SettingsStore& settings() { return *settings_; }
    const TempAppDir& dir() const { return dir_; }

    // Appends a record straight to the table. Before the first start() the records are written
    // to the record file, so that start-up loads them; after it, refresh the list yourself.
    int addRecord(const QString& date, const QString& direction, const QString& category,
                  const QString& borrower, const QString& content, const QString& amount,
                  const QString& dueDate, const QString& status);
    // Writes a record file / list file in the program's format before start().
    void writeRecordFile(const QList<LoanRecord>& records) const;
    void writeListFile(const QString& fileName, const QStringList& names) const;

    // The text of a cell of the record list, and how many rows it shows.
    QString cell(int row, int column) const;
    int rows() const;
    // Index of the selected row of the record list, or -1.
    int selectedRow() const;

private:
    TempAppDir dir_;
    std::unique_ptr<DataStore> store_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<MainForm> form_;
};
