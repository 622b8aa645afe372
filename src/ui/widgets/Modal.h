#pragma once

#include <functional>

class QDialog;

// Shows a dialog modally. Tests queue a handler that works the open dialog and closes it,
// in the order in which the program opens its dialogs.
class Modal
{
public:
    using Handler = std::function<void(QDialog&)>;

    // Returns the dialog's result code.
    static int exec(QDialog& dialog);

    // Test seam: a dialog with no queued handler is closed again at once (rejected).
    static void setTestMode(bool on);
    static void setNextHandler(Handler handler);
    static int pendingHandlers();
    static void clearHandlers();
};
