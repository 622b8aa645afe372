// kelvora_bench: times load, save, close, export, list refresh and start-up at the full register of
// 10000 records and at 1000, the summary per person and the overdue count at 10000 records among
// 500 people, and load, close, export, start-up and peak memory at the largest inputs (10000
// records of 4000-character contents; one content of 50 MB); prints them with their targets and
// writes them as JSON (--json path).

#include "InteractionBench.h"
#include "InteractionRegisters.h"
#include "Report.h"
#include "SampleRegister.h"
#include "StartupProbe.h"
#include "StoreBench.h"
#include "ViewBench.h"

#include "store/DataFiles.h"
#include "system/Cp950.h"
#include "ui/widgets/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
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
// The largest inputs take seconds a run: fewer runs.
constexpr int kWorstRuns = 7;
// 500,000 lines of 100 bytes: a content of 50 million bytes in the record file.
constexpr int kHugeContentLines = 500000;
constexpr double MB = 1024 * 1024;
constexpr char kLargestInputFlag[] = "--largest-input";
constexpr int kLargestInputTimeoutMs = 10 * 60 * 1000;

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

// The record file's size, and the size of its text in memory (two bytes a character).
void setSizes(Report& report, const QString& prefix, const QString& appDir)
{
    QFile file(appDir + DataFiles::Records);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read a sample register");
    const QByteArray bytes = file.readAll();
    report.set(prefix + "file_mb", static_cast<double>(bytes.size()) / MB);
    report.set(prefix + "text_mb", 2.0 * static_cast<double>(Cp950::decode(bytes).size()) / MB);
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

// Close and export, each beside its floor, as figures under the prefix and their ratios.
void measureWrites(Report& report, const QString& prefix, const StoreBench& store)
{
    const StoreBench::CloseTiming close = store.close();
    report.set(prefix + "close_unchanged", close.unchangedMs);
    report.set(prefix + "close_deleted", close.oneDeletedMs);
    report.set(prefix + "close_floor", close.floorMs);
    report.set(prefix + "close_unchanged_ratio", close.unchangedMs / close.floorMs);
    report.set(prefix + "close_deleted_ratio", close.oneDeletedMs / close.floorMs);
    const StoreBench::Timing exported = store.exportAll();
    report.set(prefix + "export", exported.ms);
    report.set(prefix + "export_floor", exported.floorMs);
    report.set(prefix + "export_ratio", exported.ms / exported.floorMs);
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
    measureWrites(report, {}, store);
    report.set("load_1k", StoreBench(small, kSmallRecords, kStoreRuns).load().ms);
}

// A largest input: its sizes, its load, close and export.
void measureWorstHere(Report& report, const QString& prefix, const QString& appDir)
{
    setSizes(report, prefix, appDir);
    const StoreBench store(appDir, kFullRecords, kWorstRuns);
    const StoreBench::Timing load = store.load();
    report.set(prefix + "load", load.ms);
    report.set(prefix + "load_floor", load.floorMs);
    report.set(prefix + "load_ratio", load.ms / load.floorMs);
    measureWrites(report, prefix, store);
}

// The same in a process of its own: how much of the memory a largest input takes the system must
// map afresh depends on what the allocator kept from the measurements before it, which would
// decide the figures more than the program does (its load ranged from 1.2 to 2.8 times its floor
// with the order of the measurements).
void measureWorst(Report& report, const QString& prefix, const QString& appDir)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kLargestInputFlag), prefix, appDir});
    if (!child.waitForFinished(kLargestInputTimeoutMs) ||
        child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        throw std::runtime_error("a largest input's child failed");
    report.add(child.readAllStandardOutput());
}

int runLargestInputChild(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    QCoreApplication app(argc, argv);
    Report report;
    try {
        measureWorstHere(report, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelvora_bench: %s\n", e.what());
        return 1;
    }
    const QByteArray json = report.toJson();
    return std::fwrite(json.constData(), 1, json.size(), stdout) == size_t(json.size()) ? 0 : 1;
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

// The start-ups: the empty register, the full one and the largest inputs (prefixes), each of
// those held to the empty one and its load's floor; and their peak memory, at the first paint and
// from the start to the close, held to the text's size in memory.
void measureStartup(Report& report, const QString& empty, const QString& full,
                    const QList<std::pair<QString, QString>>& worst, const QString& settingsDir)
{
    QStringList dirs{empty, full};
    QList<int> rows{0, kFullRecords};
    for (const auto& [prefix, dir] : worst) {
        dirs.append(dir);
        rows.append(kFullRecords);
    }
    const QList<StartupProbe::Sample> samples =
        StartupProbe::measure(dirs, rows, settingsDir, kStartupRuns);
    report.set("startup_empty", samples[0].ms);
    report.set("startup_full", samples[1].ms);
    report.set("startup_ratio", (samples[1].ms - samples[0].ms) / report.value("load_floor"));
    report.set("rss_empty_mb", samples[0].rssMb);
    report.set("rss_full_mb", samples[1].rssMb);
    report.set("rss_full_closed_mb", samples[1].closedRssMb);
    for (qsizetype w = 0; w < worst.size(); ++w) {
        const QString& prefix = worst[w].first;
        const StartupProbe::Sample& sample = samples[w + 2];
        report.set(prefix + "startup", sample.ms);
        report.set(prefix + "startup_ratio",
                   (sample.ms - samples[0].ms) / report.value(prefix + "load_floor"));
        report.set(prefix + "rss_mb", sample.rssMb);
        report.set(prefix + "rss_closed_mb", sample.closedRssMb);
        report.set(prefix + "rss_ratio", sample.closedRssMb / report.value(prefix + "text_mb"));
    }
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
    const QList<std::pair<QString, QString>> worst{
        {QStringLiteral("long_"),
         makeAppDir(root, QStringLiteral("long"),
                    InteractionRegisters::longContents(kFullRecords, 4000, 5))},
        {QStringLiteral("huge_"),
         makeAppDir(root, QStringLiteral("huge"),
                    InteractionRegisters::oneBigContent(kFullRecords, kHugeContentLines))},
    };

    Report report;
    measureStore(report, full, small);
    for (const auto& [prefix, dir] : worst)
        measureWorst(report, prefix, dir);
    measureView(report, full, small, people);
    measureStartup(report, empty, full, worst, settingsDir.path());
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
    if (argc > 1 && std::strcmp(argv[1], kLargestInputFlag) == 0)
        return runLargestInputChild(argc, argv);

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
