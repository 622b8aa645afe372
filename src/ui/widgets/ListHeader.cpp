#include "ui/widgets/ListHeader.h"

#include <QHeaderView>
#include <QTableView>

void FlattenListHeader(QTableView* list)
{
    QHeaderView* header = list->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: palette(window); border: none;"
        " border-right: 1px solid palette(mid); border-bottom: 1px solid palette(mid);"
        " padding: 2px 4px; }"));
}
