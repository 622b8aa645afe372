#include "ui/widgets/CloseCommand.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QWidget>

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
