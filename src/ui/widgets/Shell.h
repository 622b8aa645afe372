#pragma once

#include <QList>
#include <QString>

// The desktop shell's "open" action: a local file or an address handed to whatever program the
// desktop associates with it. The result is not looked at.
class Shell
{
public:
    // target: an absolute file name, or an address with its scheme ("https:", "mailto:").
    static void open(const QString& target);

    // Test seam: nothing is opened; every target asked for is kept in opened().
    static void setTestMode(bool on);
    static const QList<QString>& opened();
    static void clearOpened();
};
