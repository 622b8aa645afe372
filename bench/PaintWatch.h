#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Counts the paint events a widget receives, and can run a function once after the first one.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget* widget);

    int count() const { return count_; }
    // Runs right after the first paint has been handled completely: the paint event, and the
    // flush of the window that the same update goes on to do.
    void afterFirstPaint(std::function<void()> done) { afterFirst_ = std::move(done); }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count_ = 0;
    std::function<void()> afterFirst_;
};
