#include "store/RecordVersions.h"
#include "store/DataStore.h"
#include "store/Samples.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class RecordVersionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.write(DataStore::RecordFileName, line(sample(1)));
        ASSERT_TRUE(store.MainDataInit().isEmpty());
    }

    void save()
    {
        QString error;
        ASSERT_TRUE(store.MainDataClose(&error)) << error.toStdString();
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

    store.recordRegister.append(sample(2));
    save();
    ASSERT_EQ(copies().size(), 1);
    EXPECT_TRUE(copies().front().contains(QRegularExpression("^Main1-[0-9]{8}-[0-9]{6}\\.csv$")));
    EXPECT_EQ(app.read(RecordVersions::FolderName + "/" + copies().front()), line(sample(1)));

    save(); // the same version again is not kept twice
    EXPECT_EQ(copies().size(), 1);
    store.recordRegister.append(sample(3));
    save();
    ASSERT_EQ(copies().size(), 2);
    QList<QByteArray> kept;
    for (const QString& name : copies())
        kept.append(app.read(RecordVersions::FolderName + "/" + name));
    EXPECT_TRUE(kept.contains(line(sample(1)) + line(sample(2))));
    EXPECT_TRUE(store.versionError().isEmpty());
}

TEST_F(RecordVersionsTest, TheNewestStayAndOtherFilesAreLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(versions().path()));
    for (int day = 1; day <= RecordVersions::Kept; ++day)
        app.write(QStringLiteral("備份/Main1-202001%1-120000.csv").arg(day, 2, 10, QChar(u'0')),
                  big5(QString::number(day)));
    app.write(QStringLiteral("備份/說明.txt"), "mine");
    store.recordRegister.append(sample(2));
    save();
    const QStringList kept = copies();
    ASSERT_EQ(kept.size(), RecordVersions::Kept);
    EXPECT_EQ(kept.front(), QStringLiteral("Main1-20200102-120000.csv")) << "the oldest went";
    EXPECT_EQ(app.read(RecordVersions::FolderName + "/" + kept.back()), line(sample(1)));
    EXPECT_EQ(app.read(QStringLiteral("備份/說明.txt")), "mine");
}

TEST_F(RecordVersionsTest, ACopyThatCannotBeMadeDoesNotStopTheSave)
{
    app.write(RecordVersions::FolderName, "a file where the folder would be");
    store.recordRegister.append(sample(2));
    save();
    EXPECT_FALSE(store.versionError().isEmpty());
    EXPECT_EQ(app.read(DataStore::RecordFileName), line(sample(1)) + line(sample(2)));
}

} // namespace
