#include "ui/main/MainWindow.h"

#include "Product.h"
#include "platform/ListHeader.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/ProgramIcon.h"
#include "platform/Shell.h"
#include "platform/Twips.h"
#include "store/DataStore.h"
#include "ui/about/HelpCommands.h"
#include "ui/lists/ListMode.h"
#include "ui/main/FileMessages.h"
#include "ui/main/ListCommands.h"
#include "ui/main/MainMenus.h"
#include "ui/main/RecordCommands.h"
#include "ui/main/RecordListModel.h"
#include "ui/main/RecordListPanel.h"
#include "ui/main/WindowSettings.h"
#include "ui/people/PeopleWindow.h"

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
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Product::Caption);
    setWindowIcon(ProgramIcon::icon());

    menus_ = new MainMenus(this);
    model_ = new RecordListModel(store_.recordRegister, this);
    panel_ = new RecordListPanel(model_, this);
    setCentralWidget(panel_);
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    summary_ = new QLabel(bar);
    summary_->setObjectName(QStringLiteral("StatusBar1_Text"));
    bar->addWidget(summary_, 1);
    overdue_ = new QLabel(bar);
    overdue_->setObjectName(QStringLiteral("StatusBar1_Overdue"));
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
        PeopleWindow people(store_.recordRegister, QDate::currentDate(), panel_->list()->font(),
                            this);
        Modal::exec(people);
    });
    connect(menus_, &MainMenus::showHelp, this,
            [this] { HelpCommands::openHelpPage(this, store_.AppDir()); });
    connect(menus_, &MainMenus::showAbout, this, [this] { HelpCommands::showAbout(this); });
    connect(menus_, &MainMenus::checkForUpdates, this,
            [this] { Shell::open(this, Product::UpdatePage, Shell::Show); });

    connect(panel_, &RecordListPanel::filterChanged, this, &MainWindow::showRecords);
    // Slots have moved: the list is shown anew. Before the category filter is filled at start-up
    // there is nothing to show yet; filling it shows the records.
    connect(&store_.recordRegister, &RecordRegister::recordsRemoved, this,
            &MainWindow::showRecords);
    connect(&store_.recordRegister, &RecordRegister::recordsReloaded, this, [this] {
        if (panel_->categoryCount() > 0)
            showRecords();
    });
}

void MainWindow::load()
{
    FlattenListHeader(panel_->list());
    settings_->restoreWindow();
    setListFont(settings_->fontSize());

    QList<FileProblem> problems = store_.MainDataInit();
    problems += store_.loadList(store_.TypeList, DataStore::TypeFileName);
    // The filters restored; choosing the category shows the records for the first time.
    panel_->setCategories(store_.TypeList.names());
    const WindowSettings::Filters filters = settings_->filters(panel_->categoryCount());
    panel_->restoreFilters(filters.direction, filters.status, filters.category);
    problems += store_.loadList(store_.AffairList, DataStore::AffairFileName);
    problems += store_.loadList(store_.BorrowerList, DataStore::BorrowerFileName);
    FileMessages::report(this, problems);
    if (const QString notice = settings_->startNotice(); !notice.isEmpty() && !shutDown_)
        MessageBox::warning(this, notice);
}

void MainWindow::MainDataShow()
{
    const RecordFilter filter = panel_->filter();
    const ShownRecords shown = filter.apply(store_.records);
    model_->setRows(shown.recordSlots);
    summary_->setText(filter.summary(shown));
    overdue_->setText(RecordFilter::overdueText(shown));
}

void MainWindow::showRecords()
{
    MainDataShow();
    if (model_->rowCount() > 0)
        panel_->selectRow(model_->rowCount() - 1);
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
    const bool written = FileMessages::writeRecordFile(this, store_, notices);
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
