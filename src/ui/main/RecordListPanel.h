#pragma once

#include "store/RecordFilter.h"
#include "ui/records/RecordListView.h"

#include <QWidget>

class EtchedLine;
class FilterStrip;
class QButtonGroup;
class QComboBox;
class QPushButton;
class RecordListModel;

// The main window's client area: the filters above the record list, and the list. Choosing a
// filter, by the user or by code, rebuilds the list under it (RecordListModel), also when the
// choice is the one shown. After every rebuild no row is ticked and the last row is selected and
// scrolled into view.
class RecordListPanel : public QWidget
{
    Q_OBJECT
public:
    RecordListPanel(RecordListModel* model, QWidget* parent);

    RecordFilter filter() const;
    int directionIndex() const;
    int statusIndex() const;
    int categoryIndex() const;
    int categoryCount() const;
    QTableView* list() const { return list_; }

    // The category filter's entries: "全部", the categories given, "未分類".
    void setCategories(const QStringList& categories);
    // The entry with this text (the first one, if several); a text that is not among them
    // chooses "全部".
    void chooseCategory(const QString& text);
    // The filters as stored; the list is rebuilt once.
    void restoreFilters(int direction, int status, int category);

    // Selects a row of the list and scrolls it into view.
    void selectRow(int row);
    int selectedRow() const; // -1 for none

signals:
    // A double-click on a row, or Enter or F2 on the current row, which it selects first: edit
    // that row.
    void rowActivated();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildList(RecordListModel* model);
    void layoutControls();
    void showFiltered();
    // The list as a rebuild leaves it: no ticks, the last row selected.
    void followRebuild();
    // Ticks every row, or clears every tick when all were ticked by it.
    void toggleTicks();

    FilterStrip* strip_ = nullptr;
    QPushButton* selectAll_ = nullptr;
    EtchedLine* stripLine_ = nullptr;
    QButtonGroup* direction_ = nullptr;
    QButtonGroup* status_ = nullptr;
    QComboBox* category_ = nullptr;
    RecordListView* list_ = nullptr;
    RecordListModel* model_ = nullptr;
    // Set by the select-all button; a rebuild of the list clears it.
    bool allTicked_ = false;
};
