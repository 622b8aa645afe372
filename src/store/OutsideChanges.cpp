#include "store/OutsideChanges.h"

#include "system/FileSystem.h"

OutsideVersion OutsideChanges::keepOutsideVersion(const QString& fileName) const
{
    OutsideVersion outside;
    const QString file = folder_ + fileName;
    // A file removed meanwhile leaves nothing to keep; a folder or a pipe in its place holds no
    // version of it, and the write says what stands in its way.
    if (!FileSystem::isFile(file))
        return outside;
    QByteArray bytes;
    QDateTime modified;
    if (FileSystem::readAll(file, &bytes, &outside.copyError, &modified)) {
        if (FileFingerprint(bytes, modified) == known(fileName))
            return outside;
        outside.copy = FileSystem::keepCopy(file, bytes, &outside.copyError);
    }
    outside.found = true;
    return outside;
}
