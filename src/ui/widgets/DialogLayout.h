#pragma once

#include "ui/widgets/EtchedLine.h"
#include "ui/widgets/Twips.h"

#include <QString>
#include <QWidget>

// Building dialogs from their designed positions in twips.
namespace DialogLayout {

template <typename Widget>
Widget* place(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Twips::rect(left, top, width, height));
    return widget;
}

// The least size at which a control shows its whole caption at its font.
QSize captionSize(const QWidget* control);

// The same for a control with a caption: a label, a button, a check box, an option button. The
// designed size suits the designer's font; at the program's fonts the control grows to its
// caption where it needs to, keeping its left and top.
template <typename Widget>
Widget* place(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width, int height)
{
    Widget* widget = place<Widget>(parent, name, left, top, width, height);
    widget->setText(caption);
    widget->resize(widget->size().expandedTo(captionSize(widget)));
    return widget;
}

// A one-pixel horizontal line, one half of an etched separator.
EtchedLine* line(QWidget* parent, const char* name, EtchedLine::Half half, int left, int top,
                 int width);
// An etched separator across a dialog: the grey line, and the white one under it.
void etchedSeparator(QWidget* parent, const char* shadowName, const char* lightName, int left,
                     int top, int width);

// A fixed dialog border of the given client size in twips, no minimise or maximise button,
// no task-bar entry, and no Close command.
void makeFixedDialog(QWidget* dialog, int width, int height);

} // namespace DialogLayout
