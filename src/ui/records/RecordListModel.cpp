#include "ui/records/RecordListModel.h"

#include "store/Overdue.h"
#include "store/RecordRegister.h"

#include <QColor>

#include <algorithm>

namespace {
const QColor kRed(206, 0, 0);
const QColor kBlue(0, 0, 255);
constexpr int kDirectionColumn = 1;
constexpr int kDueDateColumn = 6;
constexpr int kStatusColumn = 7;
// A light warning behind a due date that has passed; the text keeps its colour.
const QColor kOverdue(255, 230, 170);
// More than the widest cell can show: a field of megabytes costs no more to draw than this.
constexpr qsizetype kShownCharacters = 1000;
// The whole text on hover, within reason: a tooltip lays out and draws every character it holds,
// the first time at a font each one new.
constexpr qsizetype kTipCharacters = 500;

const QStringList& captions()
{
    static const QStringList list{
        QStringLiteral("日期"),       QStringLiteral("類別"),     QStringLiteral("分類"),
        QStringLiteral("借用人"),     QStringLiteral("借用內容"), QStringLiteral("金額"),
        QStringLiteral("預計歸還日"), QStringLiteral("狀態"),     QStringLiteral("索引")};
    return list;
}
} // namespace

RecordListModel::RecordListModel(const RecordRegister& records, QObject* parent)
    : QAbstractTableModel(parent), table_(records.table())
{
    connect(&records, &RecordRegister::recordAppended, this, &RecordListModel::appendSlot);
    connect(&records, &RecordRegister::recordChanged, this, &RecordListModel::showChanged);
    connect(&records, &RecordRegister::recordsRemoved, this, &RecordListModel::rebuild);
    connect(&records, &RecordRegister::recordsReloaded, this, &RecordListModel::rebuild);
}

int RecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(slots_.size());
}

int RecordListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString RecordListModel::text(int row, int column) const
{
    const int slot = slots_.at(row);
    if (column == IndexColumn)
        return QString::number(slot);
    return table_[slot].field(column);
}

QString RecordListModel::shownText(int row, int column) const
{
    // A line break shows as a space, as one line of the list.
    QString shown = text(row, column).left(kShownCharacters);
    shown.replace(QLatin1String("\r\n"), QLatin1String(" "));
    return shown;
}

QString RecordListModel::tipText(int row, int column) const
{
    const QString whole = text(row, column);
    return whole.size() > kTipCharacters ? whole.left(kTipCharacters) + QStringLiteral("…") : whole;
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return shownText(row, column);
    case Qt::ToolTipRole:
        return tipText(row, column);
    case Qt::BackgroundRole:
        if (column == kDueDateColumn && isOverdue(table_[slots_.at(row)], today_))
            return kOverdue;
        break;
    case Qt::CheckStateRole:
        if (column == 0)
            return checked_.at(row) ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::ForegroundRole:
        if (column == kDirectionColumn)
            return text(row, column) == Texts::LentOut ? kRed : kBlue;
        if (column == kStatusColumn && text(row, column) == Texts::NotReturned)
            return kRed;
        break;
    default:
        break;
    }
    return {};
}

bool RecordListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    checked_[index.row()] = value.value<Qt::CheckState>() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return captions().at(section);
    return {};
}

Qt::ItemFlags RecordListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

void RecordListModel::setFilter(const RecordFilter& filter)
{
    filter_ = filter;
    rebuild();
}

void RecordListModel::rebuild()
{
    beginResetModel();
    // A list left open over midnight shows the new day's overdue loans at the next rebuild.
    today_ = QDate::currentDate();
    filter_.today = today_;
    ShownRecords shown = filter_.apply(table_);
    summary_ = filter_.summary(shown);
    overdueText_ = RecordFilter::overdueText(shown);
    slots_ = std::move(shown.recordSlots);
    checked_ = QList<bool>(slots_.size(), false);
    endResetModel();
}

void RecordListModel::appendSlot(int slot)
{
    const int row = static_cast<int>(slots_.size());
    beginInsertRows({}, row, row);
    slots_.append(slot);
    checked_.append(false);
    endInsertRows();
}

// Rows hold their slots in increasing order: a rebuild lists them in table order, and a new
// record's slot is past every other.
int RecordListModel::rowOf(int slot) const
{
    const auto found = std::lower_bound(slots_.cbegin(), slots_.cend(), slot);
    return found != slots_.cend() && *found == slot ? static_cast<int>(found - slots_.cbegin())
                                                    : -1;
}

void RecordListModel::showChanged(int slot)
{
    const int row = rowOf(slot);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void RecordListModel::setAllChecked(bool checked)
{
    if (slots_.isEmpty())
        return;
    checked_.fill(checked);
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}
