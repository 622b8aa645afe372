#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/widgets/Shell.h"
#include "ui/widgets/Twips.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(About, OpensFromTheHelpMenuStartsAnEMailAtEachPressAndClosesOnlyWithOk)
{
    WindowHarness h;
    auto& w = h.start();
    bool opened = false;
    onNextDialog(AboutControls::dialog, [&](QDialog& d) {
        opened = true;
        EXPECT_EQ(d.windowTitle(), "關於Kelvora");
        EXPECT_EQ(d.parentWidget(), &w);
        EXPECT_FALSE(d.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QTest::keyClick(&d, Qt::Key_Escape);
        for (int press = 0; press < 3; ++press)
            clickButton(d, AboutControls::mailButton);
        EXPECT_TRUE(d.isVisible());
        clickButton(d, AboutControls::okButton);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    h.trigger(MainMenuItems::about);
    EXPECT_TRUE(opened);
    ASSERT_EQ(Shell::opened().size(), 3);
    for (const QString& mail : Shell::opened())
        EXPECT_EQ(mail, "mailto:author@kelvora.app");
}

TEST(About, IsFixedInSizeWithItsWholeTextShownAsPlainText)
{
    WindowHarness h;
    h.start();
    onNextDialog(AboutControls::dialog, [](QDialog& d) {
        const QSize client(Twips::toPixels(6120), Twips::toPixels(1845));
        EXPECT_EQ(d.minimumSize(), client);
        EXPECT_EQ(d.maximumSize(), client);
        const QLabel* image = control<QLabel>(d, AboutControls::icon);
        EXPECT_FALSE(image->pixmap().isNull());
        EXPECT_LT(image->geometry().right(),
                  control<QLabel>(d, AboutControls::captionLabel)->geometry().left());
        const struct
        {
            const char* name;
            QString text;
            QRect design;
        } labels[] = {
            {AboutControls::captionLabel, "Kelvora v1.7", Twips::rect(1080, 240, 1260, 180)},
            {AboutControls::copyrightLabel, "Copyright © 2026 Kelvora 開發團隊",
             Twips::rect(1080, 480, 2745, 180)},
            {AboutControls::webSiteLabel, "https://kelvora.app", Twips::rect(1080, 840, 2160, 180)},
            {AboutControls::mailAddressLabel, "author@kelvora.app",
             Twips::rect(1080, 1080, 1845, 180)},
        };
        const int buttonsLeft = control<QPushButton>(d, AboutControls::okButton)->geometry().left();
        for (const auto& expected : labels) {
            SCOPED_TRACE(expected.name);
            const QLabel* l = control<QLabel>(d, expected.name);
            EXPECT_EQ(l->text(), expected.text);
            EXPECT_EQ(l->textFormat(), Qt::PlainText);
            EXPECT_EQ(l->textInteractionFlags(), Qt::NoTextInteraction);
            EXPECT_EQ(l->geometry().topLeft(), expected.design.topLeft());
            EXPECT_GE(l->width(), l->sizeHint().width());
            EXPECT_LT(l->geometry().right(), buttonsLeft);
        }
    });
    h.trigger(MainMenuItems::about);
}

} // namespace
