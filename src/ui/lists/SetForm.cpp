#include "ui/lists/SetForm.h"

namespace SetForm {
void open(MainForm&, const QString&) {}
} // namespace SetForm
