#include "platform/FolderLock.h"

FolderLock::FolderLock(const QString& folder) : lock_(folder + FileName)
{
    // Never stale by age: a register may stay open for weeks. A lock whose process has ended is
    // still recognised as stale and taken over.
    lock_.setStaleLockTime(0);
}

FolderLock::Result FolderLock::acquire()
{
    if (lock_.tryLock(0))
        return Result::Locked;
    return lock_.error() == QLockFile::LockFailedError ? Result::InUse : Result::Unprotected;
}
