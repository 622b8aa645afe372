#pragma once

#include "store/PeopleSummary.h"

#include <QAbstractTableModel>

// The rows of the summary per person, one per other party, in the order the summary gives them.
// Each cell also holds its value to sort by: a number, a date or the name.
class PeopleModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        Name,
        ThingsOut,
        LentOut,
        BorrowedIn,
        Overdue,
        OldestOpen,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole;

    PeopleModel(QList<PersonBalance> people, QObject* parent);

    // How a party without a name shows.
    static QString shownName(const QString& name);
    const PersonBalance& balanceAt(int row) const { return people_.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant sortValue(const PersonBalance& balance, int column) const;

    QList<PersonBalance> people_;
};
