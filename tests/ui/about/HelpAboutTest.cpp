#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Shell.h"
#include "platform/Twips.h"
#include "support/MainFormHarness.h"
#include "ui/about/AboutForm.h"
#include "ui/about/HelpCommands.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QPushButton* button(QWidget& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

QLabel* label(QWidget& dialog, const char* name)
{
    return dialog.findChild<QLabel*>(QLatin1String(name));
}
} // namespace

TEST(HelpPage, IsHandedToTheShellAndAMissingPageShowsNoMessage)
{
    MainFormHarness h;
    MainForm& f = h.start();
    ASSERT_FALSE(h.dir().exists(HelpCommands::HelpPage));
    HelpCommands::Help_Help_Click(f);

    ASSERT_EQ(Shell::opened().size(), 1);
    EXPECT_EQ(Shell::opened().first().target, h.dir().path(QStringLiteral("Tovi.htm")));
    EXPECT_EQ(Shell::opened().first().showCommand, Shell::ShowNormal);
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST(AboutDialog, OpensModallyFromTheHelpMenuAndClosesWithOk)
{
    MainFormHarness h;
    MainForm& f = h.start();
    bool handled = false;
    Modal::setNextHandler([&](QDialog& d) {
        handled = true;
        EXPECT_EQ(d.objectName(), QStringLiteral("AboutForm"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("關於Kelvora"));
        EXPECT_FALSE(d.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_EQ(d.parentWidget(), &f);
        QTest::mouseClick(button(d, "Command1"), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    HelpCommands::Help_About_Click(f);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(Shell::opened().isEmpty());
}

TEST(AboutDialog, EachMailPressStartsAnEMailAndTheDialogStaysOpen)
{
    AboutForm form;
    form.show();
    for (int press = 0; press < 3; ++press)
        QTest::mouseClick(button(form, "Command3"), Qt::LeftButton);

    ASSERT_EQ(Shell::opened().size(), 3);
    for (const Shell::Opened& opened : Shell::opened()) {
        EXPECT_EQ(opened.target, QStringLiteral("mailto:author@kelvora.app"));
        EXPECT_EQ(opened.showCommand, Shell::Show);
    }
    EXPECT_TRUE(form.isVisible());
}

TEST(AboutDialog, IsFixedInSizeWithItsWholeTextShownAsPlainText)
{
    AboutForm form;
    const QSize client(Twips::toPixels(6120), Twips::toPixels(1845));
    EXPECT_EQ(form.minimumSize(), client);
    EXPECT_EQ(form.maximumSize(), client);
    const QLabel* image = label(form, "Image2");
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(image->pixmap().isNull());
    EXPECT_LT(image->geometry().right(), label(form, "Label1")->geometry().left());

    const struct
    {
        const char* name;
        QString text;
        QRect design;
    } labels[] = {
        {"Label1", QStringLiteral("Kelvora v1.7"), Twips::rect(1080, 240, 1260, 180)},
        {"Label2", QStringLiteral("Copyright © 2026 Kelvora 開發團隊"),
         Twips::rect(1080, 480, 2745, 180)},
        {"Label3", QStringLiteral("https://kelvora.app"), Twips::rect(1080, 840, 2160, 180)},
        {"Label4", QStringLiteral("author@kelvora.app"), Twips::rect(1080, 1080, 1845, 180)},
    };
    const int buttonsLeft = button(form, "Command1")->geometry().left();
    for (const auto& expected : labels) {
        SCOPED_TRACE(expected.name);
        const QLabel* l = label(form, expected.name);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->text(), expected.text);
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
        EXPECT_EQ(l->textInteractionFlags(), Qt::NoTextInteraction);
        EXPECT_EQ(l->geometry().topLeft(), expected.design.topLeft());
        EXPECT_GE(l->width(), l->sizeHint().width());
        EXPECT_GE(l->height(), l->sizeHint().height());
        EXPECT_LT(l->geometry().right(), buttonsLeft);
    }
}
