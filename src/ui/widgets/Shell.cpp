#include "ui/widgets/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
struct TestState
{
    bool on = false;
    QList<QString> opened;
};

TestState& testState()
{
    static TestState state;
    return state;
}
} // namespace

void Shell::open(const QString& target)
{
    TestState& state = testState();
    if (state.on) {
        state.opened.append(target);
        return;
    }
    const QUrl url = target.startsWith(u'/') ? QUrl::fromLocalFile(target) : QUrl(target);
    QDesktopServices::openUrl(url);
}

void Shell::setTestMode(bool on)
{
    testState().on = on;
}

const QList<QString>& Shell::opened()
{
    return testState().opened;
}

void Shell::clearOpened()
{
    testState().opened.clear();
}
