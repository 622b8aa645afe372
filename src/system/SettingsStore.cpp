#include "system/SettingsStore.h"

#include "Product.h"
#include "system/FileSystem.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
const QString kSection = QStringLiteral("MainForm");

// Something other than a regular file (or a link to one) stands there. QSettings opens its file,
// and the lock file beside it while writing, blocking and without looking: a named pipe there
// would stop the program for good, a folder where its lock goes would keep it waiting.
bool isNoFile(const QString& path)
{
    return FileSystem::exists(path) && !FileSystem::isFile(path);
}

// The folder of the file, when the program folder keeps one of its own; else empty.
QString& ownFolder()
{
    static QString folder;
    return folder;
}

QString settingsFolder()
{
    return ownFolder().isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               : ownFolder();
}
} // namespace

SettingsStore::SettingsStore()
    : fileName_(settingsFolder() + QStringLiteral("/%1.ini").arg(Product::Title))
{
    if (isNoFile(fileName_)) {
        QByteArray unread;
        FileSystem::readAll(fileName_, &unread, &unusableReason_); // refused unopened, with why
        return;
    }
    QSettings file(fileName_, QSettings::IniFormat);
    file.beginGroup(kSection);
    for (const QString& key : file.childKeys())
        values_.insert(key, file.value(key).toString());
}

void SettingsStore::keepBesideProgramIfThere(const QString& folder)
{
    const QFileInfo own(folder + Product::Title + QStringLiteral(".ini"));
    ownFolder() = own.isFile() ? own.absolutePath() : QString();
}

QString SettingsStore::value(const QString& key, const QString& defaultValue) const
{
    return values_.value(key, defaultValue);
}

void SettingsStore::setValue(const QString& key, const QString& value)
{
    values_.insert(key, value);
    unwritten_.insert(key);
}

bool SettingsStore::sync()
{
    if (!unusableReason_.isEmpty() || isNoFile(fileName_) ||
        isNoFile(fileName_ + QStringLiteral(".lock")))
        return false;
    QSettings file(fileName_, QSettings::IniFormat);
    for (const QString& key : std::as_const(unwritten_))
        file.setValue(kSection + u'/' + key, values_.value(key));
    file.sync();
    // A file that read as no settings at all (random bytes) keeps that status through a write
    // that went through: whether it did shows in the file read anew.
    const QSettings::Status status = file.status();
    if (status != QSettings::NoError &&
        (status != QSettings::FormatError || !fileHoldsWhatWasSet()))
        return false;
    unwritten_.clear();
    return true;
}

bool SettingsStore::fileHoldsWhatWasSet() const
{
    if (!FileSystem::isFile(fileName_))
        return false;
    // Its status is its own. QSettings shares a file's values between its objects, so where the
    // write is still to be done the new object tries it again, and tells how that went.
    QSettings written(fileName_, QSettings::IniFormat);
    written.beginGroup(kSection);
    return written.status() == QSettings::NoError &&
           std::all_of(unwritten_.cbegin(), unwritten_.cend(), [&](const QString& key) {
               return written.value(key).toString() == values_.value(key);
           });
}

std::optional<int> SettingsStore::wholeNumber(const QString& key, int min, int max) const
{
    bool ok = false;
    const int n = value(key, QString()).trimmed().toInt(&ok);
    if (!ok || n < min || n > max)
        return std::nullopt;
    return n;
}

std::optional<double> SettingsStore::number(const QString& key, double min, double max) const
{
    bool ok = false;
    const double n = value(key, QString()).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(n) || n < min || n > max)
        return std::nullopt;
    return n;
}
