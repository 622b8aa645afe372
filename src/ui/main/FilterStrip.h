#pragma once

#include <QPixmap>
#include <QWidget>

// The strip under the toolbar that holds the filters, painted with horizontal stripes by laying
// copies of a 39 × 39 tile from its top-left corner. The stripes follow the palette as it changes.
class FilterStrip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TileSize = 39;

    explicit FilterStrip(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The tile: rows 0, 3, 6, … 36 light gray, the others white, so stripes run across tiles. On
    // a dark palette, whose light text would not read on white, the window's colour with lighter
    // stripes.
    static QPixmap stripeTile(const QPalette& palette);

    QPixmap tile_;
};
