#include "store/RecordVersions.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

// "Main1-20261207-093000.csv", and "…-093000-2.csv" for a second copy within the same second.
const QRegularExpression& copyName()
{
    static const QRegularExpression name(
        QStringLiteral("^Main1-([0-9]{8}-[0-9]{6})(?:-([0-9]+))?\\.csv$"));
    return name;
}

// The copies in the folder, oldest first.
QStringList copiesIn(const QDir& folder)
{
    QStringList copies;
    for (const QString& name : folder.entryList(QDir::Files)) {
        if (copyName().match(name).hasMatch())
            copies.append(name);
    }
    auto key = [](const QString& name) {
        const QRegularExpressionMatch m = copyName().match(name);
        return std::pair(m.captured(1), m.captured(2).toInt());
    };
    std::sort(copies.begin(), copies.end(),
              [&](const QString& a, const QString& b) { return key(a) < key(b); });
    return copies;
}

} // namespace

namespace RecordVersions {

QString keep(const QString& appDir, const QByteArray& bytes, const QDateTime& when)
{
    const QString folderPath = appDir + FolderName;
    if (!QDir().mkpath(folderPath))
        return QStringLiteral("無法建立資料夾 %1").arg(folderPath);
    QDir folder(folderPath);
    QStringList copies = copiesIn(folder);
    if (!copies.isEmpty() && FileSystem::holds(folder.filePath(copies.last()), bytes))
        return {};

    const QString stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = QStringLiteral("Main1-%1.csv").arg(stamp);
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("Main1-%1-%2.csv").arg(stamp).arg(n);
    QString error;
    if (!FileSystem::writeAll(folder.filePath(name), bytes, &error))
        return error;

    copies = copiesIn(folder);
    for (qsizetype i = 0; i + Kept < copies.size(); ++i)
        folder.remove(copies.at(i));
    return {};
}

} // namespace RecordVersions
