#include "ui/main/DataFileSaver.h"

#include "store/DataStore.h"
#include "store/RecordVersions.h"
#include "ui/widgets/MessageBox.h"

namespace {

// Why a data file is not written over without consent, for the question that asks it.
QString protectionText(const QString& file, WriteProtection::Reason protection)
{
    if (protection == WriteProtection::Reason::Unreadable)
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
    const WriteProtection::Reason protection = store.protection(fileName);
    if (protection != WriteProtection::Reason::None) {
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
    if (store.protection(DataFiles::LegacyRecords) != WriteProtection::Reason::None) {
        // A record file would end the legacy file's conversion for good.
        return store.records().count() > 0 &&
               MessageBox::confirm(
                   parent,
                   QStringLiteral(
                       "啟動時無法讀取舊版資料檔 %1，它沒有轉換。\n\n是：把目前的資料儲存到 "
                       "%2，以後不再轉換 %1。\n否：這次的變更不會儲存；下次啟動時會再轉換 "
                       "%1。")
                       .arg(store.path(DataFiles::LegacyRecords), store.path(DataFiles::Records)),
                   MessageBox::WarningTitle, MessageBox::No);
    }
    return mayWrite(parent, store, DataFiles::Records, kRecordsNotSaved, notices);
}

} // namespace

namespace DataFileSaver {

bool saveRecordFile(QWidget* parent, DataStore& store, QStringList& notices)
{
    if (!mayWriteRecordFile(parent, store, notices))
        return true;
    const QString file = store.path(DataFiles::Records);
    QString error;
    while (!store.saveRecords(&error)) {
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

QStringList saveListFile(QWidget* parent, DataStore& store, const NameList& list,
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

} // namespace DataFileSaver
