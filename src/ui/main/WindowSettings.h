#pragma once

#include <QSize>

#include <optional>

class QEvent;
class QMainWindow;
class QTableView;
class SettingsStore;

// The main window's settings: its state, place and size, the list's column widths and font size,
// and the three filters. A value the program never writes reads as the default.
class WindowSettings
{
public:
    struct Filters
    {
        int direction = 0;
        int status = 0;
        int category = 0; // the entry's position
    };

    WindowSettings(QMainWindow& window, QTableView& list, SettingsStore& settings);

    // Column widths, window state, place and size: before the window is shown.
    void restoreWindow();
    // The list's font size, 9 unless the menu offers the size stored.
    int fontSize() const;
    // Stored at once, not at the close.
    void storeFontSize(int size);
    Filters filters(int categoryCount) const;
    // What to tell at the start when the settings file can be neither read nor written, or the
    // empty text.
    QString startNotice() const;
    // Everything but the font size, at the close. Returns what to tell the user when it could not
    // be written, or the empty text.
    QString save(const Filters& filters);

    // The least size and the stored size are the window's outer ones, but the window system sizes
    // the inside; the frame's size is known only once the window is shown. The window hands on
    // every event, once it has handled it.
    void windowEvent(const QEvent* event);

private:
    void followFrame(const QSize& frame);

    QMainWindow& window_;
    QTableView& list_;
    SettingsStore& settings_;
    std::optional<QSize> pendingOuterSize_;
};
