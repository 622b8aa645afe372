#pragma once

class QTableView;

// Column headings drawn flat, not acting as buttons.
void FlattenListHeader(QTableView* list);
