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
    // Its bytes tell, read piece by piece: its times could miss a change (FileFingerprint).
    const std::optional<FileFingerprint> now = FileFingerprint::of(file, &outside.copyError);
    if (now && *now == known(fileName))
        return outside;
    QByteArray bytes;
    if (now && FileSystem::readAll(file, &bytes, &outside.copyError))
        outside.copy = FileSystem::keepCopy(file, bytes, &outside.copyError);
    outside.found = true;
    return outside;
}
