#include "platform/Module1.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

namespace {
// Refuses the close requests that a Close command would have served.
class CloseCommandFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && event->spontaneous()) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void RemoveCloseCommand(QWidget* window)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags &=
        ~(Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint);
    window->setWindowFlags(flags);
    window->installEventFilter(new CloseCommandFilter(window));
}

void FlattenListHeader(QTableView* list)
{
    QHeaderView* header = list->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: palette(window); border: none;"
        " border-right: 1px solid palette(mid); border-bottom: 1px solid palette(mid);"
        " padding: 2px 4px; }"));
}
