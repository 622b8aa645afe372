#include "system/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <utility>

namespace {
const QString kIsFolder = QStringLiteral("這是一個資料夾，不是檔案");
const QString kNotAFile = QStringLiteral("這不是一般的檔案");
const QString kNoPermission = QStringLiteral("沒有存取權限");
// "name.bak" … "name.bak999".
constexpr int kCopyNames = 999;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = FileSystem::reasonText(text);
}

std::function<void(const QString&)>& folderSyncObserver()
{
    static std::function<void(const QString&)> observer;
    return observer;
}

// A new or renamed name is on disk only once its folder is; the file's own bytes are synced by
// whatever wrote them. A folder that cannot be synced (some shared folders) is left to the system:
// the name is in place already, and nothing the program could do would make it surer.
void syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    if (folderSyncObserver())
        folderSyncObserver()(QFileInfo(folder).canonicalFilePath());
}

// writeAll writes a file in place when its folder takes no new file.
bool writtenInPlace(const QFileInfo& file)
{
    return file.exists() && !QFileInfo(file.absolutePath()).isWritable();
}

bool save(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a failed write (a full disk) shows in writeDevice: commit() misses a
    // failure of the buffer's last flush and would put the short file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, file.errorString());
        return false;
    }
    if (!FileSystem::writeDevice(file, bytes, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}
} // namespace

namespace FileSystem {

bool exists(const QString& path)
{
    return QFileInfo::exists(path);
}

bool isFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

bool rename(const QString& from, const QString& to, QString* error)
{
    QFile file(from);
    if (!file.rename(to)) {
        setError(error, file.errorString());
        return false;
    }
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

bool makeFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return true;
    if (!QDir().mkpath(path))
        return false;
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

bool holds(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    QByteArray held;
    return info.isFile() && info.size() == bytes.size() && readAll(path, &held, nullptr) &&
           held == bytes;
}

bool readAll(const QString& path, QByteArray* bytes, QString* error, QDateTime* modified)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        setError(error, kIsFolder);
        return false;
    }
    if (info.exists() && !info.isFile()) {
        setError(error, kNotAFile);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return false;
    }
    if (modified)
        *modified = file.fileTime(QFileDevice::FileModificationTime);
    return true;
}

bool writeDevice(QIODevice& device, const QByteArray& bytes, QString* error)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            setError(error, device.errorString());
            return false;
        }
        done += n;
    }
    return true;
}

bool writeAll(const QString& path, const QByteArray& bytes, QString* error, QDateTime* modified)
{
    const QFileInfo target(path);
    std::optional<QByteArray> previous;
    if (writtenInPlace(target)) {
        // Written in place: a named pipe would block the program, and what the file holds now is
        // kept to be put back.
        if (!target.isFile() && !target.isDir()) {
            setError(error, kNotAFile);
            return false;
        }
        QByteArray held;
        if (target.isFile() && readAll(path, &held, nullptr))
            previous = held;
    }
    if (!save(path, bytes, error)) {
        if (previous && !holds(path, *previous)) {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
                writeDevice(file, *previous, nullptr);
        }
        return false;
    }
    // The file replaced is the link's target, where there is a link.
    const QFileInfo written(QFileInfo(path).canonicalFilePath());
    syncFolder(written.absolutePath());
    if (modified)
        *modified = written.lastModified();
    return true;
}

bool keepAs(const QString& from, const QString& to, const QByteArray& bytes, QString* error,
            bool* linked)
{
    const QFileInfo file(from);
    // A file written in place, or a link's target, would change under its second name too.
    *linked = !file.isSymLink() && !writtenInPlace(file) &&
              ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    if (!*linked)
        return writeAll(to, bytes, error);
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

QString keepCopy(const QString& path, const QByteArray& bytes, QString* error)
{
    for (int n = 1; n <= kCopyNames; ++n) {
        const QString copy =
            path + QStringLiteral(".bak") + (n == 1 ? QString() : QString::number(n));
        if (exists(copy)) {
            if (holds(copy, bytes))
                return copy;
            continue;
        }
        // NewOnly: a file that takes the name meanwhile is not written over.
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (exists(copy))
                continue;
            setError(error, file.errorString());
            return {};
        }
        if (!writeDevice(file, bytes, error)) {
            file.remove();
            return {};
        }
        // On disk before the file it keeps is written over.
        if (::fsync(file.handle()) != 0) {
            setError(error, qt_error_string(errno));
            file.remove();
            return {};
        }
        return copy;
    }
    setError(error,
             QStringLiteral("%1.bak 到 %1.bak%2 都已經有其他檔案").arg(path).arg(kCopyNames));
    return {};
}

QString reasonText(const QString& systemText)
{
    static const QList<std::pair<int, QString>> common{
        {ENOSPC, QStringLiteral("磁碟空間不足")},
        {EACCES, kNoPermission},
        {EPERM, kNoPermission},
        {EROFS, QStringLiteral("這是唯讀的檔案系統")},
        {EISDIR, kIsFolder},
        {EFBIG, QStringLiteral("檔案太大")},
        {ENOENT, QStringLiteral("檔案或資料夾不存在")},
    };
    // Compared with the system's own texts of the moment, in whatever language it speaks.
    for (const auto& [code, words] : common) {
        if (systemText == qt_error_string(code))
            return words;
    }
    if (systemText == QSaveFile::tr("Filename refers to a directory"))
        return kIsFolder;
    const QString notWritable = QSaveFile::tr("Existing file %1 is not writable");
    const qsizetype name = notWritable.indexOf(QStringLiteral("%1"));
    if (name > 0 && systemText.startsWith(notWritable.first(name)) &&
        systemText.endsWith(notWritable.sliced(name + 2)))
        return kNoPermission;
    return systemText;
}

void observeFolderSyncs(std::function<void(const QString& folder)> observer)
{
    folderSyncObserver() = std::move(observer);
}

} // namespace FileSystem
