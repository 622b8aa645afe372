#include "ui/about/HelpCommands.h"

#include "platform/Modal.h"
#include "platform/Shell.h"
#include "ui/about/AboutForm.h"
#include "ui/main/MainForm.h"

namespace HelpCommands {

void Help_Help_Click(MainForm& main)
{
    Shell::open(&main, main.store().AppDir() + HelpPage, Shell::ShowNormal);
}

void Help_About_Click(MainForm& main)
{
    AboutForm form(&main);
    Modal::exec(form);
}

} // namespace HelpCommands
