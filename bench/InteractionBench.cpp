#include "InteractionBench.h"

#include "InteractionRegisters.h"
#include "Median.h"
#include "PaintWatch.h"
#include "Report.h"
#include "store/DataStore.h"
#include "system/SettingsStore.h"
#include "ui/ControlNames.h"
#include "ui/editor/ContentBox.h"
#include "ui/main/MainWindow.h"
#include "ui/people/PeopleModel.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHelpEvent>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 10000;
constexpr int kContentColumn = 4;
constexpr int kLargeFontSize = 16;
constexpr int kNativeTimeoutMs = 5 * 60 * 1000;
constexpr int kCallgrindTimeoutMs = 30 * 60 * 1000;
// 100 ms at 3 × 10⁹ instructions a second, the low end of the development machine.
constexpr double kLimitMs = 100;
constexpr double kLimitMillionInstructions = 300;

// The worst inputs: (b) every content long, (c) and (d) one content of 1 MB and of 50 MB (the
// last record, which the list shows after the start), (e) the typical register with its reference
// lists full, beside which the others are read.
struct Register
{
    const char* name;
    std::function<QList<LoanRecord>()> records;
    bool fullLists;
};

const QList<Register>& registers()
{
    static const QList<Register> list{
        {"b", [] { return InteractionRegisters::longContents(kRecords, 4000, 5); }, false},
        {"c", [] { return InteractionRegisters::oneBigContent(kRecords, 10000); }, false},
        {"d", [] { return InteractionRegisters::oneBigContent(kRecords, 500000); }, false},
        {"e", [] { return InteractionRegisters::typical(kRecords); }, true},
    };
    return list;
}

// The typical register's cells fit, so hovering shows no tooltip there; its item list is the one
// full enough for the pick dialog.
bool isTypical(const QString& registerName)
{
    return registerName == QLatin1String("e");
}

// The interactions timed on a register, in the order a child works them.
QStringList interactionsOf(const QString& registerName)
{
    QStringList names{QStringLiteral("editor_open"), QStringLiteral("editor_ok"),
                      QStringLiteral("editor_key"), QStringLiteral("person"),
                      QStringLiteral("font")};
    if (isTypical(registerName))
        names.append(QStringLiteral("pick"));
    else
        names.prepend(QStringLiteral("hover"));
    return names;
}

// Timed by the wall clock only: the time the content box takes to fill after its first paint,
// and the longest turn of the event loop meanwhile.
constexpr char kFill[] = "editor_fill";
constexpr char kFillStep[] = "editor_fill_step";

QStringList wallTimedOf(const QString& registerName)
{
    QStringList names = interactionsOf(registerName);
    if (!isTypical(registerName))
        names += {QLatin1String(kFill), QLatin1String(kFillStep)};
    return names;
}

void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Times one interaction at a time: the wall clock, and under callgrind the instructions, dumped
// under the interaction's name. Outside valgrind the client requests do nothing.
class Stopwatch
{
public:
    void start()
    {
        CALLGRIND_START_INSTRUMENTATION;
        CALLGRIND_TOGGLE_COLLECT;
        start_ = Clock::now();
    }

    void stop(const char* name)
    {
        const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start_;
        CALLGRIND_TOGGLE_COLLECT;
        CALLGRIND_DUMP_STATS_AT(name);
        CALLGRIND_STOP_INSTRUMENTATION;
        std::printf("%s %.3f\n", name, elapsed.count());
        std::fflush(stdout);
    }

private:
    Clock::time_point start_;
};

// The main window over a register, started and shown as the program does, worked by the input
// a person gives.
class Session
{
public:
    explicit Session(const QString& appDir) : store_(appDir), window_(store_, settings_)
    {
        window_.load();
        window_.show();
        list_ = window_.findChild<QTableView*>(QLatin1String(MainWindowControls::recordList));
        listPaints_ = new PaintWatch(list_->viewport());
        listPaints_->paintSettled();
        require(list_->model()->rowCount() == kRecords, "the list does not show the register");
    }

    // Hovering over the last record's content, until its tooltip has been painted.
    void hover()
    {
        const QPoint centre = cellCentre(kRecords - 1, kContentColumn);
        QHelpEvent tip(QEvent::ToolTip, centre, list_->viewport()->mapToGlobal(centre));
        watch_.start();
        QCoreApplication::sendEvent(list_->viewport(), &tip);
        QWidget* label = shownTip();
        require(label, "hovering over the long content showed no tooltip");
        (new PaintWatch(label))->paintSettled();
        watch_.stop("hover");
        QToolTip::hideText();
        settle();
    }

    // The editor opened on the last record by a double-click, until its content box has painted
    // for the first time; then its OK button pressed at once, nothing changed, until the list has
    // painted the stored record.
    void editLastRecord()
    {
        const LoanRecord before = store_.records()[kRecords];
        const QPoint centre = cellCentre(kRecords - 1, kContentColumn);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, centre);
        settle();
        bool opened = false;
        Modal::setNextHandler([&](QDialog& editor) {
            auto* box =
                editor.findChild<ContentBox*>(QLatin1String(RecordEditorControls::contentBox));
            (new PaintWatch(box->viewport()))->firstPaint();
            watch_.stop("editor_open");
            opened = true;
            watch_.start();
            QTest::mouseClick(
                editor.findChild<QPushButton*>(QLatin1String(RecordEditorControls::okButton)),
                Qt::LeftButton);
        });
        watch_.start();
        QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, centre);
        listPaints_->paintSettled();
        watch_.stop("editor_ok");
        require(opened, "the double-click opened no editor");
        require(store_.records()[kRecords] == before, "the unchanged record changed");
    }

    // The editor opened on the last record again and its content box left to fill, timing that
    // and the longest turn of the event loop meanwhile; then a key typed into the box, until it has
    // painted. The editor is cancelled.
    void typeIntoLastRecord()
    {
        bool opened = false;
        Modal::setNextHandler([&](QDialog& editor) {
            auto* box =
                editor.findChild<ContentBox*>(QLatin1String(RecordEditorControls::contentBox));
            auto* paints = new PaintWatch(box->viewport());
            paints->firstPaint();
            const Clock::time_point filling = Clock::now();
            std::chrono::duration<double, std::milli> longest{0};
            while (!box->isFilled()) {
                const Clock::time_point start = Clock::now();
                QCoreApplication::processEvents();
                longest = std::max<std::chrono::duration<double, std::milli>>(longest,
                                                                              Clock::now() - start);
            }
            const std::chrono::duration<double, std::milli> filled = Clock::now() - filling;
            std::printf("%s %.3f\n%s %.3f\n", kFill, filled.count(), kFillStep, longest.count());
            paints->paintSettled();
            watch_.start();
            QTest::keyClick(box, Qt::Key_A);
            paints->paintSettled();
            watch_.stop("editor_key");
            opened = true;
        });
        const QPoint centre = cellCentre(kRecords - 1, kContentColumn);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, centre);
        settle();
        QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, centre);
        require(opened, "the double-click opened no editor");
    }

    // The records of the last record's borrower, as the summary per person opens them by Enter on
    // their row, until their list has painted.
    void personOfLastRecord()
    {
        const QString name = PeopleModel::shownName(store_.records()[kRecords].Borrower);
        int shown = 0;
        Modal::setNextHandler([&](QDialog& people) {
            QAbstractItemView* table = paintedView(people, PeopleWindowControls::list);
            const QModelIndexList rows = table->model()->match(
                table->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
            require(!rows.isEmpty(), "the summary does not show the last record's borrower");
            table->setCurrentIndex(rows.first());
            Modal::setNextHandler([&](QDialog& person) {
                QAbstractItemView* list = paintedView(person, PersonRecordsControls::list);
                watch_.stop("person");
                shown = list->model()->rowCount();
            });
            watch_.start();
            QTest::keyClick(table, Qt::Key_Return);
        });
        window_.findChild<QAction*>(MainMenuItems::people)->trigger();
        require(shown > 0, "the person's records are not shown");
    }

    // The list's font made larger from the menu, until the list has painted at the new size.
    void largerFont()
    {
        auto* action = window_.findChild<QAction*>(MainMenuItems::fontSize(kLargeFontSize));
        watch_.start();
        action->trigger();
        listPaints_->paintSettled();
        watch_.stop("font");
        require(list_->font().pointSize() == kLargeFontSize, "the font did not change");
    }

    // The item list's pick dialog opened from a new record's editor, until its list has painted.
    void pickItems()
    {
        int shown = 0;
        Modal::setNextHandler([&](QDialog& editor) {
            settle();
            Modal::setNextHandler([&](QDialog& picker) {
                QAbstractItemView* list = paintedView(picker, NamePickerControls::list);
                watch_.stop("pick");
                shown = list->model()->rowCount();
            });
            watch_.start();
            QTest::mouseClick(editor.findChild<QPushButton*>(
                                  QLatin1String(RecordEditorControls::pickItemsButton)),
                              Qt::LeftButton);
        });
        window_.findChild<QAction*>(MainMenuItems::newRecord)->trigger();
        require(shown == store_.lists().items.capacity(),
                "the pick dialog does not show every item");
    }

private:
    QPoint cellCentre(int row, int column) const
    {
        const QModelIndex index = list_->model()->index(row, column);
        list_->scrollTo(index);
        settle();
        return list_->visualRect(index).center();
    }

    // A dialog's list, once it has settled and painted.
    static QAbstractItemView* paintedView(const QDialog& dialog, const char* name)
    {
        auto* view = dialog.findChild<QAbstractItemView*>(QLatin1String(name));
        (new PaintWatch(view->viewport()))->paintSettled();
        return view;
    }

    static QWidget* shownTip()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->inherits("QTipLabel") && widget->isVisible())
                return widget;
        }
        return nullptr;
    }

    DataStore store_;
    SettingsStore settings_;
    MainWindow window_;
    QTableView* list_ = nullptr;
    PaintWatch* listPaints_ = nullptr; // owned by the list's viewport
    Stopwatch watch_;
};

using Samples = QMap<QString, std::vector<double>>;

QByteArray runChildProcess(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess child;
    child.start(program, arguments);
    if (!child.waitForFinished(timeoutMs) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        std::fprintf(stderr, "%s\n", child.readAllStandardError().constData());
        throw std::runtime_error("an interaction child failed");
    }
    return child.readAllStandardOutput();
}

QStringList childArguments(const QString& registerName, const QString& appDir)
{
    return {QString::fromLatin1(InteractionBench::Flag), registerName, appDir};
}

// "<name> <milliseconds>" lines of a child.
void addWallTimes(const QByteArray& output, Samples& samples)
{
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        bool ok = false;
        const double ms = parts.value(1).toDouble(&ok);
        if (parts.size() == 2 && ok)
            samples[QString::fromLatin1(parts[0])].push_back(ms);
    }
}

// The instructions of each interaction from callgrind's dumps, one file each, named by the
// trigger "Client Request: <name>".
QMap<QString, double> instructionCounts(const QString& outDir)
{
    QMap<QString, double> counts;
    const QDir dir(outDir);
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QString interaction;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("desc: Trigger: Client Request: "))
                interaction = QString::fromLatin1(line.mid(31).trimmed());
            else if (line.startsWith("totals: ") && !interaction.isEmpty())
                counts[interaction] = line.mid(8).trimmed().toDouble();
        }
    }
    return counts;
}

// The instructions of each interaction on a register, counted by a child under callgrind.
void countInstructions(Report& report, const QString& valgrind, const QString& name,
                       const QString& appDir)
{
    QTemporaryDir outDir;
    runChildProcess(valgrind,
                    QStringList{QStringLiteral("--tool=callgrind"),
                                QStringLiteral("--instr-atstart=no"),
                                QStringLiteral("--collect-atstart=no"),
                                QStringLiteral("--callgrind-out-file=") + outDir.path() +
                                    QStringLiteral("/callgrind.out"),
                                QCoreApplication::applicationFilePath()} +
                        childArguments(name, appDir),
                    kCallgrindTimeoutMs);
    const QMap<QString, double> counts = instructionCounts(outDir.path());
    for (const QString& interaction : interactionsOf(name)) {
        require(counts.contains(interaction), "callgrind counted no instructions");
        report.set(interaction + u'_' + name + QStringLiteral("_minstr"),
                   counts.value(interaction) / 1e6);
    }
}

std::optional<double> figure(const Report& report, const QString& key)
{
    try {
        return report.value(key);
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
}

} // namespace

namespace InteractionBench {

int runChild(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    // Settings of its own: the font chosen here must not carry over to the next child.
    QTemporaryDir settingsDir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsDir.path()));
    QApplication app(argc, argv);
    Fonts::install();
    Modal::setTestMode(true);
    MessageBox::setTestMode(true);
    try {
        Session session(QString::fromLocal8Bit(argv[3]));
        const bool typical = isTypical(QString::fromLatin1(argv[2]));
        if (!typical)
            session.hover();
        session.editLastRecord();
        session.typeIntoLastRecord();
        session.personOfLastRecord();
        session.largerFont();
        if (typical)
            session.pickItems();
        require(MessageBox::history().isEmpty(), "a message box was shown");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "interaction child: %s\n", e.what());
        return 1;
    }
    return 0;
}

void measure(Report& report, const QString& workDir, int runs)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty())
        std::printf("valgrind not found: the interactions are timed by the wall clock only\n");
    for (const Register& r : registers()) {
        const QString name = QString::fromLatin1(r.name);
        const QString appDir = workDir + QStringLiteral("/interactions-") + name;
        require(QDir().mkpath(appDir), "cannot make a program folder");
        InteractionRegisters::write(appDir, r.records(), r.fullLists);

        // One start first, to bring the files into the page cache.
        Samples samples;
        for (int run = 0; run <= runs; ++run) {
            const QByteArray output =
                runChildProcess(program, childArguments(name, appDir), kNativeTimeoutMs);
            if (run > 0)
                addWallTimes(output, samples);
        }
        for (const QString& interaction : wallTimedOf(name)) {
            require(samples.value(interaction).size() == static_cast<size_t>(runs),
                    "an interaction child did not time every interaction");
            report.set(interaction + u'_' + name, Median::of(samples.value(interaction)));
        }
        if (!valgrind.isEmpty())
            countInstructions(report, valgrind, name, appDir);
        QDir(appDir).removeRecursively();
    }
}

int printTargets(const Report& report)
{
    int missed = 0;
    for (const Register& r : registers()) {
        const QString name = QString::fromLatin1(r.name);
        for (const QString& interaction : interactionsOf(name)) {
            const QString key = interaction + u'_' + name;
            // Instructions where they were counted: they hold on a busy machine.
            const std::optional<double> instructions =
                figure(report, key + QStringLiteral("_minstr"));
            const QString rule =
                instructions
                    ? QStringLiteral("%1_minstr < %2").arg(key).arg(kLimitMillionInstructions)
                    : QStringLiteral("%1 < %2 ms").arg(key).arg(kLimitMs);
            const double measured = instructions ? *instructions : report.value(key);
            const double limit = instructions ? kLimitMillionInstructions : kLimitMs;
            const bool met = measured < limit;
            std::printf("%-38s %10.3f %10.3f  %s\n", qPrintable(rule), measured, limit,
                        met ? "PASS" : "MISS");
            missed += met ? 0 : 1;
        }
    }
    return missed;
}

} // namespace InteractionBench
