#include "ui/main/FileMessages.h"

#include "platform/MessageBox.h"
#include "store/RecordVersions.h"

#include <algorithm>

namespace {

// "11、20、35", or the first ten and "等 N" for more.
QString lineList(const QList<qsizetype>& lines)
{
    constexpr qsizetype kShown = 10;
    QStringList shown;
    for (qsizetype i = 0; i < std::min(lines.size(), kShown); ++i)
        shown.append(QString::number(lines[i]));
    QString text = shown.join(QStringLiteral("、"));
    if (lines.size() > kShown)
        text += QStringLiteral(" 等 %1").arg(lines.size());
    return text;
}

QString problemText(const FileProblem& p)
{
    switch (p.kind) {
    case FileProblem::Kind::Unreadable:
        return QStringLiteral("無法讀取檔案 "
                              "%1（%2）。\n程式以空白的資料開始；這個檔案不會被覆寫，除非您同意。")
            .arg(p.file, p.reason);
    case FileProblem::Kind::Undecodable:
        return QStringLiteral("檔案 %1 含有無法辨識的文字，這些字元已以「\uFFFD」顯示。")
            .arg(p.file);
    case FileProblem::Kind::Damaged:
        return QStringLiteral("檔案 %1 第 %2 行的格式有誤，已盡量讀入；其他的資料不受影響。")
            .arg(p.file, lineList(p.lines));
    case FileProblem::Kind::TooMany:
        return QStringLiteral("檔案 %1 的資料超過程式能容納的筆數，只載入了前面的部分。")
            .arg(p.file);
    case FileProblem::Kind::NotConverted:
        return QStringLiteral(
                   "無法建立 %1（%2），舊版資料沒有轉換；資料仍保留在程式中，結束時會再儲存一次。")
            .arg(p.file, p.reason);
    }
    return {};
}

// Why a data file is not written over without consent, for the question that asks it.
QString protectionText(const QString& file, DataStore::Protection protection)
{
    if (protection == DataStore::Protection::Unreadable)
        return QStringLiteral("啟動時無法讀取 %1。").arg(file);
    return QStringLiteral("啟動時 %1 的內容有問題，而且無法另存原來的檔案。").arg(file);
}

// What "否" leaves unsaved, in the questions before a data file is written over.
const QString kRecordsNotSaved = QStringLiteral("這次的變更不會儲存");
const QString kListNotSaved = QStringLiteral("清單的變更只保留到程式結束");

// Whether a data file (bare name) may be written now. One the user has not agreed to lose is
// asked about. Another copy of the program, or another program, may have written it meanwhile:
// that version is kept beside it first, and notices gets what to tell once the file is written.
bool mayWrite(QWidget* parent, DataStore& store, const QString& fileName, const QString& notSaved,
              QStringList& notices)
{
    const QString file = store.path(fileName);
    const DataStore::Protection protection = store.protection(fileName);
    if (protection != DataStore::Protection::None) {
        return MessageBox::confirm(
            parent,
            protectionText(file, protection) +
                QStringLiteral("\n要用程式中的資料覆寫這個檔案嗎？選「否」則保留原檔案，%1。")
                    .arg(notSaved),
            MessageBox::WarningTitle, MessageBox::No);
    }
    const OutsideVersion outside = store.keepOutsideVersion(fileName);
    if (!outside.found)
        return true;
    if (!outside.copy.isEmpty()) {
        notices.append(QStringLiteral("%1 在程式執行期間被其他程式改過。\n那個版本已另存為 %2。")
                           .arg(file, outside.copy));
        return true;
    }
    return MessageBox::confirm(
        parent,
        QStringLiteral("%1 在程式執行期間被其他程式改過，但無法另存那個版本（%2）。\n要用程式中的"
                       "資料覆寫這個檔案嗎？選「否」則保留那個版本，%3。")
            .arg(file, outside.copyError, notSaved),
        MessageBox::WarningTitle, MessageBox::No);
}

// Whether the record file may be written now.
bool mayWriteRecordFile(QWidget* parent, DataStore& store, QStringList& notices)
{
    if (store.protection(DataStore::LegacyFileName) != DataStore::Protection::None) {
        // A record file would end the legacy file's conversion for good.
        return store.records.count() > 0 &&
               MessageBox::confirm(
                   parent,
                   QStringLiteral(
                       "啟動時無法讀取舊版資料檔 %1，它沒有轉換。\n\n是：把目前的資料儲存到 "
                       "%2，以後不再轉換 %1。\n否：這次的變更不會儲存；下次啟動時會再轉換 "
                       "%1。")
                       .arg(store.path(DataStore::LegacyFileName),
                            store.path(DataStore::RecordFileName)),
                   MessageBox::WarningTitle, MessageBox::No);
    }
    return mayWrite(parent, store, DataStore::RecordFileName, kRecordsNotSaved, notices);
}

} // namespace

namespace FileMessages {

void report(QWidget* parent, const QList<FileProblem>& problems)
{
    for (qsizetype i = 0; i < problems.size();) {
        const FileProblem& first = problems[i];
        QStringList texts;
        for (; i < problems.size() && problems[i].file == first.file; ++i)
            texts.append(problemText(problems[i]));
        QString text = texts.join(u'\n');
        if (!first.copy.isEmpty())
            text += QStringLiteral("\n原來的檔案已另存為 %1。").arg(first.copy);
        else if (!first.copyError.isEmpty())
            text += QStringLiteral("\n無法另存原來的檔案（%1）；這個檔案不會被覆寫，除非您同意。")
                        .arg(first.copyError);
        MessageBox::warning(parent, text);
    }
}

bool writeRecordFile(QWidget* parent, DataStore& store, QStringList& notices)
{
    if (!mayWriteRecordFile(parent, store, notices))
        return true;
    const QString file = store.path(DataStore::RecordFileName);
    QString error;
    while (!store.MainDataClose(&error)) {
        const MessageBox::Button answer = MessageBox::show(
            parent,
            QStringLiteral("無法寫入 "
                           "%1（%"
                           "2）。\n原來的檔案沒有改變。\n\n重試：再試一次寫入。\n不儲存：結束程式，"
                           "這次的變更不會儲存。\n取消：回到程式，資料都還在。")
                .arg(file, error),
            MessageBox::WarningTitle, MessageBox::Exclamation,
            MessageBox::Retry | MessageBox::Discard | MessageBox::Cancel, MessageBox::Retry);
        // Unanswered at a session's end, which cannot wait: the file stays as it was.
        if (answer == MessageBox::Discard || answer == MessageBox::NoButton)
            return true;
        if (answer != MessageBox::Retry)
            return false;
    }
    if (!store.versionError().isEmpty()) {
        notices.append(QStringLiteral("資料已經儲存，但無法在 %1 保留上一版的記錄檔（%2）。")
                           .arg(store.path(RecordVersions::FolderName), store.versionError()));
    }
    return true;
}

QStringList writeListFile(QWidget* parent, DataStore& store, const NameList& list,
                          const QString& fileName)
{
    QStringList notices;
    QString error;
    if (mayWrite(parent, store, fileName, kListNotSaved, notices) &&
        !store.saveList(list, fileName, &error)) {
        notices.append(QStringLiteral("無法寫入 %1（%2），清單沒有儲存到檔案。")
                           .arg(store.path(fileName), error));
    }
    return notices;
}

} // namespace FileMessages
