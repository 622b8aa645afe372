#include "ui/widgets/EtchedLine.h"

#include "ui/widgets/Contrast.h"

#include <QPainter>

EtchedLine::EtchedLine(Half half, QWidget* parent) : QWidget(parent), half_(half) {}

QColor EtchedLine::colour() const
{
    if (Contrast::isDark(palette()))
        return palette().color(half_ == Half::Shadow ? QPalette::Dark : QPalette::Light);
    return half_ == Half::Shadow ? QColor(128, 128, 128) : QColor(255, 255, 255);
}

void EtchedLine::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), colour());
}
