#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}
} // namespace

namespace FileSystem {

bool exists(const QString& path)
{
    return QFileInfo::exists(path);
}

bool rename(const QString& from, const QString& to, QString* error)
{
    QFile file(from);
    if (file.rename(to))
        return true;
    setError(error, file.errorString());
    return false;
}

bool readAll(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        setError(error, QStringLiteral("這是一個資料夾，不是檔案"));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return false;
    }
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

bool writeAll(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    // Unbuffered, so that a failed write (a full disk) shows in writeDevice: commit() misses a
    // failure of the buffer's last flush and would put the short file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, file.errorString());
        return false;
    }
    if (!writeDevice(file, bytes, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

QString keepCopy(const QString& path)
{
    for (int n = 1; n < 1000; ++n) {
        const QString copy =
            path + QStringLiteral(".bak") + (n == 1 ? QString() : QString::number(n));
        if (exists(copy))
            continue;
        return QFile::copy(path, copy) ? copy : QString();
    }
    return {};
}

} // namespace FileSystem
