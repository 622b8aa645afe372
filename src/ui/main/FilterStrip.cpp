#include "ui/main/FilterStrip.h"

#include <QPainter>

FilterStrip::FilterStrip(QWidget* parent) : QWidget(parent), tile_(stripeTile()) {}

QPixmap FilterStrip::stripeTile()
{
    QPixmap tile(TileSize, TileSize);
    tile.fill(Qt::white);
    QPainter painter(&tile);
    painter.setPen(QColor(234, 234, 234));
    for (int y = 0; y < TileSize; y += 3)
        painter.drawLine(0, y, TileSize - 1, y);
    return tile;
}

void FilterStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int x = 0; x <= width() + TileSize; x += TileSize) {
        for (int y = 0; y <= height() + TileSize; y += TileSize)
            painter.drawPixmap(x, y, tile_);
    }
}
