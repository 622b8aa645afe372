#pragma once

#include <QString>

class QWidget;

// The Help menu: the local help page and the About dialog.
namespace HelpCommands {

// Hands the help page in the program's folder (ending in "/") to the desktop shell; whether it
// opens is the shell's business, so nothing is reported here.
void openHelpPage(const QString& folder);
void showAbout(QWidget* parent);

} // namespace HelpCommands
