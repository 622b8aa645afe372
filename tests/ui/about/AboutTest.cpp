#include "support/Dialogs.h"
#include "support/WindowHarness.h"
#include "ui/widgets/Shell.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The dialog shows each text whole, beside the icon and clear of the buttons, as plain text: an
// address is read there, not followed. Only "確定" closes it; "寄信給作者" starts an e-mail at
// every press.
TEST(About, ShowsItsTextsWholeStartsAnEMailAtEachPressAndClosesOnlyWithOk)
{
    WindowHarness h;
    auto& w = h.start();
    bool opened = false;
    onNextDialog(AboutControls::dialog, [&](QDialog& d) {
        opened = true;
        EXPECT_EQ(d.windowTitle(), "關於Kelvora");
        EXPECT_EQ(d.parentWidget(), &w);
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        const QLabel* icon = control<QLabel>(d, AboutControls::icon);
        EXPECT_FALSE(icon->pixmap().isNull());
        const int buttonsLeft = control<QPushButton>(d, AboutControls::okButton)->geometry().left();
        const struct
        {
            const char* name;
            QString text;
        } labels[] = {
            {AboutControls::captionLabel, "Kelvora v1.7"},
            {AboutControls::copyrightLabel, "Copyright © 2026 Kelvora 開發團隊"},
            {AboutControls::webSiteLabel, "https://kelvora.app"},
            {AboutControls::mailAddressLabel, "author@kelvora.app"},
        };
        for (const auto& expected : labels) {
            SCOPED_TRACE(expected.name);
            const QLabel* l = control<QLabel>(d, expected.name);
            EXPECT_EQ(l->text(), expected.text);
            EXPECT_EQ(l->textFormat(), Qt::PlainText);
            EXPECT_EQ(l->textInteractionFlags(), Qt::NoTextInteraction);
            EXPECT_GE(l->width(), l->sizeHint().width());
            EXPECT_LT(icon->geometry().right(), l->geometry().left());
            EXPECT_LT(l->geometry().right(), buttonsLeft);
        }

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

} // namespace
