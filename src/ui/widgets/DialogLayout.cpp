#include "ui/widgets/DialogLayout.h"

#include "ui/widgets/CloseCommand.h"

#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace DialogLayout {

QSize captionSize(const QWidget* control)
{
    const QSize hint = control->sizeHint();
    const auto* button = qobject_cast<const QPushButton*>(control);
    if (!button)
        return hint;
    // A style may give every push button a least width of its own (Fusion: 80 pixels), wider
    // than the designed buttons; the caption itself needs its text within the frame and margins.
    const QStyle* style = button->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) +
                      style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, button);
    const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    const int width =
        text + 2 * frame + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    return QSize(std::min(hint.width(), width), hint.height());
}

EtchedLine* line(QWidget* parent, const char* name, EtchedLine::Half half, int left, int top,
                 int width)
{
    auto* line = new EtchedLine(half, parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(Twips::rect(left, top, width, Twips::PerPixel));
    return line;
}

void etchedSeparator(QWidget* parent, const char* shadowName, const char* lightName, int left,
                     int top, int width)
{
    line(parent, shadowName, EtchedLine::Half::Shadow, left, top, width);
    line(parent, lightName, EtchedLine::Half::Light, left, top + Twips::PerPixel, width);
}

void makeFixedDialog(QWidget* dialog, int width, int height)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint);
    dialog->setFixedSize(Twips::toPixels(width), Twips::toPixels(height));
    RemoveCloseCommand(dialog);
}

} // namespace DialogLayout
