#include "ui/people/PersonRecords.h"

#include "store/RecordRegister.h"
#include "ui/ControlNames.h"
#include "ui/people/OldestFirst.h"
#include "ui/people/PeopleModel.h"
#include "ui/records/RecordCellDelegate.h"
#include "ui/records/RecordListModel.h"
#include "ui/records/RecordListView.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

PersonRecords::PersonRecords(const RecordRegister& records, const QString& name,
                             const QFont& listFont, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QLatin1String(PersonRecordsControls::dialog));
    const QString title = PeopleModel::shownName(name) + QStringLiteral(" 的借還記錄");
    setWindowTitle(title);

    auto* model = new RecordListModel(records, this);
    RecordFilter party;
    party.borrower = name;
    model->setFilter(party);
    auto* oldestFirst = new OldestFirst(this);
    oldestFirst->setDynamicSortFilter(false);
    oldestFirst->setSourceModel(model);
    oldestFirst->sortRows();

    auto* list = new RecordListView(this);
    list->setObjectName(QLatin1String(PersonRecordsControls::list));
    list->setAccessibleName(title);
    list->setFont(listFont);
    list->setModel(oldestFirst);
    list->setItemDelegate(new RecordCellDelegate(list));
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(false);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->setColumnHidden(RecordListModel::IndexColumn, true);
    list->resizeColumnsToContents();
    const int widest =
        list->fontMetrics().averageCharWidth() * RecordCellDelegate::WidestFitCharacters;
    for (int column = 0; column < LoanRecord::FieldCount; ++column)
        list->setColumnWidth(column, std::min(list->columnWidth(column), widest));
    // Nothing selected, so that every row shows its colours.
    if (oldestFirst->rowCount() > 0)
        list->selectionModel()->setCurrentIndex(oldestFirst->index(0, 0),
                                                QItemSelectionModel::NoUpdate);

    auto* count = new QLabel(QStringLiteral("共 %1 筆資料").arg(oldestFirst->rowCount()), this);
    count->setObjectName(QLatin1String(PersonRecordsControls::count));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("關閉"), QDialogButtonBox::RejectRole);
    close->setObjectName(QLatin1String(PersonRecordsControls::closeButton));
    // Enter, as Esc, goes back to the summary.
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(count);
    layout->addWidget(buttons);
    resize(760, 360);
    list->setFocus();
}
