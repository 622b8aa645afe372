#include "ui/about/AboutDialog.h"

#include "Product.h"
#include "ui/ControlNames.h"
#include "ui/widgets/DialogLayout.h"
#include "ui/widgets/ProgramIcon.h"
#include "ui/widgets/Shell.h"
#include "ui/widgets/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kClientWidth = 6120;
constexpr int kClientHeight = 1845;
constexpr int kIconPixels = 32;
} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QLatin1String(AboutControls::dialog));
    DialogLayout::makeFixedDialog(this, kClientWidth, kClientHeight);
    setWindowTitle(QStringLiteral("關於") + Product::Name);

    auto* image = new QLabel(this);
    image->setObjectName(QLatin1String(AboutControls::icon));
    image->setPixmap(ProgramIcon::icon().pixmap(kIconPixels));
    image->setGeometry(Twips::rect(240, 240, 480, 480));

    addLabel(AboutControls::captionLabel, Product::Caption, 240, 1260);
    addLabel(AboutControls::copyrightLabel,
             QStringLiteral("Copyright © 2026 %1 開發團隊").arg(Product::Name), 480, 2745);
    addLabel(AboutControls::webSiteLabel, Product::WebSite, 840, 2160);
    addLabel(AboutControls::mailAddressLabel, Product::MailAddress, 1080, 1845);

    auto* ok = DialogLayout::place<QPushButton>(this, AboutControls::okButton,
                                                QStringLiteral("確定"), 4920, 120, 1095, 375);
    auto* mail = DialogLayout::place<QPushButton>(
        this, AboutControls::mailButton, QStringLiteral("寄信給作者"), 4920, 600, 1095, 375);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(mail, &QPushButton::clicked, this, &AboutDialog::mailAuthor);
}

void AboutDialog::addLabel(const char* name, const QString& text, int top, int width)
{
    auto* label = DialogLayout::place<QLabel>(this, name, text, 1080, top, width, 180);
    // Plain text: an address shown here is read, not followed.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
}

void AboutDialog::mailAuthor()
{
    Shell::open(QStringLiteral("mailto:") + Product::MailAddress);
}
