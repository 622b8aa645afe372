#include "ui/about/HelpCommands.h"

#include "Product.h"
#include "ui/about/AboutDialog.h"
#include "ui/widgets/Modal.h"
#include "ui/widgets/Shell.h"

namespace HelpCommands {

void openHelpPage(const QString& folder)
{
    Shell::open(folder + Product::Title + QStringLiteral(".htm"));
}

void showAbout(QWidget* parent)
{
    AboutDialog dialog(parent);
    Modal::exec(dialog);
}

} // namespace HelpCommands
