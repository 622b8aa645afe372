#include "platform/DialogLayout.h"

#include "platform/Module1.h"

#include <QFrame>

namespace DialogLayout {

QFrame* line(QWidget* parent, const char* name, const QColor& colour, int left, int top, int width)
{
    auto* frame = place<QFrame>(parent, name, left, top, width, Twips::PerPixel);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
    return frame;
}

QFont font(const QString& family, qreal points)
{
    QFont f(family);
    f.setPointSizeF(points);
    return f;
}

void makeFixedDialog(QWidget* dialog, int width, int height)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint);
    dialog->setFixedSize(Twips::toPixels(width), Twips::toPixels(height));
    RemoveCloseCommand(dialog);
}

} // namespace DialogLayout
