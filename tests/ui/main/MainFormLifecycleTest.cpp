#include "platform/MessageBox.h"
#include "store/RecordFile.h"
#include "support/MainFormHarness.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
LoanRecord record(const QString& borrower)
{
    return {QStringLiteral("2026/01/02"),
            QStringLiteral("借出"),
            QStringLiteral("書"),
            borrower,
            QStringLiteral("書本"),
            {},
            {},
            QStringLiteral("未歸還")};
}

QStringList comboEntries(const MainForm& f)
{
    QStringList entries;
    for (int i = 0; i < f.Combo1()->count(); ++i)
        entries << f.Combo1()->itemText(i);
    return entries;
}

QList<QString> shownTexts()
{
    QList<QString> texts;
    for (const MessageBox::Shown& s : MessageBox::history())
        texts << s.text;
    return texts;
}
} // namespace

TEST(MainFormLifecycle, FirstRunStartsWithTheDefaults)
{
    MainFormHarness h;
    MainForm& f = h.start();
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    const int widths[] = {90, 50, 110, 100, 220, 50, 90, 90};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(f.ListView1()->columnWidth(c), widths[c]) << c;
    EXPECT_TRUE(f.ListView1()->isColumnHidden(8));
    for (int size : MainForm::FontSizes)
        EXPECT_EQ(f.fontAction(size)->isChecked(), size == 9);
    EXPECT_EQ(f.ListView1()->font().pointSize(), 9);
    EXPECT_EQ(f.directionFilter(), 0);
    EXPECT_EQ(f.statusFilter(), 0);
    EXPECT_EQ(comboEntries(f), (QStringList{QStringLiteral("全部"), QStringLiteral("未分類")}));
    EXPECT_EQ(f.Combo1()->currentIndex(), 0);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Kelvora v1.7"));
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST(MainFormLifecycle, CategoriesFillTheFilterInFileOrder)
{
    MainFormHarness h;
    h.writeListFile(DataStore::TypeFileName,
                    {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    MainForm& f = h.start();
    EXPECT_EQ(h.store().TypeList.Next(), 4);
    EXPECT_EQ(comboEntries(f),
              (QStringList{QStringLiteral("全部"), QStringLiteral("甲"), QStringLiteral("乙"),
                           QStringLiteral("丙"), QStringLiteral("未分類")}));
}

TEST(MainFormLifecycle, SettingsComeBackAtTheNextStart)
{
    MainFormHarness h;
    h.writeListFile(DataStore::TypeFileName, {QStringLiteral("甲"), QStringLiteral("書")});
    h.writeRecordFile({record(QStringLiteral("王")), record(QStringLiteral("李"))});
    {
        MainForm& f = h.start();
        f.setWindowState(Qt::WindowNoState);
        f.setGeometry(50, 60, 700, 600);
        f.ListView1()->setColumnWidth(2, 133);
        f.selectDirectionFilter(1);
        f.selectStatusFilter(1);
        f.selectCategoryFilter(2);
        f.View_Font_Click(12);
        ASSERT_TRUE(f.close());
    }
    SettingsStore settings;
    EXPECT_EQ(settings.value(QStringLiteral("WinState"), {}), QStringLiteral("0"));
    EXPECT_EQ(settings.value(QStringLiteral("LW3"), {}), QStringLiteral("1995"));
    EXPECT_EQ(settings.value(QStringLiteral("Option1"), {}), QStringLiteral("1"));
    EXPECT_EQ(settings.value(QStringLiteral("Combo1"), {}), QStringLiteral("2"));
    EXPECT_EQ(settings.value(QStringLiteral("Font"), {}), QStringLiteral("12"));
    EXPECT_FALSE(settings.value(QStringLiteral("Width"), {}).isEmpty());

    MainForm& again = h.start();
    EXPECT_FALSE(again.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(again.ListView1()->columnWidth(2), 133);
    EXPECT_EQ(again.directionFilter(), 1);
    EXPECT_EQ(again.statusFilter(), 1);
    EXPECT_EQ(again.categoryFilterText(), QStringLiteral("書"));
    EXPECT_EQ(h.rows(), 2);
    EXPECT_EQ(again.ListView1()->font().pointSize(), 12);
    EXPECT_TRUE(again.fontAction(12)->isChecked());
    EXPECT_FALSE(again.fontAction(9)->isChecked());
}

TEST(MainFormLifecycle, MaximizedQuitKeepsTheLastNormalBounds)
{
    MainFormHarness h;
    h.settings().setValue(QStringLiteral("Left"), QStringLiteral("1500"));
    h.start().close();
    SettingsStore settings;
    EXPECT_EQ(settings.value(QStringLiteral("WinState"), {}), QStringLiteral("2"));
    EXPECT_EQ(settings.value(QStringLiteral("Left"), {}), QStringLiteral("1500"));
}

TEST(MainFormLifecycle, SettingsTheProgramNeverWritesFallBackToTheDefaults)
{
    MainFormHarness h;
    h.writeListFile(DataStore::TypeFileName, {QStringLiteral("甲")});
    const QList<std::pair<QString, QString>> bad{{QStringLiteral("WinState"), QStringLiteral("1")},
                                                 {QStringLiteral("Font"), QStringLiteral("99")},
                                                 {QStringLiteral("Option1"), QStringLiteral("abc")},
                                                 {QStringLiteral("Option2"), QStringLiteral("-1")},
                                                 {QStringLiteral("Combo1"), QStringLiteral("3")},
                                                 {QStringLiteral("LW1"), QStringLiteral("-5")},
                                                 {QStringLiteral("LW2"), QStringLiteral("1e400")}};
    for (const auto& [key, value] : bad)
        h.settings().setValue(key, value);
    MainForm& f = h.start();
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(f.ListView1()->font().pointSize(), 9);
    EXPECT_TRUE(f.fontAction(9)->isChecked());
    EXPECT_EQ(f.directionFilter(), 0);
    EXPECT_EQ(f.statusFilter(), 0);
    EXPECT_EQ(f.Combo1()->currentIndex(), 0);
    EXPECT_EQ(f.ListView1()->columnWidth(0), 90);
    EXPECT_EQ(f.ListView1()->columnWidth(1), 50);
}

TEST(MainFormLifecycle, ClosingAndQuitWriteTheRecordFileOnce)
{
    for (const bool viaMenu : {false, true}) {
        MainFormHarness h;
        MainForm& f = h.start();
        EXPECT_FALSE(h.dir().exists(DataStore::RecordFileName));
        h.store().recordRegister.append(record(QStringLiteral("王")));
        if (viaMenu)
            f.findChild<QAction*>(QStringLiteral("Data_Quit"))->trigger();
        else
            f.close();
        EXPECT_TRUE(f.hasShutDown());
        const QByteArray written = h.dir().read(DataStore::RecordFileName);
        EXPECT_TRUE(written.startsWith("\"2026/01/02\"")) << viaMenu;
        EXPECT_TRUE(written.endsWith("\r\n"));

        // Later close requests do not run the shut-down again.
        h.store().recordRegister.append(record(QStringLiteral("李")));
        f.close();
        EXPECT_EQ(h.dir().read(DataStore::RecordFileName), written);
    }
}

TEST(MainFormLifecycle, EmptyRegisterWritesAnEmptyFile)
{
    MainFormHarness h;
    h.start().close();
    EXPECT_TRUE(h.dir().exists(DataStore::RecordFileName));
    EXPECT_TRUE(h.dir().read(DataStore::RecordFileName).isEmpty());
}

TEST(MainFormLifecycle, UnwritableRecordFileLetsTheUserGoBackRetryOrDiscard)
{
    MainFormHarness h;
    MainForm& f = h.start();
    h.store().recordRegister.append(record(QStringLiteral("王")));
    QDir(h.dir().dir()).mkdir(DataStore::RecordFileName);

    MessageBox::setNextAnswer(MessageBox::Cancel);
    EXPECT_FALSE(f.close());
    EXPECT_FALSE(f.hasShutDown());
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].title, QStringLiteral("注意"));
    EXPECT_TRUE(MessageBox::history()[0].text.contains(h.dir().path(DataStore::RecordFileName)));
    EXPECT_EQ(h.store().records.count(), 1);

    // Retry after the obstacle is gone saves.
    QDir(h.dir().dir()).rmdir(DataStore::RecordFileName);
    EXPECT_TRUE(f.close());
    EXPECT_TRUE(h.dir().read(DataStore::RecordFileName).contains("\"2026/01/02\""));

    MainFormHarness other;
    MainForm& g = other.start();
    QDir(other.dir().dir()).mkdir(DataStore::RecordFileName);
    MessageBox::setNextAnswer(MessageBox::Retry);
    MessageBox::setNextAnswer(MessageBox::Discard);
    EXPECT_TRUE(g.close());
    EXPECT_TRUE(g.hasShutDown());
}

TEST(MainFormLifecycle, UnreadableRecordFileIsNotOverwrittenWithoutConsent)
{
    MainFormHarness h;
    QDir(h.dir().dir()).mkdir(DataStore::RecordFileName);
    MainForm& f = h.start();
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_TRUE(MessageBox::history()[0].text.contains(h.dir().path(DataStore::RecordFileName)));
    EXPECT_EQ(h.rows(), 0);
    MessageBox::clearHistory();
    // Return on the question keeps the file.
    EXPECT_TRUE(f.close());
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_TRUE(QFileInfo(h.dir().path(DataStore::RecordFileName)).isDir());
}

TEST(MainFormLifecycle, UnreadableLegacyFileIsNamedAndStaysConvertibleUnlessTheUserAgrees)
{
    for (const int records : {0, 1, 2}) {
        MainFormHarness h;
        QDir(h.dir().dir()).mkdir(DataStore::LegacyFileName);
        MainForm& f = h.start();
        MessageBox::clearHistory();
        for (int i = 0; i < records; ++i)
            h.store().recordRegister.append(record(QStringLiteral("王")));
        // No records: nothing to ask. One: Return keeps it convertible. Two: the user agrees.
        if (records == 2)
            MessageBox::setNextAnswer(MessageBox::Yes);
        EXPECT_TRUE(f.close());
        ASSERT_EQ(MessageBox::history().size(), records == 0 ? 0 : 1);
        if (records > 0) {
            EXPECT_TRUE(
                MessageBox::history()[0].text.contains(h.dir().path(DataStore::LegacyFileName)));
        }
        EXPECT_EQ(h.dir().exists(DataStore::RecordFileName), records == 2) << records;
    }
}

TEST(MainFormLifecycle, RecordFileChangedOutsideIsKeptBesideItBeforeTheClose)
{
    // Unchanged; rewritten; the same size and time with other bytes; created meanwhile.
    for (int change = 0; change < 4; ++change) {
        MainFormHarness h;
        if (change < 3)
            h.writeRecordFile({record(QStringLiteral("王"))});
        MainForm& f = h.start();
        const QString file = h.dir().path(DataStore::RecordFileName);
        QByteArray outside = h.dir().read(DataStore::RecordFileName);
        QFile written(file);
        if (change == 2) {
            const QDateTime time = QFileInfo(file).lastModified();
            h.dir().write(DataStore::RecordFileName,
                          outside.replace(big5(QStringLiteral("王")), big5(QStringLiteral("李"))));
            ASSERT_TRUE(written.open(QIODevice::Append) &&
                        written.setFileTime(time, QFileDevice::FileModificationTime));
        } else if (change != 0) {
            outside =
                big5(QStringLiteral("\"2026/02/03\",\"借入\",\"\",\"李\",\"\",\"\",\"\",\"\"\r\n"));
            h.dir().write(DataStore::RecordFileName, outside);
        }
        ASSERT_TRUE(f.close());
        EXPECT_EQ(h.dir().read(DataStore::RecordFileName),
                  RecordFile::serialize(h.store().records));
        EXPECT_EQ(h.dir().read(DataStore::RecordFileName + QStringLiteral(".bak")),
                  change == 0 ? QByteArray() : outside);
        ASSERT_EQ(MessageBox::history().size(), change == 0 ? 0 : 1) << change;
        EXPECT_TRUE(change == 0 ||
                    MessageBox::history()[0].text.contains(file + QStringLiteral(".bak")));
        MessageBox::clearHistory();
    }
}

TEST(MainFormLifecycle, OverfullFilesAreReportedAndKept)
{
    MainFormHarness h;
    QStringList names;
    for (int i = 0; i < 501; ++i)
        names << QStringLiteral("人%1").arg(i);
    h.writeListFile(DataStore::BorrowerFileName, names);
    h.start();
    EXPECT_EQ(h.store().BorrowerList.count(), 500);
    const QList<QString> texts = shownTexts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains(h.dir().path(DataStore::BorrowerFileName)));
    EXPECT_TRUE(
        texts[0].contains(h.dir().path(DataStore::BorrowerFileName) + QStringLiteral(".bak")));
    EXPECT_TRUE(h.dir().exists(DataStore::BorrowerFileName + QStringLiteral(".bak")));
}

TEST(MainFormLifecycle, LegacyRegisterIsConvertedAtStartUp)
{
    MainFormHarness h;
    h.dir().write(
        DataStore::LegacyFileName,
        big5(QStringLiteral("\"2020/05/06\",\"借入\",\"書\",\"陳\",\"字典\",\"已歸還\"\r\n")));
    h.start();
    EXPECT_EQ(h.rows(), 1);
    EXPECT_EQ(h.cell(0, 7), QStringLiteral("已歸還"));
    EXPECT_FALSE(h.dir().exists(DataStore::LegacyFileName));
    EXPECT_TRUE(h.dir().exists(DataStore::LegacyKeptName));
    EXPECT_EQ(h.dir().read(DataStore::RecordFileName),
              big5(QStringLiteral(
                  "\"2020/05/06\",\"借入\",\"書\",\"陳\",\"字典\",\"\",\"\",\"已歸還\"\r\n")));
    // The file just written is the program's own: the close writes over it without a word.
    EXPECT_TRUE(h.form().close());
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST(MainFormLifecycle, SettingsThatCannotBeWrittenAreReportedOnceAtTheClose)
{
    MainFormHarness h;
    ASSERT_TRUE(QDir(h.dir().settingsDir()).mkpath(QStringLiteral("Tovi.ini")));
    MainForm& f = h.start();
    f.findChild<QAction*>(QStringLiteral("View_Font12"))->trigger();
    EXPECT_TRUE(MessageBox::history().isEmpty()) << "not at every font change";
    f.close();
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_TRUE(MessageBox::history().front().text.contains(QStringLiteral("Tovi.ini")));
    EXPECT_TRUE(f.hasShutDown());
    EXPECT_TRUE(h.dir().exists(DataStore::RecordFileName));
}
