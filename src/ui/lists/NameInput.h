#pragma once

#include <QString>

class QWidget;

// Asks the user for a name to keep in a reference list.
namespace NameInput {

// Shows an input box and returns the name to store, or the empty text when nothing is to change
// (an empty answer, Cancel, or a name that was refused with a message). Double quotes are taken
// out, as the list file cannot hold them; a name the data files' code page cannot hold is refused.
QString ask(QWidget* parent, const QString& prompt, const QString& title,
            const QString& defaultText);

} // namespace NameInput
