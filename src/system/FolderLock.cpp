#include "system/FolderLock.h"

#include "Product.h"
#include "system/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Taken at once or not at all. Not inherited by the programs this one starts (a browser for the
// help page), which would hold it on after this copy ends.
constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

bool heldElsewhere(int handle)
{
    return ::flock(handle, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

bool isRegular(int handle)
{
    struct stat info = {};
    return ::fstat(handle, &info) == 0 && S_ISREG(info.st_mode);
}

// A lock file that this process cannot write may still be held by another copy.
bool isHeld(const QByteArray& path)
{
    const int handle = ::open(path.constData(), O_RDONLY | kOpenFlags);
    if (handle < 0)
        return false;
    const bool held = isRegular(handle) && heldElsewhere(handle);
    ::close(handle);
    return held;
}

// The process, its program's name and the machine, one a line, as earlier versions wrote them.
void writeOwner(int handle)
{
    const QByteArray owner =
        QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
        QSysInfo::machineHostName().toUtf8() + '\n';
    // The lock holds without them; a full disk only leaves the file empty.
    if (::ftruncate(handle, 0) == 0) [[maybe_unused]]
        const ssize_t n = ::pwrite(handle, owner.constData(), owner.size(), 0);
}

QString reasonOf(int error)
{
    return FileSystem::reasonText(qt_error_string(error));
}

} // namespace

FolderLock::FolderLock(const QString& folder)
    : folder_(folder), path_(folder + FileName), encodedPath_(QFile::encodeName(path_))
{
}

FolderLock::~FolderLock()
{
    if (fileHandle_ >= 0) {
        // Deleted meanwhile, the name may have become another copy's lock file: that stays.
        struct stat held = {};
        struct stat named = {};
        if (::fstat(fileHandle_, &held) == 0 && ::lstat(encodedPath_.constData(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            ::unlink(encodedPath_.constData());
        ::close(fileHandle_);
    }
    if (folderHandle_ >= 0)
        ::close(folderHandle_);
}

FolderLock::Result FolderLock::acquire()
{
    folderHandle_ =
        ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // Where the file system has no such lock on a folder (some shared ones), the file's holds
    // alone.
    if (folderHandle_ >= 0 && heldElsewhere(folderHandle_))
        return Result::InUse;
    return acquireFile();
}

FolderLock::Result FolderLock::acquireFile()
{
    // A lock file nobody holds is taken whatever it holds. Anything else standing there (a folder,
    // a named pipe, a link) is no lock: it is removed, once. Only a regular file is opened, so
    // that a named pipe or a device cannot block the start.
    for (bool removed = false;; removed = true) {
        struct stat info = {};
        const bool standsThere = ::lstat(encodedPath_.constData(), &info) == 0;
        if (!standsThere || S_ISREG(info.st_mode)) {
            const int handle =
                ::open(encodedPath_.constData(), O_RDWR | O_CREAT | kOpenFlags, 0644);
            if (handle >= 0 && isRegular(handle)) {
                if (heldElsewhere(handle)) {
                    ::close(handle);
                    return Result::InUse;
                }
                // Taken, or on a file system without such locks, where the file is the only sign.
                fileHandle_ = handle;
                writeOwner(handle);
                return Result::Locked;
            }
            const int error = handle >= 0 ? EEXIST : errno;
            if (handle >= 0)
                ::close(handle); // put there meanwhile
            if (!standsThere || removed)
                return refused(error, false);
            if (isHeld(encodedPath_))
                return Result::InUse;
        }
        const bool isFolder = S_ISDIR(info.st_mode);
        if (removed)
            return refused(EEXIST, isFolder); // put back meanwhile
        if ((isFolder ? ::rmdir(encodedPath_.constData()) : ::unlink(encodedPath_.constData())) !=
            0)
            return refused(errno, isFolder);
    }
}

FolderLock::Result FolderLock::refused(int error, bool isFolder)
{
    if (error == EACCES || error == EPERM || error == EROFS) {
        reason_ = reasonOf(error);
        return Result::FolderReadOnly;
    }
    reason_ = reasonOf(isFolder ? EISDIR : error);
    return Result::LockFileBlocked;
}

QString FolderLock::notice(Result result) const
{
    switch (result) {
    case Result::Locked:
        break;
    case Result::InUse:
        return QStringLiteral("%1 已經在使用這個資料夾：\n%2\n\n同一個資料夾一次只能開啟一個 "
                              "%1，請使用已經開啟的視窗。")
            .arg(Product::Name, folder_);
    case Result::FolderReadOnly:
        return QStringLiteral("無法寫入這個資料夾（%2）：\n%1\n\n在這裡所做的變更可能無法儲存。"
                              "請把 %3 放在可以寫入的資料夾中。")
            .arg(folder_, reason_, Product::Name);
    case Result::LockFileBlocked:
        return QStringLiteral("無法使用鎖定檔 %1（%2）。\n請移除它，以確保同一個資料夾一次只開啟"
                              "一個 %3。")
            .arg(path_, reason_, Product::Name);
    }
    return {};
}
