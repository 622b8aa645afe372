#pragma once

#include "PaintWatch.h"
#include "store/DataStore.h"
#include "system/SettingsStore.h"
#include "ui/main/MainWindow.h"

class QTableView;
class RecordListPanel;

// The main window, started over a register and shown, timing how fast its list follows a
// refresh. Each timing includes the view's own work: the events the refresh raises, and the
// paints they bring.
class ViewBench
{
public:
    ViewBench(const QString& appDir, int expectedRecords, int runs);

    // The list rebuilt with every filter on "全部", as choosing "全部" again does.
    double refresh();
    // Choosing a category in the filter: from "全部" to the one given.
    double filterSwitch(const QString& category);

    struct PeopleTiming
    {
        double refresh;      // as refresh()
        double overdueCount; // the status bar's overdue count alone, over every record
        double summaryOpen;  // the summary per person made, shown and painted
    };
    // Timed in turn, so that the last two can be held to the first: the register holds
    // expectedPeople parties with something still out.
    PeopleTiming people(int expectedPeople);

private:
    void settle();
    // The events the refresh raised, until the list has settled (PaintWatch::paintSettled).
    void paint();

    DataStore store_;
    SettingsStore settings_;
    MainWindow window_;
    QTableView* list_ = nullptr;
    RecordListPanel* panel_ = nullptr;
    PaintWatch* paints_ = nullptr; // owned by the list's viewport
    int expectedRecords_;
    int runs_;
};
