#include "store/RecordVersions.h"
#include "store/DataStore.h"
#include "store/Samples.h"
#include "support/TestSupport.h"
#include "system/FileSystem.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class RecordVersionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.write(DataFiles::Records, line(sample(1)));
        ASSERT_TRUE(store.loadRecords().isEmpty());
    }

    void save()
    {
        QString error;
        ASSERT_TRUE(store.saveRecords(&error)) << error.toStdString();
    }

    QDir versions() const { return QDir(app.path(RecordVersions::FolderName)); }
    QStringList copies() const
    {
        return versions().entryList({QStringLiteral("Main1-*.csv")}, QDir::Files, QDir::Name);
    }

    TempAppDir app;
    DataStore store{app.dir()};
};

TEST_F(RecordVersionsTest, EachSaveKeepsTheFileItReplacesOnce)
{
    save(); // nothing changed: nothing replaced, no copy
    EXPECT_TRUE(copies().isEmpty());

    store.recordRegister().append(sample(2));
    save();
    ASSERT_EQ(copies().size(), 1);
    EXPECT_TRUE(
        copies().front().contains(QRegularExpression("^Main1-000001-[0-9]{8}-[0-9]{6}\\.csv$")));
    EXPECT_EQ(app.read(RecordVersions::FolderName + "/" + copies().front()), line(sample(1)));

    save(); // the same version again is not kept twice
    EXPECT_EQ(copies().size(), 1);
    store.recordRegister().append(sample(3));
    save();
    ASSERT_EQ(copies().size(), 2);
    QList<QByteArray> kept;
    for (const QString& name : copies())
        kept.append(app.read(RecordVersions::FolderName + "/" + name));
    EXPECT_TRUE(kept.contains(line(sample(1)) + line(sample(2))));
    EXPECT_TRUE(store.versionError().isEmpty());

    // A change that keeps the file's size replaces it all the same.
    LoanRecord changed = sample(3);
    changed.Content = "內容9";
    store.recordRegister().replace(3, changed);
    save();
    EXPECT_EQ(copies().size(), 3);
}

// Copies an earlier release named by their time alone were all made before the numbered ones.
TEST_F(RecordVersionsTest, TheNewestStayAndOtherFilesAreLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(versions().path()));
    for (int day = 1; day <= RecordVersions::Kept; ++day)
        app.write(QStringLiteral("備份/Main1-203001%1-120000.csv").arg(day, 2, 10, QChar(u'0')),
                  big5(QString::number(day)));
    app.write(QStringLiteral("備份/說明.txt"), "mine");
    store.recordRegister().append(sample(2));
    save();
    const QStringList kept = copies();
    ASSERT_EQ(kept.size(), RecordVersions::Kept);
    EXPECT_TRUE(kept.front().startsWith("Main1-000001-")) << kept.front().toStdString();
    EXPECT_EQ(app.read(RecordVersions::FolderName + "/" + kept.front()), line(sample(1)));
    EXPECT_EQ(kept.at(1), QStringLiteral("Main1-20300102-120000.csv")) << "the oldest went";
    EXPECT_EQ(app.read(QStringLiteral("備份/說明.txt")), "mine");
}

// The copy a save has just made is never the one removed: a clock set back, or one that stands
// still, cannot put it before the others. The newest made stay, in the order of their names.
TEST(RecordVersions, TheCopyJustMadeStaysWhateverTheClockSays)
{
    const QDateTime now(QDate(2026, 12, 7), QTime(9, 30));
    const QDateTime ahead(QDate(2030, 1, 1), QTime(0, 1));
    QList<QDateTime> setBack;
    for (int i = 0; i < RecordVersions::Kept; ++i)
        setBack.append(ahead.addSecs(i));
    setBack << now << now.addSecs(1);
    const struct
    {
        const char* clock;
        QList<QDateTime> times;
    } cases[] = {
        {"set back", setBack},
        {"standing still", QList<QDateTime>(RecordVersions::Kept + 3, now)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clock);
        TempAppDir app;
        const QString file = app.path(DataFiles::Records);
        QList<QByteArray> made;
        for (const QDateTime& when : c.times) {
            const QByteArray bytes = QByteArray::number(made.size());
            // Replaced as a save replaces it, so that a copy linked to it keeps its bytes.
            ASSERT_TRUE(FileSystem::writeAll(file, bytes, nullptr));
            const RecordVersions::Version version = RecordVersions::keep(app.dir(), file, when);
            RecordVersions::prune(app.dir());
            ASSERT_FALSE(version.path.isEmpty()) << version.error.toStdString();
            EXPECT_TRUE(FileSystem::holds(version.path, bytes)) << "the copy just made stays";
            made.append(bytes);
        }
        QList<QByteArray> kept;
        for (const QString& name :
             QDir(app.path(RecordVersions::FolderName)).entryList(QDir::Files, QDir::Name))
            kept.append(app.read(RecordVersions::FolderName + "/" + name));
        EXPECT_EQ(kept, made.mid(made.size() - RecordVersions::Kept));
    }
}

TEST_F(RecordVersionsTest, ACopyThatCannotBeMadeDoesNotStopTheSave)
{
    app.write(RecordVersions::FolderName, "a file where the folder would be");
    store.recordRegister().append(sample(2));
    save();
    EXPECT_FALSE(store.versionError().isEmpty());
    EXPECT_EQ(app.read(DataFiles::Records), line(sample(1)) + line(sample(2)));
}

} // namespace
