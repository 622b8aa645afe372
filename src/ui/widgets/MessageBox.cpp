#include "ui/widgets/MessageBox.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <deque>

namespace {
// The test seam, and the boxes open.
struct BoxState
{
    bool on = false;
    std::deque<MessageBox::Button> answers;
    std::deque<QString> inputs;
    QList<MessageBox::Shown> history;
    std::chrono::seconds timeLimit{0};
    // One for each box open, nested boxes last.
    QList<QTimer*> openBoxTimers;
};

BoxState& boxState()
{
    static BoxState state;
    return state;
}

QMessageBox::Icon toQt(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Exclamation:
        return QMessageBox::Warning;
    case MessageBox::Information:
        return QMessageBox::Information;
    case MessageBox::Critical:
        return QMessageBox::Critical;
    case MessageBox::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}

// Qt's standard buttons carry English captions; the program speaks Traditional Chinese.
const QList<std::pair<MessageBox::Button, QString>>& buttonTexts()
{
    static const QList<std::pair<MessageBox::Button, QString>> texts{
        {MessageBox::Ok, QStringLiteral("確定")},
        {MessageBox::Yes, QStringLiteral("是(&Y)")},
        {MessageBox::No, QStringLiteral("否(&N)")},
        {MessageBox::Retry, QStringLiteral("重試(&R)")},
        {MessageBox::Discard, QStringLiteral("不儲存(&D)")},
        {MessageBox::Cancel, QStringLiteral("取消")},
    };
    return texts;
}

QMessageBox::ButtonRole roleOf(MessageBox::Button button)
{
    switch (button) {
    case MessageBox::Ok:
    case MessageBox::Yes:
        return QMessageBox::AcceptRole;
    case MessageBox::No:
        return QMessageBox::NoRole;
    case MessageBox::Retry:
        return QMessageBox::AcceptRole;
    case MessageBox::Discard:
        return QMessageBox::DestructiveRole;
    case MessageBox::Cancel:
        return QMessageBox::RejectRole;
    case MessageBox::NoButton:
        break;
    }
    return QMessageBox::InvalidRole;
}
} // namespace

MessageBox::Button MessageBox::show(QWidget* parent, const QString& text, const QString& title,
                                    Icon icon, Buttons buttons, Button defaultButton)
{
    BoxState& state = boxState();
    if (state.on) {
        state.history.append({title, text, icon, buttons, {}, false, state.timeLimit});
        if (state.answers.empty())
            return defaultButton;
        const Button answer = state.answers.front();
        state.answers.pop_front();
        return answer;
    }
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
    QList<std::pair<QAbstractButton*, Button>> made;
    for (const auto& [button, caption] : buttonTexts()) {
        if (!buttons.testFlag(button))
            continue;
        QPushButton* b = box.addButton(caption, roleOf(button));
        made.append({b, button});
        if (button == defaultButton)
            box.setDefaultButton(b);
    }
    QTimer timeLimit;
    timeLimit.setSingleShot(true);
    bool unanswered = false;
    QObject::connect(&timeLimit, &QTimer::timeout, &box, [&] {
        unanswered = true;
        box.done(0);
    });
    if (state.timeLimit.count() > 0)
        timeLimit.start(state.timeLimit);
    state.openBoxTimers.append(&timeLimit);
    box.exec();
    state.openBoxTimers.removeOne(&timeLimit);
    if (unanswered)
        return NoButton;
    for (const auto& [b, button] : made) {
        if (box.clickedButton() == b)
            return button;
    }
    return buttons.testFlag(Cancel) ? Cancel : defaultButton;
}

void MessageBox::warning(QWidget* parent, const QString& text)
{
    show(parent, text, WarningTitle, Exclamation, Ok, Ok);
}

bool MessageBox::confirm(QWidget* parent, const QString& text, const QString& title,
                         Button defaultButton)
{
    return show(parent, text, title, Exclamation, Buttons(Yes) | No, defaultButton) == Yes;
}

QString MessageBox::input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText)
{
    BoxState& state = boxState();
    if (state.on) {
        state.history.append({title, prompt, NoIcon, Buttons(Ok) | Cancel, defaultText, true});
        if (state.inputs.empty())
            return defaultText;
        const QString answer = state.inputs.front();
        state.inputs.pop_front();
        return answer;
    }
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("確定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void MessageBox::setTimeLimit(std::chrono::seconds limit)
{
    BoxState& state = boxState();
    state.timeLimit = limit;
    for (QTimer* timer : state.openBoxTimers)
        timer->start(limit);
}

void MessageBox::setTestMode(bool on)
{
    boxState().on = on;
}

void MessageBox::setNextAnswer(Button answer)
{
    boxState().answers.push_back(answer);
}

void MessageBox::setNextInput(const QString& answer)
{
    boxState().inputs.push_back(answer);
}

const QList<MessageBox::Shown>& MessageBox::history()
{
    return boxState().history;
}

void MessageBox::clearHistory()
{
    BoxState& state = boxState();
    state.history.clear();
    state.answers.clear();
    state.inputs.clear();
    state.timeLimit = std::chrono::seconds(0);
}
