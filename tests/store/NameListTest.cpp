#include "store/DataStore.h"
#include "store/ListFile.h"
#include "support/TestSupport.h"
#include "system/Cp950.h"

#include <gtest/gtest.h>

namespace {

QStringList names(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append("名" + QString::number(i));
    return list;
}

TEST(NameListTest, FileHoldsOneQuotedNamePerLine)
{
    const QStringList list = {"許功蓋", "", "a,b"};
    const QByteArray bytes = ListFile::serialize(list);
    EXPECT_EQ(bytes, big5("\"許功蓋\"\r\n\"\"\r\n\"a,b\"\r\n"));
    NameList read(10);
    ListFile::parse(Cp950::decode(bytes), read);
    EXPECT_EQ(read.names(), list);
}

TEST(NameListTest, ListsLoadUpToTheirCapacity)
{
    TempAppDir app;
    DataStore store(app.dir());
    const struct
    {
        NameList* list;
        QString file;
        int capacity;
    } lists[] = {
        {&store.lists().categories, DataFiles::Categories, 500},
        {&store.lists().items, DataFiles::Items, 2500},
        {&store.lists().borrowers, DataFiles::Borrowers, 500},
    };
    for (const auto& l : lists) {
        const std::string name = l.file.toStdString();
        EXPECT_TRUE(store.loadList(*l.list, l.file).isEmpty()) << name;
        EXPECT_EQ(l.list->count(), 0) << name;

        const QByteArray full = ListFile::serialize(names(l.capacity));
        app.write(l.file, full);
        EXPECT_TRUE(store.loadList(*l.list, l.file).isEmpty()) << name;
        EXPECT_EQ(l.list->names(), names(l.capacity)) << name;
        QString error;
        ASSERT_TRUE(store.saveList(*l.list, l.file, &error)) << name;
        EXPECT_EQ(app.read(l.file), full) << name;

        const QByteArray over = ListFile::serialize(names(l.capacity + 1));
        app.write(l.file, over);
        // The list editor alone writes the file: at the next start the copy is there already.
        store.loadList(*l.list, l.file);
        const QList<FileProblem> problems = store.loadList(*l.list, l.file);
        EXPECT_FALSE(app.exists(l.file + ".bak2")) << name;
        ASSERT_EQ(problems.size(), 1) << name;
        EXPECT_EQ(problems[0].kind, FileProblem::Kind::TooMany) << name;
        EXPECT_EQ(problems[0].copy, app.path(l.file + ".bak")) << name;
        EXPECT_EQ(app.read(l.file + ".bak"), over) << name;
        EXPECT_EQ(l.list->names(), names(l.capacity)) << name;
    }
}

} // namespace
