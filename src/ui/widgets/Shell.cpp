#include "ui/widgets/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
struct TestState
{
    bool on = false;
    QList<Shell::Opened> opened;
};

TestState& testState()
{
    static TestState state;
    return state;
}
} // namespace

void Shell::open(QWidget*, const QString& target, int showCommand)
{
    TestState& state = testState();
    if (state.on) {
        state.opened.append({target, showCommand});
        return;
    }
    const QUrl url = target.startsWith(u'/') ? QUrl::fromLocalFile(target) : QUrl(target);
    QDesktopServices::openUrl(url);
}

void Shell::setTestMode(bool on)
{
    testState().on = on;
}

const QList<Shell::Opened>& Shell::opened()
{
    return testState().opened;
}

void Shell::clearOpened()
{
    testState().opened.clear();
}
