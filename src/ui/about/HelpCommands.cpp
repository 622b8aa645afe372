#include "ui/about/HelpCommands.h"

namespace HelpCommands {
void Help_Help_Click(MainForm&) {}
void Help_About_Click(MainForm&) {}
} // namespace HelpCommands
