#include "ui/widgets/CloseCommand.h"
#include "ui/widgets/ListHeader.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

TEST(MessageBoxSeam, AnswersInOrderAndKeepsWhatWasShown)
{
    MessageBox::setNextAnswer(MessageBox::No);
    EXPECT_FALSE(MessageBox::confirm(nullptr, QStringLiteral("確定刪除資料嗎？"),
                                     QStringLiteral("刪除資料")));
    EXPECT_TRUE(MessageBox::confirm(nullptr, QStringLiteral("再問"), QStringLiteral("刪除資料")));
    MessageBox::warning(nullptr, QStringLiteral("借用人未輸入"));
    MessageBox::setNextInput(QString());
    EXPECT_EQ(MessageBox::input(nullptr, QStringLiteral("要改成什麼名稱?"), QStringLiteral("更名"),
                                QStringLiteral("舊")),
              QString());
    EXPECT_EQ(
        MessageBox::input(nullptr, QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("舊")),
        QStringLiteral("舊"));

    const QList<MessageBox::Shown>& shown = MessageBox::history();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown[0].buttons, MessageBox::Buttons(MessageBox::Yes) | MessageBox::No);
    EXPECT_EQ(shown[0].icon, MessageBox::Exclamation);
    EXPECT_EQ(shown[2].title, QStringLiteral("注意"));
    EXPECT_EQ(shown[2].buttons, MessageBox::Buttons(MessageBox::Ok));
    EXPECT_TRUE(shown[3].isInput);
    EXPECT_EQ(shown[3].defaultText, QStringLiteral("舊"));
}

TEST(ModalSeam, HandlersWorkNestedDialogsInOpeningOrder)
{
    QStringList seen;
    Modal::setNextHandler([&](QDialog& outer) {
        seen << outer.windowTitle();
        QDialog inner(&outer);
        inner.setWindowTitle(QStringLiteral("inner"));
        EXPECT_EQ(Modal::exec(inner), QDialog::Accepted);
        outer.accept();
    });
    Modal::setNextHandler([&](QDialog& inner) {
        seen << inner.windowTitle();
        inner.accept();
    });
    QDialog outer;
    outer.setWindowTitle(QStringLiteral("outer"));
    EXPECT_EQ(Modal::exec(outer), QDialog::Accepted);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("outer"), QStringLiteral("inner")}));
    EXPECT_FALSE(outer.isVisible());

    // A dialog nobody works is closed again rather than left waiting.
    QDialog unattended;
    EXPECT_EQ(Modal::exec(unattended), QDialog::Rejected);
    EXPECT_FALSE(unattended.isVisible());
}

TEST(RemoveCloseCommand, NeitherTheWindowSystemNorEscapeClosesTheDialog)
{
    QDialog dialog;
    auto* ok = new QPushButton(QStringLiteral("確定"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    RemoveCloseCommand(&dialog);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    // A close request from the window system, as the frame's close button or Alt+F4 sends it.
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    qApp->notify(&dialog, &request); // sendEvent would clear the spontaneous flag
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    ok->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FlattenListHeader, HeadingsDoNotActAsButtons)
{
    QStandardItemModel model(1, 3);
    QTableView view;
    view.setModel(&model);
    FlattenListHeader(&view);
    EXPECT_FALSE(view.horizontalHeader()->sectionsClickable());
    EXPECT_FALSE(view.horizontalHeader()->highlightSections());
}
