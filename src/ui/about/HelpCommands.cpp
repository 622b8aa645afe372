#include "ui/about/HelpCommands.h"

#include "Product.h"
#include "ui/about/AboutDialog.h"
#include "ui/widgets/Modal.h"
#include "ui/widgets/Shell.h"

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
