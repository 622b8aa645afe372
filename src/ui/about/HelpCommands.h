#pragma once

#include <QString>

class MainForm;

// The Help menu: the local help page and the About dialog.
namespace HelpCommands {

inline const QString HelpPage = QStringLiteral("Tovi.htm");

// Hands the help page beside the program to the desktop shell; whether it opens is the
// shell's business, so nothing is reported here.
void Help_Help_Click(MainForm& main);
void Help_About_Click(MainForm& main);

} // namespace HelpCommands
