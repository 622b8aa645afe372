#pragma once

#include <QSignalSpy>

class QAbstractItemModel;

// The cells a model told its views to repaint (dataChanged) since the watch began: what a view
// shows anew, which reading the model's data cannot tell.
class RepaintWatch
{
public:
    explicit RepaintWatch(const QAbstractItemModel* model);

    // A change that names no role covers every role.
    bool covers(int row, int column, int role) const;

private:
    QSignalSpy changes_;
};
