#include "platform/SettingsStore.h"

#include "Product.h"

#include <QFileInfo>

#include <cmath>

namespace {
const QString kSection = QStringLiteral("MainForm/");
}

SettingsStore::SettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, Product::Title)
{
}

void SettingsStore::keepBesideProgramIfThere(const QString& appDir)
{
    const QFileInfo own(appDir + Product::Title + QStringLiteral(".ini"));
    if (own.isFile())
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, own.absolutePath());
}

QString SettingsStore::value(const QString& key, const QString& defaultValue) const
{
    const QVariant v = settings_.value(kSection + key);
    return v.isValid() ? v.toString() : defaultValue;
}

void SettingsStore::setValue(const QString& key, const QString& value)
{
    settings_.setValue(kSection + key, value);
}

bool SettingsStore::sync()
{
    settings_.sync();
    return settings_.status() == QSettings::NoError;
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
