#include "store/ReplacedVersions.h"

#include "store/DataFiles.h"
#include "store/OutsideChanges.h"
#include "system/FileSystem.h"

#include <QFile>

ReplacedVersions::ReplacedVersions(const QString& folder, const OutsideChanges& versions)
    : folder_(folder), versions_(versions)
{
}

void ReplacedVersions::keepReplaced(const QByteArray& bytes)
{
    kept_ = {};
    error_.clear();
    const QString file = folder_ + DataFiles::Records;
    if (!FileSystem::isFile(file) || versions_.known(DataFiles::Records).unchangedBy(file, bytes))
        return;
    QByteArray replaced;
    if (!FileSystem::readAll(file, &replaced, &error_) || replaced == bytes)
        return;
    if (copyGivenUp_) {
        error_ = QStringLiteral("前一次儲存失敗，複製它會佔用儲存需要的空間");
        return;
    }
    kept_ = RecordVersions::keep(folder_, file, replaced, QDateTime::currentDateTime());
    error_ = kept_.error;
}

void ReplacedVersions::saveDone()
{
    copyGivenUp_ = false;
    if (!kept_.path.isEmpty())
        RecordVersions::prune(folder_);
}

void ReplacedVersions::saveFailed()
{
    // A copy may have taken the room the save needs.
    if (!kept_.path.isEmpty()) {
        QFile::remove(kept_.path);
        copyGivenUp_ = !kept_.linked;
    }
    error_.clear(); // nothing was replaced
}
