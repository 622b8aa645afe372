#include "support/TestSupport.h"
#include "system/Cp950.h"
#include "system/Cp950Decoder.h"
#include "system/Cp950Writer.h"
#include "system/FileSystem.h"
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

// Files are converted piece by piece, which gives what converting them whole gives: wherever the
// bytes are parted (within a character too), and however the text is added.
TEST(Cp950, PiecesConvertAsTheWholeDoes)
{
    // A trail byte that reads as "\" alone, a stray and a lone lead byte, a byte outside the code
    // page, a lead byte at the end.
    const QByteArray bytes("\xB3\x5C,\xA4\x22\xA5\x5C\r\n\xFF\xA4\x40"
                           "ab\xA4");
    bool clean = true;
    const QString whole = Cp950::decode(bytes, &clean);
    ASSERT_FALSE(clean);
    for (qsizetype a = 0; a <= bytes.size(); ++a) {
        for (qsizetype b = a; b <= bytes.size(); ++b) {
            Cp950Decoder decoder;
            QString text;
            decoder.add(bytes.first(a), text);
            decoder.add(bytes.sliced(a, b - a), text);
            decoder.add(bytes.sliced(b), text);
            decoder.finish(text);
            EXPECT_EQ(text, whole) << a << ", " << b;
            EXPECT_FALSE(decoder.clean());
        }
    }

    // Short texts gathered, a long one converted where it is, in parts; the bytes handed on in
    // whole pieces.
    const QString text = QStringLiteral("0123456789") + QString(65535, u'a') + QStringLiteral("€") +
                         QString(300000, u'許');
    QByteArray written;
    QList<qsizetype> blocks;
    Cp950Writer out([&](QByteArrayView block) {
        written += block;
        blocks.append(block.size());
        return true;
    });
    for (int i = 0; i < 10; ++i)
        out.add(text[i]);
    out.add(QStringView(text).sliced(10));
    // Then characters and short texts alone, as files are written, more than the gathered ones
    // hold several times over.
    QString all = text;
    for (int i = 0; i < 70000; ++i) {
        out.add(QChar(u'許'));
        all += u'許';
    }
    for (int i = 0; i < 40000; ++i) {
        out.add(QString::number(i));
        all += QString::number(i);
    }
    EXPECT_TRUE(out.finish());
    EXPECT_TRUE(written == Cp950::encode(all));
    blocks.removeLast();
    EXPECT_EQ(blocks, QList<qsizetype>(blocks.size(), FileSystem::PieceSize));
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
