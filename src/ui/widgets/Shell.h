#pragma once

#include <QList>
#include <QString>

class QWidget;

// The desktop shell's "open" action: a local file or an address handed to whatever program the
// desktop associates with it. The result is not looked at.
class Shell
{
public:
    static constexpr int ShowNormal = 1; // SW_SHOWNORMAL
    static constexpr int Show = 5;       // SW_SHOW

    struct Opened
    {
        QString target;
        int showCommand;
    };

    // target: an absolute file name, or an address with its scheme ("https:", "mailto:").
    static void open(QWidget* parent, const QString& target, int showCommand);

    // Test seam: nothing is opened; every request is kept in opened().
    static void setTestMode(bool on);
    static const QList<Opened>& opened();
    static void clearOpened();
};
