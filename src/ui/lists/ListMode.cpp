#include "ui/lists/ListMode.h"

#include "store/DataStore.h"

const ListMode& ListMode::categories()
{
    static const ListMode mode{
        QStringLiteral("設定分類選項"),
        QStringLiteral("分類"),
        DataStore::TypeFileName,
        QStringLiteral("這個分類的資料將會移到<未分類>，確定刪除這個分類嗎？"),
        true,
        &DataStore::TypeList};
    return mode;
}

const ListMode& ListMode::items()
{
    static const ListMode mode{QStringLiteral("設定物品清單"),
                               QStringLiteral("物品"),
                               DataStore::AffairFileName,
                               QStringLiteral("確定刪除這個物品嗎？"),
                               false,
                               &DataStore::AffairList};
    return mode;
}

const ListMode& ListMode::borrowers()
{
    static const ListMode mode{QStringLiteral("設定借用人名單"),
                               QStringLiteral("借用人"),
                               DataStore::BorrowerFileName,
                               QStringLiteral("確定刪除這個借用人嗎？"),
                               false,
                               &DataStore::BorrowerList};
    return mode;
}

QString ListMode::fullText(const NameList& names) const
{
    return QStringLiteral("最多只能增加%1筆%2").arg(names.capacity()).arg(word);
}
