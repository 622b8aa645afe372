#pragma once

#include <QObject>

class DataStore;
class QWidget;
class RecordListModel;
class RecordListPanel;

// The commands on the records: new, edit, delete the ticked, clear the returned, export the
// shown. They open the record editor and store what it gives back, and bring the list up to date.
class RecordCommands : public QObject
{
    Q_OBJECT
public:
    RecordCommands(DataStore& store, RecordListPanel& panel, RecordListModel& model,
                   QWidget* window);

    void newRecord();
    // The record of the selected row, which a double-click selects first.
    void editSelected();
    void deleteTicked();
    void clearReturned();
    // The shown rows, in list order, to a file named after the direction filter.
    void exportShown();

private:
    DataStore& store_;
    RecordListPanel& panel_;
    RecordListModel& model_;
    QWidget* window_;
};
