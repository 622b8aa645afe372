#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/widgets/DialogLayout.h"
#include "ui/widgets/Fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

// At the program's fonts no label, button, check box or option button placed on a window is
// smaller than its caption needs, or reaches out of the window. (The toolbar and the status bar
// size theirs by their layouts.)
void expectWholeCaptions(const QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const QString caption = label ? label->text() : button ? button->text() : QString();
        if (caption.isEmpty() || control->parentWidget()->layout() || control->window() != &window)
            continue;
        SCOPED_TRACE((window.objectName() + u'/' + control->objectName()).toStdString());
        const QRect place(control->mapTo(&window, QPoint()), control->size());
        const QSize needed = DialogLayout::captionSize(control);
        EXPECT_GE(place.width(), needed.width());
        EXPECT_GE(place.height(), needed.height());
        EXPECT_TRUE(window.rect().contains(place));
    }
}

TEST(Captions, NoCaptionOfAnyWindowIsClipped)
{
    const QFont testFont = QApplication::font();
    Fonts::install();
    WindowHarness h;
    expectWholeCaptions(h.start());
    QStringList seen;
    auto check = [&](QDialog& d) {
        seen.append(d.objectName());
        expectWholeCaptions(d);
    };
    onNextDialog(RecordEditorControls::dialog, [&](QDialog& editor) {
        check(editor);
        clickButton(editor, RecordEditorControls::pickItemsButton);
    });
    onNextDialog(NamePickerControls::dialog, check);
    h.trigger(MainMenuItems::newRecord);
    onNextDialog(ListEditorControls::dialog, check);
    h.trigger(MainMenuItems::editItems);
    onNextDialog(AboutControls::dialog, check);
    h.trigger(MainMenuItems::about);
    EXPECT_EQ(seen, QStringList({RecordEditorControls::dialog, NamePickerControls::dialog,
                                 ListEditorControls::dialog, AboutControls::dialog}));
    QApplication::setFont(testFont);
}

} // namespace
