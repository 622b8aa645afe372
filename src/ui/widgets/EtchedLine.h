#pragma once

#include <QColor>
#include <QWidget>

// One half of an etched separator, a line one pixel high: on a light window the designed grey
// above or white below, on a dark one the window's own shadow and light, which do not glare. It
// follows the palette as it changes.
class EtchedLine : public QWidget
{
public:
    enum class Half
    {
        Shadow, // grey (128, 128, 128)
        Light,  // white
    };

    EtchedLine(Half half, QWidget* parent);

    QColor colour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Half half_;
};
