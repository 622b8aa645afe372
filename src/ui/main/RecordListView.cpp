#include "ui/main/RecordListView.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QResizeEvent>
#include <QScrollBar>

RecordListView::RecordListView(QWidget* parent) : QTableView(parent)
{
    followFont(-1);
}

void RecordListView::changeEvent(QEvent* event)
{
    if (event->type() != QEvent::FontChange) {
        QTableView::changeEvent(event);
        return;
    }
    // Taken before the new font moves anything: the header grows with it and shrinks the
    // viewport while the scroll bars cannot follow yet.
    const int row = selectedRow();
    const bool inView = row >= 0 && whollyWithin(row, viewport()->height());
    QTableView::changeEvent(event);
    followFont(inView ? row : -1);
}

// The header's style sheet keeps the header, and the viewport it paints its sections on, from
// inheriting the list's font, so the font is handed to both.
void RecordListView::followFont(int rowInView)
{
    QHeaderView* header = horizontalHeader();
    header->setFont(font());
    header->viewport()->setFont(font());
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // The header's height and the scroll bars' ranges follow at once.
    updateGeometries();
    if (rowInView >= 0)
        bringIntoView(rowInView);
}

void RecordListView::resizeEvent(QResizeEvent* event)
{
    const int row = selectedRow();
    const int before = event->oldSize().height();
    const bool pushedOut = row >= 0 && event->size().height() < before &&
                           whollyWithin(row, before) && !whollyWithin(row, event->size().height());
    // Updates the scroll bars to the new size first.
    QTableView::resizeEvent(event);
    if (pushedOut)
        bringIntoView(row);
}

int RecordListView::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool RecordListView::whollyWithin(int row, int height) const
{
    const int top = rowViewportPosition(row);
    return top >= 0 && top + rowHeight(row) <= height;
}

void RecordListView::bringIntoView(int row)
{
    const int left = horizontalScrollBar()->value();
    scrollTo(model()->index(row, 0));
    horizontalScrollBar()->setValue(left);
}
