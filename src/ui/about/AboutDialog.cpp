#include "ui/about/AboutDialog.h"

#include "Product.h"
#include "platform/DialogLayout.h"
#include "platform/ProgramIcon.h"
#include "platform/Shell.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kClientWidth = 6120;
constexpr int kClientHeight = 1845;
constexpr int kIconPixels = 32;
} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    DialogLayout::makeFixedDialog(this, kClientWidth, kClientHeight);
    setWindowTitle(QStringLiteral("關於") + Product::Name);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image2"));
    image->setPixmap(ProgramIcon::icon().pixmap(kIconPixels));
    image->setGeometry(Twips::rect(240, 240, 480, 480));

    addLabel("Label1", Product::Caption, 240, 1260);
    addLabel("Label2", QStringLiteral("Copyright © 2026 %1 開發團隊").arg(Product::Name), 480,
             2745);
    addLabel("Label3", Product::WebSite, 840, 2160);
    addLabel("Label4", Product::MailAddress, 1080, 1845);

    auto* ok = DialogLayout::place<QPushButton>(this, "Command1", QStringLiteral("確定"), 4920, 120,
                                                1095, 375);
    auto* mail = DialogLayout::place<QPushButton>(this, "Command3", QStringLiteral("寄信給作者"),
                                                  4920, 600, 1095, 375);
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
    Shell::open(this, QStringLiteral("mailto:") + Product::MailAddress, Shell::Show);
}
