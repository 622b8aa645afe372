#include "ui/people/PeopleWindow.h"

#include "store/Amount.h"
#include "store/RecordRegister.h"
#include "ui/ControlNames.h"
#include "ui/people/PeopleModel.h"
#include "ui/people/PersonRecords.h"
#include "ui/widgets/Modal.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// A cell's text on one line and within its column when pasted.
QString asCell(QString text)
{
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

QString totalsText(const PersonBalance& totals, qsizetype people)
{
    return QStringLiteral("合計 %1 人：借出未歸還 %2 筆，借出未歸還金額: %3，借入未歸還金額: "
                          "%4，逾期 %5 筆")
        .arg(people)
        .arg(totals.thingsOut)
        .arg(Amount::toText(totals.lentOut), Amount::toText(totals.borrowedIn))
        .arg(totals.overdue);
}
} // namespace

PeopleWindow::PeopleWindow(const RecordRegister& records, const QDate& today, const QFont& listFont,
                           QWidget* parent)
    : QDialog(parent), records_(records), listFont_(listFont)
{
    setObjectName(QLatin1String(PeopleWindowControls::dialog));
    setWindowTitle(QStringLiteral("借用人統計"));
    PeopleSummary summary = PeopleSummary::of(records.table(), today);
    model_ = new PeopleModel(std::move(summary.people), this);
    buildControls(listFont);
    totals_->setText(totalsText(summary.totals, model_->rowCount()));
}

void PeopleWindow::buildControls(const QFont& listFont)
{
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(PeopleModel::SortRole);
    sorted_->setSortLocaleAware(true);

    table_ = new QTableView(this);
    table_->setObjectName(QLatin1String(PeopleWindowControls::list));
    table_->setAccessibleName(windowTitle());
    table_->setFont(listFont);
    table_->setModel(sorted_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setFont(listFont);
    // The most money lent out first; equal rows keep the summary's order.
    table_->setSortingEnabled(true);
    table_->sortByColumn(PeopleModel::LentOut, Qt::DescendingOrder);
    table_->resizeColumnsToContents();
    // Enter opens the first row at once; nothing is selected, so Ctrl+C copies every row.
    if (sorted_->rowCount() > 0)
        table_->selectionModel()->setCurrentIndex(sorted_->index(0, 0),
                                                  QItemSelectionModel::NoUpdate);
    // A double-click opens a row; a single click, even where it activates, only selects.
    connect(table_, &QTableView::doubleClicked, this, &PeopleWindow::showPerson);
    table_->installEventFilter(this);

    totals_ = new QLabel(this);
    totals_->setObjectName(QLatin1String(PeopleWindowControls::totals));
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("關閉"), QDialogButtonBox::RejectRole);
    close->setObjectName(QLatin1String(PeopleWindowControls::closeButton));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(totals_);
    layout->addWidget(buttons);
    resize(std::max(640, table_->horizontalHeader()->length() + 60), 420);
    table_->setFocus();
}

QString PeopleWindow::copiedText() const
{
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty()) {
        for (int row = 0; row < sorted_->rowCount(); ++row)
            rows.append(row);
    }
    QStringList cells;
    for (int column = 0; column < PeopleModel::ColumnCount; ++column)
        cells.append(sorted_->headerData(column, Qt::Horizontal).toString());
    QString text = cells.join(u'\t') + u'\n';
    for (int row : rows) {
        cells.clear();
        for (int column = 0; column < PeopleModel::ColumnCount; ++column)
            cells.append(asCell(sorted_->index(row, column).data().toString()));
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

// Enter opens the current row and goes no further, where the dialog would take it for its
// default button; Ctrl+C copies rows, where the table would copy its current cell.
bool PeopleWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != table_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
        copyRows();
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (table_->currentIndex().isValid())
            showPerson(table_->currentIndex());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PeopleWindow::copyRows() const
{
    QGuiApplication::clipboard()->setText(copiedText());
}

void PeopleWindow::showPerson(const QModelIndex& index)
{
    const QString& name = model_->balanceAt(sorted_->mapToSource(index).row()).name;
    PersonRecords person(records_, name, listFont_, this);
    Modal::exec(person);
}
