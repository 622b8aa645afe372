#include "ui/widgets/ScreenFit.h"

#include <algorithm>

namespace ScreenFit {

QRect fit(const QRect& outer, const QList<QRect>& available, const QRect& primary)
{
    QRect area = primary;
    qint64 largest = 0;
    for (const QRect& screen : available) {
        const QRect common = screen.intersected(outer);
        const qint64 size = qint64(common.width()) * common.height();
        if (size > largest) {
            largest = size;
            area = screen;
        }
    }
    if (area.isEmpty())
        return outer; // no screen to fit to
    const QSize size = outer.size().boundedTo(area.size());
    const int left = std::clamp(outer.left(), area.left(), area.right() - size.width() + 1);
    const int top = std::clamp(outer.top(), area.top(), area.bottom() - size.height() + 1);
    return QRect(QPoint(left, top), size);
}

} // namespace ScreenFit
