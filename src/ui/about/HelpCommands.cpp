#include "ui/about/HelpCommands.h"

#include "Product.h"
#include "platform/Modal.h"
#include "platform/Shell.h"
#include "ui/about/AboutDialog.h"

namespace HelpCommands {

void openHelpPage(QWidget* parent, const QString& folder)
{
    Shell::open(parent, folder + Product::Title + QStringLiteral(".htm"), Shell::ShowNormal);
}

void showAbout(QWidget* parent)
{
    AboutDialog dialog(parent);
    Modal::exec(dialog);
}

} // namespace HelpCommands
