#pragma once

#include "PaintWatch.h"
#include "store/DataStore.h"
#include "system/SettingsStore.h"

class QComboBox;
class QTableView;
#include "ui/main/MainWindow.h"

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

private:
    void settle();
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
