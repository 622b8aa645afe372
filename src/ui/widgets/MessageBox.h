#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include <chrono>

class QWidget;

// Every message box and input box of the program goes through here, so that tests can answer
// them (in the manner of setNextAnswer) instead of waiting on a modal loop.
class MessageBox
{
public:
    enum Icon
    {
        NoIcon,
        Exclamation,
        Information,
        Critical
    };
    enum Button
    {
        NoButton = 0,
        Ok = 0x1,
        Yes = 0x2,
        No = 0x4,
        Retry = 0x8,
        Discard = 0x10,
        Cancel = 0x20
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    // What a box showed, kept for tests.
    struct Shown
    {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
        QString defaultText; // input boxes only
        bool isInput = false;
        std::chrono::seconds timeLimit{0}; // see setTimeLimit; 0 for none
    };

    static inline const QString WarningTitle = QStringLiteral("注意");

    static Button show(QWidget* parent, const QString& text, const QString& title, Icon icon,
                       Buttons buttons, Button defaultButton);
    // The program's warning: title "注意", exclamation icon, OK.
    static void warning(QWidget* parent, const QString& text);
    // A confirmation: exclamation icon, Yes and No; true for Yes. Where Yes would write over
    // something that cannot be had back, No is the default button.
    static bool confirm(QWidget* parent, const QString& text, const QString& title,
                        Button defaultButton = Yes);
    // An input box; Cancel gives the empty text.
    static QString input(QWidget* parent, const QString& prompt, const QString& title,
                         const QString& defaultText = {});

    // From now on a box left unanswered for that long closes by itself, the open ones too, and
    // gives NoButton (never Yes): at a session's end nothing may wait for an answer for ever.
    static void setTimeLimit(std::chrono::seconds limit);

    // Test seam: boxes are not shown; each takes the next queued answer, or its default button
    // (the default text for input boxes) when none is queued, and is kept in history().
    static void setTestMode(bool on);
    static void setNextAnswer(Button answer);
    static void setNextInput(const QString& answer);
    static const QList<Shown>& history();
    // Starts afresh: no history, no queued answers, no time limit.
    static void clearHistory();
};

Q_DECLARE_OPERATORS_FOR_FLAGS(MessageBox::Buttons)
