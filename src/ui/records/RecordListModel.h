#pragma once

#include "store/RecordFilter.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QList>

class RecordRegister;
class RecordTable;

// The rows of the record list: the slot numbers of the records that pass its filter, each shown
// with its eight fields and, in the hidden ninth column "索引", the slot number itself. It follows
// the register: a new record is appended as a row as the list stands (the filter and the totals
// catch up at the next rebuild), a changed one is shown anew, and a removal or a reload, which
// move the slots, rebuild the rows. Every rebuild is a model reset and clears every tick. A loan
// still out past its due date gets a warning background on that date, as of the day of the last
// rebuild.
class RecordListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ColumnCount = 9;
    static constexpr int IndexColumn = 8;

    explicit RecordListModel(const RecordRegister& records, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Rebuilds the rows under the filter, also when it is the one shown.
    void setFilter(const RecordFilter& filter);
    // The status bar's summary of the rows as last rebuilt, and how many of them were overdue
    // (RecordFilter::overdueText).
    const QString& summary() const { return summary_; }
    const QString& overdueText() const { return overdueText_; }

    // The one way from a row to its record.
    int slotAt(int row) const { return slots_.at(row); }
    // The row showing a slot, or -1.
    int rowOf(int slot) const;
    bool isChecked(int row) const { return checked_.at(row); }
    void setAllChecked(bool checked);

private:
    void rebuild();
    // The whole text of a cell, as the record holds it.
    QString text(int row, int column) const;
    // Appends one row for a slot, unticked.
    void appendSlot(int slot);
    void showChanged(int slot);
    // What the cell shows: the start of the text, on one line.
    QString shownText(int row, int column) const;
    // What hovering over the cell shows: its whole text, up to a bound.
    QString tipText(int row, int column) const;

    const RecordTable& table_;
    RecordFilter filter_;
    QString summary_;
    QString overdueText_;
    QList<int> slots_;
    QList<bool> checked_;
    QDate today_ = QDate::currentDate();
};
