#include "ui/main/FilterStrip.h"

#include "ui/widgets/Contrast.h"

#include <QEvent>
#include <QPainter>

FilterStrip::FilterStrip(QWidget* parent) : QWidget(parent), tile_(stripeTile(palette())) {}

QPixmap FilterStrip::stripeTile(const QPalette& palette)
{
    QColor ground(Qt::white);
    QColor stripe(234, 234, 234);
    if (Contrast::isDark(palette)) {
        const QColor text = palette.color(QPalette::WindowText);
        ground = Contrast::readableOn(palette.color(QPalette::Window), text);
        stripe = Contrast::readableOn(ground.lighter(120), text);
    }
    QPixmap tile(TileSize, TileSize);
    tile.fill(ground);
    QPainter painter(&tile);
    painter.setPen(stripe);
    for (int y = 0; y < TileSize; y += 3)
        painter.drawLine(0, y, TileSize - 1, y);
    return tile;
}

void FilterStrip::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        tile_ = stripeTile(palette());
}

void FilterStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int x = 0; x <= width() + TileSize; x += TileSize) {
        for (int y = 0; y <= height() + TileSize; y += TileSize)
            painter.drawPixmap(x, y, tile_);
    }
}
