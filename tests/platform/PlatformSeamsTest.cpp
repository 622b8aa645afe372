#include "platform/CloseCommand.h"
#include "platform/Cp950.h"
#include "platform/ListHeader.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

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

TEST(SettingsStore, StoresTextAndRefusesValuesItNeverWrote)
{
    TempAppDir dir;
    {
        SettingsStore settings;
        EXPECT_EQ(settings.value(QStringLiteral("Font"), QStringLiteral("9")), QStringLiteral("9"));
        settings.setValue(QStringLiteral("Font"), QStringLiteral("12"));
        settings.setValue(QStringLiteral("Combo1"), QStringLiteral("abc"));
        settings.setValue(QStringLiteral("LW1"), QStringLiteral("1e999"));
        settings.setValue(QStringLiteral("LW2"), QStringLiteral(" 1350.5 "));
        ASSERT_TRUE(settings.sync());
        EXPECT_TRUE(settings.fileName().startsWith(dir.settingsDir()));
    }
    SettingsStore settings;
    EXPECT_EQ(settings.wholeNumber(QStringLiteral("Font"), 9, 16), 12);
    EXPECT_EQ(settings.wholeNumber(QStringLiteral("Font"), 13, 16), std::nullopt);
    EXPECT_EQ(settings.wholeNumber(QStringLiteral("Combo1"), 0, 5), std::nullopt);
    EXPECT_EQ(settings.wholeNumber(QStringLiteral("Missing"), 0, 5), std::nullopt);
    EXPECT_EQ(settings.number(QStringLiteral("LW1"), 0, 1e6), std::nullopt);
    EXPECT_EQ(settings.number(QStringLiteral("LW2"), 0, 1e6), 1350.5);
}

// Only a file of that name in the program folder takes the settings there.
TEST(SettingsStore, AProgramFolderWithItsOwnSettingsFileKeepsThemInIt)
{
    for (const bool ownFile : {true, false}) {
        TempAppDir dir;
        if (ownFile)
            dir.write(QStringLiteral("Tovi.ini"), {});
        else
            ASSERT_TRUE(QDir(dir.dir()).mkdir(QStringLiteral("Tovi.ini")));
        SettingsStore::keepBesideProgramIfThere(dir.dir());
        SettingsStore settings;
        settings.setValue(QStringLiteral("Font"), QStringLiteral("12"));
        ASSERT_TRUE(settings.sync());
        EXPECT_EQ(dir.read(QStringLiteral("Tovi.ini")).contains("Font=12"), ownFile);
        EXPECT_EQ(QFile::exists(dir.settingsDir() + QStringLiteral("/Tovi.ini")), !ownFile);
    }
}

TEST(Cp950, KnowsWhatTheCodePageCanHold)
{
    EXPECT_TRUE(Cp950::canEncode(QStringLiteral("許功蓋€碁")));
    EXPECT_FALSE(Cp950::canEncode(QStringLiteral("😀")));
    EXPECT_FALSE(Cp950::canEncode(QStringLiteral("简体")));
    bool ok = true;
    EXPECT_EQ(Cp950::decode(QByteArray("\xB3\x5C", 2), &ok), QStringLiteral("許"));
    EXPECT_TRUE(ok);
    Cp950::decode(QByteArray("\xA4\x22", 2), &ok);
    EXPECT_FALSE(ok);
}

TEST(TerminationSignals, TurnSigtermIntoASignalOnTheEventLoop)
{
    TerminationSignals termination;
    QSignalSpy spy(&termination, &TerminationSignals::terminationRequested);
    std::raise(SIGTERM);
    for (int i = 0; i < 100 && spy.isEmpty(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(spy.size(), 1);
}
