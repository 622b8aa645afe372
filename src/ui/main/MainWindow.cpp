#include "ui/main/MainWindow.h"

#include "Product.h"
#include "store/DataStore.h"
#include "ui/ControlNames.h"
#include "ui/about/HelpCommands.h"
#include "ui/lists/ListMode.h"
#include "ui/main/DataFileSaver.h"
#include "ui/main/ListCommands.h"
#include "ui/main/LoadProblems.h"
#include "ui/main/MainMenus.h"
#include "ui/main/RecordCommands.h"
#include "ui/main/RecordListPanel.h"
#include "ui/main/WindowSettings.h"
#include "ui/people/PeopleWindow.h"
#include "ui/records/RecordListModel.h"
#include "ui/widgets/ListHeader.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"
#include "ui/widgets/ProgramIcon.h"
#include "ui/widgets/Shell.h"
#include "ui/widgets/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTableView>

MainWindow::MainWindow(DataStore& store, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), store_(store)
{
    // The icons live in the static library; naming them here keeps the linker from dropping them.
    Q_INIT_RESOURCE(resources);
    setObjectName(QLatin1String(MainWindowControls::window));
    setWindowTitle(Product::Caption);
    setWindowIcon(ProgramIcon::icon());

    menus_ = new MainMenus(this);
    model_ = new RecordListModel(store_.recordRegister(), this);
    panel_ = new RecordListPanel(model_, this);
    setCentralWidget(panel_);
    QStatusBar* bar = statusBar();
    bar->setObjectName(QLatin1String(MainWindowControls::statusBar));
    bar->setSizeGripEnabled(true);
    summary_ = new QLabel(bar);
    summary_->setObjectName(QLatin1String(MainWindowControls::summary));
    bar->addWidget(summary_, 1);
    overdue_ = new QLabel(bar);
    overdue_->setObjectName(QLatin1String(MainWindowControls::overdueCount));
    bar->addPermanentWidget(overdue_);
    settings_ = std::make_unique<WindowSettings>(*this, *panel_->list(), settings);
    records_ = new RecordCommands(store_, *panel_, *model_, this);
    lists_ = new ListCommands(store_, *panel_, this);
    connectCommands();
    resize(Twips::toPixels(10080), Twips::toPixels(7470) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands()
{
    connect(menus_, &MainMenus::newRecord, records_, &RecordCommands::newRecord);
    connect(menus_, &MainMenus::deleteTicked, records_, &RecordCommands::deleteTicked);
    connect(menus_, &MainMenus::clearReturned, records_, &RecordCommands::clearReturned);
    connect(menus_, &MainMenus::exportShown, records_, &RecordCommands::exportShown);
    connect(panel_, &RecordListPanel::rowActivated, records_, &RecordCommands::editSelected);
    // "結束" ends the program through the same steps as closing the window.
    connect(menus_, &MainMenus::quit, this, &MainWindow::close);
    connect(menus_, &MainMenus::editCategories, this,
            [this] { lists_->edit(ListMode::categories()); });
    connect(menus_, &MainMenus::editItems, this, [this] { lists_->edit(ListMode::items()); });
    connect(menus_, &MainMenus::editBorrowers, this,
            [this] { lists_->edit(ListMode::borrowers()); });
    connect(menus_, &MainMenus::fontSizeChosen, this, &MainWindow::setListFont);
    connect(menus_, &MainMenus::showPeople, this, [this] {
        PeopleWindow people(store_.recordRegister(), QDate::currentDate(), panel_->list()->font(),
                            this);
        Modal::exec(people);
    });
    connect(menus_, &MainMenus::showHelp, this,
            [this] { HelpCommands::openHelpPage(store_.folder()); });
    connect(menus_, &MainMenus::showAbout, this, [this] { HelpCommands::showAbout(this); });
    connect(menus_, &MainMenus::checkForUpdates, this,
            [this] { Shell::open(Product::UpdatePage); });

    // The status bar's totals follow the list's rebuilds, not the records added between them.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        summary_->setText(model_->summary());
        overdue_->setText(model_->overdueText());
    });
}

void MainWindow::load()
{
    FlattenListHeader(panel_->list());
    settings_->restoreWindow();
    setListFont(settings_->fontSize());

    // The category filter and the other filters as stored first, so that the records loaded show
    // under them.
    const QList<FileProblem> categoryProblems =
        store_.loadList(store_.lists().categories, DataFiles::Categories);
    panel_->setCategories(store_.lists().categories.names());
    const WindowSettings::Filters filters = settings_->filters(panel_->categoryCount());
    panel_->restoreFilters(filters.direction, filters.status, filters.category);
    QList<FileProblem> problems = store_.loadRecords();
    problems += categoryProblems;
    problems += store_.loadList(store_.lists().items, DataFiles::Items);
    problems += store_.loadList(store_.lists().borrowers, DataFiles::Borrowers);
    LoadProblems::report(this, problems);
    if (const QString notice = settings_->startNotice(); !notice.isEmpty() && !shutDown_)
        MessageBox::warning(this, notice);
}

void MainWindow::setListFont(int size)
{
    menus_->tickFontSize(size);
    QFont font = panel_->list()->font();
    font.setPointSize(size);
    panel_->list()->setFont(font);
    settings_->storeFontSize(size);
}

QMenu* MainWindow::createPopupMenu()
{
    return nullptr; // the toolbar is always shown: no menu to hide it
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (settings_)
        settings_->windowEvent(event);
    return handled;
}

bool MainWindow::shutDown()
{
    // A second request (the session ending while a question of the close is open) waits for it.
    if (shutDown_ || shuttingDown_)
        return shutDown_;
    const QScopedValueRollback<bool> busy(shuttingDown_, true);
    QStringList notices = lists_->finishOpenEditor();
    const bool written = DataFileSaver::saveRecordFile(this, store_, notices);
    if (written) {
        notices.append(settings_->save(
            {panel_->directionIndex(), panel_->statusIndex(), panel_->categoryIndex()}));
        shutDown_ = true;
    }
    for (const QString& notice : notices) {
        if (notice.isEmpty())
            continue;
        // Nothing is lost by them: they never hold up the end of a session.
        if (endedBySession_)
            qWarning("%s", qUtf8Printable(notice));
        else
            MessageBox::warning(this, notice);
    }
    if (written)
        QCoreApplication::exit(0);
    return written;
}

void MainWindow::endBySession()
{
    endedBySession_ = true;
    // A question that guards the files is still asked, but not for ever: unanswered, it keeps
    // the file on disk as it is.
    MessageBox::setTimeLimit(kSessionAnswerTime);
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (shutDown())
        event->accept();
    else
        event->ignore();
}
