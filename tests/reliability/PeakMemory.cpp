#include "PeakMemory.h"

#include <QFile>
#include <QRegularExpression>

#include <malloc.h>

namespace {
qint64 statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/status");
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB$").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(status.readAll()));
    if (!m.hasMatch())
        qFatal("no %s in /proc/self/status", field);
    return m.captured(1).toLongLong();
}
} // namespace

namespace PeakMemory {

void resetPeak()
{
    // Memory freed earlier but still held by the allocator would hide part of the next peak.
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        qFatal("cannot reset the peak resident memory");
}

qint64 peakBytes()
{
    return statusKiB("VmHWM") * 1024;
}

qint64 residentBytes()
{
    return statusKiB("VmRSS") * 1024;
}

} // namespace PeakMemory
