#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// The figures of one bench run: milliseconds, megabytes and the register's size, under the
// names of the JSON file, with the targets they are held to.
class Report
{
public:
    void set(const QString& key, double value);
    double value(const QString& key) const;

    void printTable() const;
    // Prints each target with PASS or MISS; returns the number missed.
    int printTargets() const;
    // One flat JSON object of every figure.
    QByteArray toJson() const;
    bool writeJson(const QString& path, QString* error) const;
    // Sets every figure of such an object. Throws when it is not one.
    void add(const QByteArray& json);

private:
    QList<std::pair<QString, double>> figures_;
};
