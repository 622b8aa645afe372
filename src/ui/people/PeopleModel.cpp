#include "ui/people/PeopleModel.h"

#include "store/Amount.h"
#include "store/DateText.h"

PeopleModel::PeopleModel(QList<PersonBalance> people, QObject* parent)
    : QAbstractTableModel(parent), people_(std::move(people))
{
}

QString PeopleModel::shownName(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("(未填)") : name;
}

int PeopleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(people_.size());
}

int PeopleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PeopleModel::sortValue(const PersonBalance& balance, int column) const
{
    switch (column) {
    case Name:
        return shownName(balance.name);
    case ThingsOut:
        return balance.thingsOut;
    case LentOut:
        return balance.lentOut;
    case BorrowedIn:
        return balance.borrowedIn;
    case Overdue:
        return balance.overdue;
    default:
        return balance.oldestOpen;
    }
}

QVariant PeopleModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PersonBalance& balance = people_.at(index.row());
    const int column = index.column();
    switch (role) {
    case SortRole:
        return sortValue(balance, column);
    case Qt::DisplayRole:
        if (column == LentOut || column == BorrowedIn)
            return Amount::toText(sortValue(balance, column).toDouble());
        if (column == OldestOpen)
            return balance.oldestOpen.isValid() ? DateText::format(balance.oldestOpen) : QString();
        return sortValue(balance, column).toString();
    case Qt::TextAlignmentRole:
        if (column != Name && column != OldestOpen)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        break;
    }
    return {};
}

QVariant PeopleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList captions{
        QStringLiteral("借用人"),         QStringLiteral("借出未歸還筆數"),
        QStringLiteral("借出未歸還金額"), QStringLiteral("借入未歸還金額"),
        QStringLiteral("逾期筆數"),       QStringLiteral("最早未歸還日")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return captions.at(section);
    return {};
}
