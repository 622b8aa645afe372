#include "ui/about/AboutForm.h"

#include "platform/DialogLayout.h"
#include "platform/Shell.h"
#include "platform/Twips.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int kClientWidth = 6120;
constexpr int kClientHeight = 1845;
constexpr int kIconPixels = 32;
// Labels may widen up to here, a small gap before the buttons' column.
constexpr int kTextRightTwips = 4800;
} // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    DialogLayout::makeFixedDialog(this, kClientWidth, kClientHeight);
    setWindowTitle(Title);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image2"));
    image->setPixmap(QIcon(QStringLiteral(":/icons/kelvora.png")).pixmap(kIconPixels));
    image->setGeometry(Twips::rect(240, 240, 480, 480));

    addLabel("Label1", Product, Twips::rect(1080, 240, 1260, 180));
    addLabel("Label2", Rights, Twips::rect(1080, 480, 2745, 180));
    addLabel("Label3", WebSite, Twips::rect(1080, 840, 2160, 180));
    addLabel("Label4", MailAddress, Twips::rect(1080, 1080, 1845, 180));

    auto* ok = DialogLayout::place<QPushButton>(this, "Command1", QStringLiteral("確定"), 4920, 120,
                                                1095, 375);
    auto* mail = DialogLayout::place<QPushButton>(this, "Command3", QStringLiteral("寄信給作者"),
                                                  4920, 600, 1095, 375);
    connect(ok, &QPushButton::clicked, this, &AboutForm::Command1_Click);
    connect(mail, &QPushButton::clicked, this, &AboutForm::Command3_Click);
}

void AboutForm::addLabel(const char* name, const QString& text, const QRect& design)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    // Plain text: an address shown here is read, not followed.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    // The design height suits a 9-point font; a taller font would lose its descenders, so the
    // label grows to one full line, and to the whole text, within the room left of the buttons.
    const QSize needed = label->sizeHint();
    QRect frame = design;
    frame.setHeight(std::max(design.height(), needed.height()));
    const int room = Twips::toPixels(kTextRightTwips) - design.left();
    frame.setWidth(std::clamp(needed.width(), design.width(), room));
    label->setGeometry(frame);
}

void AboutForm::Command1_Click()
{
    accept();
}

void AboutForm::Command3_Click()
{
    Shell::open(this, QStringLiteral("mailto:") + MailAddress, Shell::Show);
}
