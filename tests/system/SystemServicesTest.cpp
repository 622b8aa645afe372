#include "support/TestSupport.h"
#include "system/Cp950.h"
#include "system/SettingsStore.h"
#include "system/TerminationSignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <csignal>

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

// The check answers from what it knows of each character alone; it must answer as the whole trip
// through the code page does, for every character and wherever it stands in a long text.
TEST(Cp950, KnowsWhatTheCodePageCanHoldAsTheWholeTripTellsIt)
{
    const auto trip = [](const QString& text) {
        QStringEncoder encoder("windows-950", QStringEncoder::Flag::Stateless);
        const QByteArray bytes = encoder.encode(text);
        return !encoder.hasError() && Cp950::decode(bytes) == text;
    };
    for (char32_t c = 0; c < 0x10000; ++c) {
        const QString alone(QChar(static_cast<char16_t>(c)));
        ASSERT_EQ(Cp950::canEncode(alone), trip(alone)) << std::hex << static_cast<int>(c);
    }
    const QString prose = QString(700, u'借') + QStringLiteral("abc，許功蓋");
    for (const QString& odd : {QStringLiteral("😀"), QStringLiteral("简"), QString(QChar(0xD800)),
                               QString(QChar(0xFFFD))}) {
        for (qsizetype at : {0, 511, 512, 700, 709}) {
            const QString text = QString(prose).insert(at, odd);
            EXPECT_EQ(Cp950::canEncode(text), trip(text)) << at;
        }
    }
    EXPECT_TRUE(Cp950::canEncode(prose));
}

TEST(TerminationSignals, TurnSigtermIntoASignalOnTheEventLoop)
{
    TerminationSignals termination;
    int requests = 0;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, [&] { ++requests; });
    std::raise(SIGTERM);
    for (int i = 0; i < 100 && requests == 0; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(requests, 1);
}
