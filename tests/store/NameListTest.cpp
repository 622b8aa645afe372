#include "store/DataStore.h"
#include "store/ListFile.h"
#include "support/TestSupport.h"
#include "system/Cp950.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QStringList names(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append("名" + QString::number(i));
    return list;
}

TEST(NameListTest, SlotsAndCapacity)
{
    NameList list(2);
    EXPECT_THROW(list.at(1), std::out_of_range);
    EXPECT_TRUE(list.append("甲"));
    EXPECT_TRUE(list.append("乙"));
    EXPECT_FALSE(list.append("丙"));
    EXPECT_EQ(list.Next(), 3);
    EXPECT_EQ(list.at(2), "乙");
    EXPECT_THROW(list.at(0), std::out_of_range);
    EXPECT_THROW(list.at(3), std::out_of_range);
    EXPECT_THROW(list.assign(names(3)), std::length_error);
    EXPECT_EQ(list.count(), 2);
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
        {&store.TypeList, DataStore::TypeFileName, 500},
        {&store.AffairList, DataStore::AffairFileName, 2500},
        {&store.BorrowerList, DataStore::BorrowerFileName, 500},
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
