#include "ui/main/RecordListPanel.h"

#include "ui/ControlNames.h"
#include "ui/main/FilterStrip.h"
#include "ui/main/MainLayout.h"
#include "ui/records/RecordCellDelegate.h"
#include "ui/records/RecordListModel.h"
#include "ui/records/RecordListView.h"
#include "ui/widgets/DialogLayout.h"
#include "ui/widgets/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {
// The designed client area holds the toolbar; this panel starts below it.
constexpr int kToolbarTwips = MainLayout::ToolbarTwips;
constexpr int kListTopTwips = 1320;
constexpr int kDesignColumnWidths[] = {90, 50, 110, 100, 220, 50, 90, 90};

QRect belowToolbar(int left, int top, int width, int height)
{
    return Twips::rect(left, top - kToolbarTwips, width, height);
}

// Three option buttons, the first chosen; the ids are their indexes. They stand in a box of their
// own, unseen, that gives the group its name for screen readers.
QButtonGroup* optionGroup(QWidget* parent, const char* name, const char* const (&buttonNames)[3],
                          const QString& groupName, const QStringList& captions, int left, int top)
{
    auto* box = new QWidget(parent);
    box->setAccessibleName(groupName);
    box->move(Twips::toPixels(left), Twips::toPixels(top));
    auto* group = new QButtonGroup(box);
    group->setObjectName(QString::fromLatin1(name));
    QRect area;
    for (int i = 0; i < 3; ++i) {
        auto* button = DialogLayout::place<QRadioButton>(box, buttonNames[i], captions[i],
                                                         left + i * 960, top, 855, 375);
        button->move(button->pos() - box->pos()); // where the design puts it in the parent
        area |= button->geometry();
        group->addButton(button, i);
    }
    box->resize(area.right() + 1, area.bottom() + 1);
    group->button(0)->setChecked(true);
    return group;
}
} // namespace

RecordListPanel::RecordListPanel(RecordListModel* model, QWidget* parent)
    : QWidget(parent), model_(model)
{
    setObjectName(QLatin1String(MainWindowControls::clientArea));
    buildControls();
    buildList(model);
    setTabOrder(selectAll_, direction_->button(0));
    setTabOrder(direction_->button(0), direction_->button(1));
    setTabOrder(direction_->button(1), direction_->button(2));
    setTabOrder(direction_->button(2), status_->button(0));
    setTabOrder(status_->button(0), status_->button(1));
    setTabOrder(status_->button(1), status_->button(2));
    setTabOrder(status_->button(2), category_);
    setTabOrder(category_, list_);
    layoutControls();
}

void RecordListPanel::buildControls()
{
    strip_ = new FilterStrip(this);
    strip_->setObjectName(QLatin1String(MainWindowControls::filterStrip));
    strip_->setGeometry(belowToolbar(-30, 720, 10215, 795));

    selectAll_ = DialogLayout::place<QPushButton>(strip_, MainWindowControls::selectAllButton,
                                                  QStringLiteral("全選"), 120, 90, 855, 375);
    connect(selectAll_, &QPushButton::clicked, this, &RecordListPanel::toggleTicks);
    stripLine_ = DialogLayout::line(strip_, MainWindowControls::filterStripLine,
                                    EtchedLine::Half::Shadow, 0, 540, 10080);

    status_ = optionGroup(strip_, MainWindowControls::statusFilter,
                          {MainWindowControls::statusAll, MainWindowControls::statusNotReturned,
                           MainWindowControls::statusReturned},
                          QStringLiteral("狀態"), {Texts::All, Texts::NotReturned, Texts::Returned},
                          4320, 90);
    direction_ =
        optionGroup(this, MainWindowControls::directionFilter,
                    {MainWindowControls::directionAll, MainWindowControls::directionLentOut,
                     MainWindowControls::directionBorrowedIn},
                    QStringLiteral("類別"), {Texts::All, Texts::LentOut, Texts::BorrowedIn}, 1320,
                    840 - kToolbarTwips);
    connect(direction_, &QButtonGroup::idClicked, this, &RecordListPanel::showFiltered);
    connect(status_, &QButtonGroup::idClicked, this, &RecordListPanel::showFiltered);

    category_ = new QComboBox(this);
    category_->setObjectName(QLatin1String(MainWindowControls::categoryFilter));
    category_->setEditable(false);
    category_->setGeometry(belowToolbar(7440, 870, 2535, 330));
    category_->setMaxVisibleItems(20);
    connect(category_, &QComboBox::activated, this, &RecordListPanel::showFiltered);
    // Screen readers on Linux name a drop-down list by the label it is the buddy of, not by an
    // accessible name; the filter has no caption on screen, so an unseen one names it.
    auto* caption = new QLabel(QStringLiteral("分類"), this);
    caption->setBuddy(category_);
    caption->hide();
}

void RecordListPanel::buildList(RecordListModel* model)
{
    list_ = new RecordListView(this);
    list_->setObjectName(QLatin1String(MainWindowControls::recordList));
    list_->setAccessibleName(QStringLiteral("資料"));
    list_->setModel(model);
    list_->setItemDelegate(new RecordCellDelegate(list_));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->setAlternatingRowColors(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->horizontalHeader()->setStretchLastSection(false);
    for (int c = 0; c < LoanRecord::FieldCount; ++c)
        list_->setColumnWidth(c, kDesignColumnWidths[c]);
    list_->setColumnHidden(RecordListModel::IndexColumn, true);
    // A double-click anywhere in a row, its check box too, edits that row; so do Enter and F2 on
    // the current row.
    auto edit = [this](const QModelIndex& index) {
        selectRow(index.row());
        emit rowActivated();
    };
    connect(list_, &QTableView::doubleClicked, this, edit);
    connect(list_, &RecordListView::editKeyPressed, this, edit);
    connect(model, &QAbstractItemModel::modelReset, this, &RecordListPanel::followRebuild);
}

void RecordListPanel::layoutControls()
{
    const int listTop = Twips::toPixels(kListTopTwips - kToolbarTwips);
    list_->setGeometry(0, listTop, width(), std::max(0, height() - listTop));
    strip_->resize(width() + 1, strip_->height());
    stripLine_->setGeometry(0, Twips::toPixels(540), std::max(0, width()), 1);
    category_->move(width() - category_->width(), category_->y());
    strip_->lower();
}

void RecordListPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

RecordFilter RecordListPanel::filter() const
{
    return {category_->currentText(), directionIndex(), statusIndex()};
}

int RecordListPanel::directionIndex() const
{
    return direction_->checkedId();
}

int RecordListPanel::statusIndex() const
{
    return status_->checkedId();
}

int RecordListPanel::categoryIndex() const
{
    return category_->currentIndex();
}

int RecordListPanel::categoryCount() const
{
    return category_->count();
}

void RecordListPanel::setCategories(const QStringList& categories)
{
    category_->clear();
    category_->addItems(RecordFilter::categoryEntries(categories, RecordFilter::Box::Filter));
}

void RecordListPanel::chooseCategory(const QString& text)
{
    category_->setCurrentIndex(
        std::max(0, category_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive)));
    showFiltered();
}

void RecordListPanel::restoreFilters(int direction, int status, int category)
{
    direction_->button(direction)->setChecked(true);
    status_->button(status)->setChecked(true);
    category_->setCurrentIndex(category);
    showFiltered();
}

void RecordListPanel::showFiltered()
{
    model_->setFilter(filter());
}

void RecordListPanel::followRebuild()
{
    allTicked_ = false;
    selectAll_->setText(QStringLiteral("全選"));
    if (model_->rowCount() > 0)
        selectRow(model_->rowCount() - 1);
}

void RecordListPanel::selectRow(int row)
{
    const QModelIndex index = model_->index(row, 0);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    list_->scrollTo(index);
}

int RecordListPanel::selectedRow() const
{
    return list_->selectedRow();
}

void RecordListPanel::toggleTicks()
{
    allTicked_ = !allTicked_ && model_->rowCount() > 0;
    model_->setAllChecked(allTicked_);
    selectAll_->setText(allTicked_ ? QStringLiteral("取消") : QStringLiteral("全選"));
}
