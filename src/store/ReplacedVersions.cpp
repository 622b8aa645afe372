#include "store/ReplacedVersions.h"

#include "store/DataFiles.h"
#include "system/FileSystem.h"

#include <QFile>
#include <QFileInfo>

void ReplacedVersions::keepReplaced(const std::optional<FileFingerprint>& written)
{
    kept_ = {};
    error_.clear();
    const QString file = folder_ + DataFiles::Records;
    if (!FileSystem::isFile(file))
        return;
    // Nothing is replaced when the file holds the bytes written already: only a file of their
    // size can, and then its bytes tell.
    if (written && QFileInfo(file).size() == written->size()) {
        const std::optional<FileFingerprint> replaced = FileFingerprint::of(file, &error_);
        if (!replaced || *replaced == *written)
            return;
    }
    if (copyGivenUp_) {
        error_ = QStringLiteral("前一次儲存失敗，複製它會佔用儲存需要的空間");
        return;
    }
    kept_ = RecordVersions::keep(folder_, file, QDateTime::currentDateTime());
    error_ = kept_.error;
}

void ReplacedVersions::saveDone()
{
    copyGivenUp_ = false;
    if (!kept_.path.isEmpty())
        RecordVersions::prune(folder_);
    kept_ = {};
}

void ReplacedVersions::saveFailed()
{
    // A copy may have taken the room the save needs.
    if (!kept_.path.isEmpty()) {
        QFile::remove(kept_.path);
        copyGivenUp_ = !kept_.linked;
    }
    kept_ = {};
    error_.clear(); // nothing was replaced
}
