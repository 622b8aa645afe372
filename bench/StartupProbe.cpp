#include "StartupProbe.h"

#include "Median.h"
#include "PaintWatch.h"
#include "store/DataStore.h"
#include "system/SettingsStore.h"
#include "ui/ControlNames.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/Fonts.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTableView>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kChildTimeoutMs = 60000;
constexpr int kWarmUpRuns = 1;

// The peak resident memory of this process image, from the kernel's VmHWM. getrusage's ru_maxrss
// would not do: Linux carries it over through fork and exec, so a child started by the bench
// would report the bench's own peak.
double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

StartupProbe::Sample runOnce(const QString& appDir, const QString& settingsDir)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(StartupProbe::Flag), appDir, settingsDir});
    if (!child.waitForFinished(kChildTimeoutMs) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        throw std::runtime_error("a start-up child failed");
    const QStringList figures =
        QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(u' ');
    bool msOk = false;
    bool rssOk = false;
    bool rowsOk = false;
    bool closedOk = false;
    StartupProbe::Sample sample{figures.value(0).toDouble(&msOk), figures.value(1).toDouble(&rssOk),
                                figures.value(2).toInt(&rowsOk),
                                figures.value(3).toDouble(&closedOk)};
    if (!msOk || !rssOk || !rowsOk || !closedOk || sample.rssMb <= 0)
        throw std::runtime_error("a start-up child reported nothing readable");
    return sample;
}

} // namespace

namespace StartupProbe {

int runChild(int argc, char** argv)
{
    const Clock::time_point start = Clock::now();
    if (argc < 4)
        return 2;
    // The settings store's folder, as the program finds it.
    qputenv("XDG_CONFIG_HOME", argv[3]);

    // The steps of the program's main, over the given folder.
    QApplication app(argc, argv);
    Fonts::install();
    DataStore store(QString::fromLocal8Bit(argv[2]));
    SettingsStore settings;
    MainWindow window(store, settings);
    window.load();

    // The clock stops once the list has been painted for the first time; then the window is
    // closed, which saves the register.
    const auto* list = window.findChild<QTableView*>(QLatin1String(MainWindowControls::recordList));
    auto* watch = new PaintWatch(list->viewport());
    watch->afterFirstPaint([&] {
        const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
        const double shownRss = peakResidentMb();
        const int rows = list->model()->rowCount();
        if (!window.close()) {
            QCoreApplication::exit(4);
            return;
        }
        std::printf("%.3f %.2f %d %.2f\n", elapsed.count(), shownRss, rows, peakResidentMb());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(kChildTimeoutMs, &app, [] { QCoreApplication::exit(3); });
    window.show();
    return app.exec();
}

QList<Sample> measure(const QStringList& appDirs, const QList<int>& expectedRows,
                      const QString& settingsDir, int runs)
{
    QList<std::vector<double>> ms(appDirs.size());
    QList<std::vector<double>> rss(appDirs.size());
    QList<std::vector<double>> closedRss(appDirs.size());
    for (int run = 0; run < kWarmUpRuns + runs; ++run) {
        for (qsizetype d = 0; d < appDirs.size(); ++d) {
            const Sample sample = runOnce(appDirs[d], settingsDir);
            if (run < kWarmUpRuns)
                continue;
            if (sample.rows != expectedRows[d])
                throw std::runtime_error("a start-up child showed the wrong number of rows");
            ms[d].push_back(sample.ms);
            rss[d].push_back(sample.rssMb);
            closedRss[d].push_back(sample.closedRssMb);
        }
    }
    QList<Sample> medians;
    for (qsizetype d = 0; d < appDirs.size(); ++d)
        medians.append(
            {Median::of(ms[d]), Median::of(rss[d]), expectedRows[d], Median::of(closedRss[d])});
    return medians;
}

} // namespace StartupProbe
