#include "platform/DialogLayout.h"
#include "platform/Fonts.h"
#include "support/MainFormHarness.h"
#include "ui/about/AboutForm.h"
#include "ui/editor/InputForm.h"
#include "ui/editor/UseForm.h"
#include "ui/lists/SetForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

// At the program's fonts no label, button, check box or option button placed on a window is
// smaller than its caption needs, or reaches out of the window. (The toolbar and the status bar
// size theirs by their layouts.)
TEST(Captions, NoCaptionOfAnyWindowIsClipped)
{
    const QFont testFont = QApplication::font();
    Fonts::install();
    MainFormHarness h;
    MainForm& main = h.start();
    InputForm editor(main);
    UseForm pick(editor, h.store());
    SetForm lists(main, ListMode::items());
    AboutForm about;
    for (QWidget* window : QList<QWidget*>{&main, &editor, &pick, &lists, &about}) {
        window->show();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            const QString caption = label ? label->text() : button ? button->text() : QString();
            if (caption.isEmpty() || control->parentWidget()->layout())
                continue;
            SCOPED_TRACE((window->objectName() + u'/' + control->objectName()).toStdString());
            const QRect place(control->mapTo(window, QPoint()), control->size());
            const QSize needed = DialogLayout::captionSize(control);
            EXPECT_GE(place.width(), needed.width());
            EXPECT_GE(place.height(), needed.height());
            EXPECT_TRUE(window->rect().contains(place));
        }
    }
    QApplication::setFont(testFont);
}
