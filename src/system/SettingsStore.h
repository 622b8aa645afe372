#pragma once

#include <QMap>
#include <QSet>
#include <QString>

#include <optional>

// The per-user settings store: text values in the user's settings folder, file "Tovi.ini",
// section "MainForm". The file is read once, at the start, and written only by sync(): no
// QSettings object outlives either, so none writes on its own (QSettings writes pending changes
// from the event loop) past the checks made here.
class SettingsStore
{
public:
    SettingsStore();

    // A program folder that holds a file "Tovi.ini" of its own keeps the settings in it, apart
    // from the user's: a copy of the program carried on a stick, or the sample that make demo
    // sets up. Called at start-up, before any store is made.
    static void keepBesideProgramIfThere(const QString& folder);

    QString value(const QString& key, const QString& defaultValue) const;
    void setValue(const QString& key, const QString& value);
    // Writes what was set to disk now. False when it is not all there.
    bool sync();

    // A stored whole number within [min, max], else nothing (the caller takes its default).
    std::optional<int> wholeNumber(const QString& key, int min, int max) const;
    // A stored finite number within [min, max], else nothing.
    std::optional<double> number(const QString& key, double min, double max) const;

    QString fileName() const { return fileName_; }
    // Why the file is neither read nor written (something other than a file stands there), or the
    // empty text. Every value is then the caller's default.
    QString unusableReason() const { return unusableReason_; }

private:
    bool fileHoldsWhatWasSet() const;

    QString fileName_;
    QString unusableReason_;
    QMap<QString, QString> values_;
    QSet<QString> unwritten_;
};
