#include "store/RecordVersions.h"

#include "system/FileSystem.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <tuple>

namespace {

// "Main1-000021-20261207-093000.csv": the copy's number, then the time it was made.
const QRegularExpression& numberedName()
{
    static const QRegularExpression name(
        QStringLiteral("^Main1-([0-9]{6,18})-[0-9]{8}-[0-9]{6}\\.csv$"));
    return name;
}

// Copies of earlier releases, "Main1-20261207-093000.csv" and "…-093000-2.csv" for a second one
// within the same second. They were all made before the numbered ones.
const QRegularExpression& stampedName()
{
    static const QRegularExpression name(
        QStringLiteral("^Main1-([0-9]{8}-[0-9]{6})(?:-([0-9]+))?\\.csv$"));
    return name;
}

// Where a copy stands in the order made: its number (0 for the earlier releases' copies), then
// their time and their number within the second.
using Order = std::tuple<qint64, QString, int>;

std::optional<Order> orderOf(const QString& name)
{
    if (const QRegularExpressionMatch m = numberedName().match(name); m.hasMatch())
        return Order{m.captured(1).toLongLong(), {}, 0};
    if (const QRegularExpressionMatch m = stampedName().match(name); m.hasMatch())
        return Order{0, m.captured(1), m.captured(2).toInt()};
    return std::nullopt;
}

struct Copy
{
    QString name;
    Order order;
};

// The copies in the folder, oldest first.
QList<Copy> copiesIn(const QDir& folder)
{
    QList<Copy> copies;
    for (const QString& name : folder.entryList(QDir::Files)) {
        if (const std::optional<Order> order = orderOf(name))
            copies.append({name, *order});
    }
    std::sort(copies.begin(), copies.end(),
              [](const Copy& a, const Copy& b) { return a.order < b.order; });
    return copies;
}

} // namespace

namespace RecordVersions {

Version keep(const QString& programFolder, const QString& file, const QDateTime& when)
{
    Version version;
    const QString folderPath = programFolder + FolderName;
    if (!FileSystem::makeFolder(folderPath)) {
        version.error = QStringLiteral("無法建立資料夾 %1").arg(folderPath);
        return version;
    }
    const QDir folder(folderPath);
    const QList<Copy> copies = copiesIn(folder);
    if (!copies.isEmpty() && FileSystem::sameBytes(folder.filePath(copies.last().name), file))
        return version;

    const qint64 number = copies.isEmpty() ? 1 : std::get<0>(copies.last().order) + 1;
    const QString name = QStringLiteral("Main1-%1-%2.csv")
                             .arg(number, 6, 10, QChar(u'0'))
                             .arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    if (FileSystem::keepAs(file, folder.filePath(name), &version.error, &version.linked))
        version.path = folder.filePath(name);
    return version;
}

void prune(const QString& programFolder)
{
    QDir folder(programFolder + FolderName);
    const QList<Copy> copies = copiesIn(folder);
    for (qsizetype i = 0; i + Kept < copies.size(); ++i)
        folder.remove(copies.at(i).name);
}

} // namespace RecordVersions
