#include "platform/SettingsStore.h"

#include "Product.h"
#include "platform/FileSystem.h"

#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace {
const QString kSection = QStringLiteral("MainForm/");

// Something other than a regular file (or a link to one) stands there. QSettings opens its file,
// and the lock file beside it while writing, blocking and without looking: a named pipe there
// would stop the program for good, a folder where its lock goes would keep it waiting.
bool isNoFile(const QString& path)
{
    return FileSystem::exists(path) && !FileSystem::isFile(path);
}
} // namespace

SettingsStore::SettingsStore()
    : fileName_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/%1.ini").arg(Product::Title))
{
    if (isNoFile(fileName_)) {
        QByteArray unread;
        FileSystem::readAll(fileName_, &unread, &unusableReason_); // refused unopened, with why
        return;
    }
    settings_ = std::make_unique<QSettings>(fileName_, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::value(const QString& key, const QString& defaultValue) const
{
    const QVariant v = settings_ ? settings_->value(kSection + key) : QVariant();
    return v.isValid() ? v.toString() : defaultValue;
}

void SettingsStore::setValue(const QString& key, const QString& value)
{
    if (settings_)
        settings_->setValue(kSection + key, value);
}

bool SettingsStore::sync()
{
    if (!settings_ || isNoFile(fileName_) || isNoFile(fileName_ + QStringLiteral(".lock")))
        return false;
    settings_->sync();
    // A file that read as no settings at all (random bytes) keeps that status through a write
    // that went through: whether it did shows in the file read anew.
    const QSettings::Status status = settings_->status();
    return status == QSettings::NoError ||
           (status == QSettings::FormatError && fileHoldsWhatWasSet());
}

bool SettingsStore::fileHoldsWhatWasSet() const
{
    if (!FileSystem::isFile(fileName_))
        return false;
    // Its status is its own. QSettings shares a file's values between its objects, so where the
    // write is still to be done the new object tries it again, and tells how that went.
    const QSettings written(fileName_, QSettings::IniFormat);
    const QStringList keys = settings_->allKeys();
    return written.status() == QSettings::NoError &&
           std::all_of(keys.cbegin(), keys.cend(), [&](const QString& key) {
               return written.value(key) == settings_->value(key);
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
