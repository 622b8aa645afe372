#pragma once

#include <QString>

class MainForm;

namespace SetForm {
// Opens the reference-list editor for the list its caption names.
void open(MainForm& main, const QString& caption);
} // namespace SetForm
