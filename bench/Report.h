#pragma once

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
    bool writeJson(const QString& path, QString* error) const;

private:
    QList<std::pair<QString, double>> figures_;
};
