#pragma once

class MainForm;

namespace HelpCommands {
void Help_Help_Click(MainForm& main);
void Help_About_Click(MainForm& main);
} // namespace HelpCommands
