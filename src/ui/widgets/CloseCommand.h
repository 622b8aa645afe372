#pragma once

class QWidget;

// The window loses its Close command: no close button on its frame, and neither the window
// system nor the Escape key can close it. Only its own buttons do.
void RemoveCloseCommand(QWidget* window);
