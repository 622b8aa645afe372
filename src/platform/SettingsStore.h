#pragma once

#include <QSettings>
#include <QString>

#include <optional>

// The per-user settings store: text values under application "Tovi", section "MainForm".
class SettingsStore
{
public:
    SettingsStore();

    // A program folder that holds a file "Tovi.ini" of its own keeps the settings in it, apart
    // from the user's: a copy of the program carried on a stick, or the sample that make demo
    // sets up. Called at start-up, before any store is made.
    static void keepBesideProgramIfThere(const QString& appDir);

    QString value(const QString& key, const QString& defaultValue) const;
    void setValue(const QString& key, const QString& value);
    // Writes what was set to disk now.
    bool sync();

    // A stored whole number within [min, max], else nothing (the caller takes its default).
    std::optional<int> wholeNumber(const QString& key, int min, int max) const;
    // A stored finite number within [min, max], else nothing.
    std::optional<double> number(const QString& key, double min, double max) const;

    QString fileName() const { return settings_.fileName(); }

private:
    QSettings settings_;
};
