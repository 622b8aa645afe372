#include "ui/widgets/Modal.h"

#include <QDialog>

#include <deque>

namespace {
struct TestState
{
    bool on = false;
    std::deque<Modal::Handler> handlers;
};

TestState& testState()
{
    static TestState state;
    return state;
}
} // namespace

int Modal::exec(QDialog& dialog)
{
    TestState& state = testState();
    if (!state.on)
        return dialog.exec();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (!state.handlers.empty()) {
        Handler handler = std::move(state.handlers.front());
        state.handlers.pop_front();
        handler(dialog);
    }
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

void Modal::setTestMode(bool on)
{
    testState().on = on;
}

void Modal::setNextHandler(Handler handler)
{
    testState().handlers.push_back(std::move(handler));
}

int Modal::pendingHandlers()
{
    return static_cast<int>(testState().handlers.size());
}

void Modal::clearHandlers()
{
    testState().handlers.clear();
}
