// kelvora_bench: times load, save, list refresh and start-up at the full register of 10000
// records and at 1000, and the summary per person and the overdue count at 10000 records among
// 500 people; prints them with their targets and writes them as JSON (--json path).

#include "InteractionBench.h"
#include "Report.h"
#include "SampleRegister.h"
#include "StartupProbe.h"
#include "StoreBench.h"
#include "ViewBench.h"

#include "ui/widgets/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>

namespace {

constexpr int kFullRecords = 10000;
constexpr int kSmallRecords = 1000;
constexpr int kStoreRuns = 21;
constexpr int kViewRuns = 31;
constexpr int kStartupRuns = 11;
constexpr int kPeople = 500;
constexpr int kInteractionRuns = 5;

// A fresh program folder holding a register.
QString makeAppDir(const QTemporaryDir& root, const QString& name, const QList<LoanRecord>& records)
{
    const QString dir = root.filePath(name) + u'/';
    QString error;
    if (!QDir().mkpath(dir) || !SampleRegister::write(dir, records, &error))
        throw std::runtime_error("cannot write the sample register: " + error.toStdString());
    return dir;
}

QString makeAppDir(const QTemporaryDir& root, const QString& name, int count)
{
    return makeAppDir(root, name, SampleRegister::records(count));
}

// The full register with its records dealt out in turn among the first `people` names it holds.
QList<LoanRecord> amongPeople(int count, int people)
{
    QList<LoanRecord> records = SampleRegister::records(count);
    QStringList names;
    for (const LoanRecord& r : records) {
        if (names.size() < people && !names.contains(r.Borrower))
            names.append(r.Borrower);
    }
    if (names.size() < people)
        throw std::runtime_error("the sample register holds too few names");
    for (qsizetype i = 0; i < records.size(); ++i)
        records[i].Borrower = names.at(i % people);
    return records;
}

QString jsonPath(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--json"));
    return at >= 0 ? arguments.value(at + 1) : QString();
}

void measureStore(Report& report, const QString& full, const QString& small)
{
    const StoreBench store(full, kFullRecords, kStoreRuns);
    const StoreBench::Timing load = store.load();
    report.set("load", load.ms);
    report.set("load_floor", load.floorMs);
    const StoreBench::Timing save = store.save();
    report.set("save", save.ms);
    report.set("save_floor", save.floorMs);
    report.set("load_1k", StoreBench(small, kSmallRecords, kStoreRuns).load().ms);
}

void measureView(Report& report, const QString& full, const QString& small, const QString& people)
{
    {
        ViewBench view(full, kFullRecords, kViewRuns);
        report.set("refresh", view.refresh());
        report.set("filter_switch", view.filterSwitch(SampleRegister::largeCategory()));
    }
    report.set("refresh_1k", ViewBench(small, kSmallRecords, kViewRuns).refresh());
    const ViewBench::PeopleTiming timing =
        ViewBench(people, kFullRecords, kViewRuns).people(kPeople);
    report.set("refresh_people", timing.refresh);
    report.set("overdue_count", timing.overdueCount);
    report.set("people_open", timing.summaryOpen);
}

void measureStartup(Report& report, const QString& empty, const QString& full,
                    const QString& settingsDir)
{
    const QList<StartupProbe::Sample> samples =
        StartupProbe::measure({empty, full}, {0, kFullRecords}, settingsDir, kStartupRuns);
    report.set("startup_empty", samples[0].ms);
    report.set("startup_full", samples[1].ms);
    report.set("rss_empty_mb", samples[0].rssMb);
    report.set("rss_full_mb", samples[1].rssMb);
}

int runBench(const QStringList& arguments)
{
    QTemporaryDir root;
    QTemporaryDir settingsDir;
    if (!root.isValid() || !settingsDir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    // The bench never touches the user's own settings; the start-ups inherit the folder.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsDir.path()));

    const QString full = makeAppDir(root, QStringLiteral("full"), kFullRecords);
    const QString small = makeAppDir(root, QStringLiteral("small"), kSmallRecords);
    const QString empty = makeAppDir(root, QStringLiteral("empty"), 0);
    const QString people =
        makeAppDir(root, QStringLiteral("people"), amongPeople(kFullRecords, kPeople));

    Report report;
    measureStore(report, full, small);
    measureView(report, full, small, people);
    measureStartup(report, empty, full, settingsDir.path());
    InteractionBench::measure(report, root.path(), kInteractionRuns);
    report.set("n_records", kFullRecords);

    report.printTable();
    report.printTargets();
    InteractionBench::printTargets(report);

    const QString json = jsonPath(arguments);
    QString error;
    if (!json.isEmpty() && !report.writeJson(json, &error)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(json), qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // A start-up child: nothing may run before its clock starts.
    if (argc > 1 && std::strcmp(argv[1], StartupProbe::Flag) == 0)
        return StartupProbe::runChild(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], InteractionBench::Flag) == 0)
        return InteractionBench::runChild(argc, argv);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::install();
    try {
        return runBench(QCoreApplication::arguments());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelvora_bench: %s\n", e.what());
        return 1;
    }
}
