#include "ui/lists/ListMode.h"

#include "store/DataFiles.h"

const ListMode& ListMode::categories()
{
    static const ListMode mode{
        QStringLiteral("設定分類選項"),
        QStringLiteral("分類"),
        DataFiles::Categories,
        QStringLiteral("這個分類的資料將會移到<未分類>，確定刪除這個分類嗎？"),
        true,
        &ReferenceLists::categories};
    return mode;
}

const ListMode& ListMode::items()
{
    static const ListMode mode{QStringLiteral("設定物品清單"),
                               QStringLiteral("物品"),
                               DataFiles::Items,
                               QStringLiteral("確定刪除這個物品嗎？"),
                               false,
                               &ReferenceLists::items};
    return mode;
}

const ListMode& ListMode::borrowers()
{
    static const ListMode mode{QStringLiteral("設定借用人名單"),
                               QStringLiteral("借用人"),
                               DataFiles::Borrowers,
                               QStringLiteral("確定刪除這個借用人嗎？"),
                               false,
                               &ReferenceLists::borrowers};
    return mode;
}

QString ListMode::fullText(const NameList& names) const
{
    return QStringLiteral("最多只能增加%1筆%2").arg(names.capacity()).arg(word);
}
