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

    // Processes the events until the widget has settled: its delayed layout, its updates and
    // their paints. A paint is forced only when those events brought none, so that a timing holds
    // the widget's painting once and never twice.
    void paintSettled();
    // Processes the events until the widget has painted for the first time.
    void firstPaint();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count_ = 0;
    std::function<void()> afterFirst_;
};
