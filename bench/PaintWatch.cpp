#include "PaintWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

PaintWatch::PaintWatch(QWidget* widget) : QObject(widget)
{
    widget->installEventFilter(this);
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && ++count_ == 1 && afterFirst_) {
        // A queued call runs only once the event loop is back, after the paint and the flush.
        QMetaObject::invokeMethod(this, afterFirst_, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void PaintWatch::paintSettled()
{
    const int before = count_;
    int seen = before;
    do {
        seen = count_;
        QCoreApplication::processEvents();
    } while (count_ != seen);
    if (count_ == before)
        static_cast<QWidget*>(parent())->repaint();
}

void PaintWatch::firstPaint()
{
    while (count_ == 0)
        QCoreApplication::processEvents();
}
