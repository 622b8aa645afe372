#pragma once

class QWidget;
class QTableView;

// The two window helpers every window of the program uses.

// The window loses its Close command: no close button on its frame, and neither the window
// system nor the Escape key can close it. Only its own buttons do.
void RemoveCloseCommand(QWidget* window);

// Column headings drawn flat, not acting as buttons.
void FlattenListHeader(QTableView* list);
