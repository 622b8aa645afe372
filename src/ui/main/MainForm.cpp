#include "ui/main/MainForm.h"

#include "export/CsvExport.h"
#include "platform/DialogLayout.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Module1.h"
#include "platform/ScreenFit.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Twips.h"
#include "store/Amount.h"
#include "store/RecordVersions.h"
#include "ui/about/HelpCommands.h"
#include "ui/lists/SetForm.h"
#include "ui/main/FilterStrip.h"
#include "ui/main/RecordCellDelegate.h"
#include "ui/main/RecordCommands.h"
#include "ui/main/RecordListModel.h"
#include "ui/main/RecordListView.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include <algorithm>
#include <functional>

namespace {
// The designed client area holds the toolbar; the central widget starts below it.
constexpr int kToolbarTwips = 735;
constexpr int kListTopTwips = 1320;
constexpr int kDesignColumnWidths[] = {90, 50, 110, 100, 220, 50, 90, 90};
constexpr int kStoredColumns = 8;
constexpr int kMinimumWidth = 688;
constexpr int kMinimumHeight = 556;
constexpr int kWinStateNormal = 0;
constexpr int kWinStateMaximized = 2;

const QString kUpdatePage = QStringLiteral("https://kelvora.app/display.php?file=w06");

QRect central(int left, int top, int width, int height)
{
    return Twips::rect(left, top - kToolbarTwips, width, height);
}

QString twipsText(int pixels)
{
    return QString::number(Twips::fromPixels(pixels));
}

// A stored place on a screen that has gone since, or a size beyond the screens, brought within
// reach.
QRect fitToScreens(const QRect& outer)
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    return ScreenFit::fit(outer, areas, primary ? primary->availableGeometry() : QRect());
}
} // namespace

MainForm::MainForm(DataStore& store, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), store_(store), settings_(settings)
{
    // The icons live in the static library; naming them here keeps the linker from dropping them.
    Q_INIT_RESOURCE(resources);
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelvora.png")));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    buildMenus();
    buildToolbar();
    buildControls();
    resize(Twips::toPixels(10080), Twips::toPixels(7470) + menuBar()->sizeHint().height());
}

MainForm::~MainForm() = default;

void MainForm::buildMenus()
{
    struct Item
    {
        const char* name;
        QString caption; // empty for a separator
        std::function<void()> handler;
    };
    auto addMenu = [this](const char* name, const QString& caption, const QList<Item>& items) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        for (const Item& item : items) {
            QAction* action =
                item.caption.isEmpty() ? menu->addSeparator() : menu->addAction(item.caption);
            action->setObjectName(QString::fromLatin1(item.name));
            if (item.handler)
                connect(action, &QAction::triggered, this, item.handler);
        }
        return menu;
    };
    // "結束" ends the program through the same steps as closing the window.
    addMenu("Menu_Data", QStringLiteral("資料(&D)"),
            {{"Data_New", QStringLiteral("新增資料(&N)"), [this] { Data_New_Click(); }},
             {"Data_Del", QStringLiteral("刪除資料(&D)"), [this] { Data_Del_Click(); }},
             {"Line0", {}, {}},
             {"Data_Clear", QStringLiteral("清除已歸還資料(&C)"), [this] { Data_Clear_Click(); }},
             {"Date_Export", QStringLiteral("匯出(&E)"), [this] { Date_Export_Click(); }},
             {"Line1", {}, {}},
             {"Data_Quit", QStringLiteral("結束(&X)"), [this] { close(); }}});

    addMenu("Menu_Set", QStringLiteral("設定(&S)"),
            {{"Set_Type", QStringLiteral("分類選項(&T)"), [this] { Set_Type_Click(); }},
             {"Set_Affair", QStringLiteral("物品清單(&A)"), [this] { Set_Affair_Click(); }},
             {"Set_Borrower", QStringLiteral("借用人名單(&B)"), [this] { Set_Borrower_Click(); }}});

    QMenu* view = addMenu("Menu_View", QStringLiteral("檢視(&V)"), {});
    for (int size : FontSizes) {
        const QString two = QStringLiteral("%1").arg(size, 2, 10, QLatin1Char('0'));
        QAction* action = view->addAction(QStringLiteral("字型大小 ") + two);
        action->setObjectName(QStringLiteral("View_Font") + two);
        action->setCheckable(true);
        action->setChecked(size == 9);
        connect(action, &QAction::triggered, this, [this, size] { View_Font_Click(size); });
        fontActions_.append(action);
    }

    addMenu("Menu_Help", QStringLiteral("說明(&H)"),
            {{"Help_Help", QStringLiteral("使用說明(&H)"), [this] { Help_Help_Click(); }},
             {"Line2", {}, {}},
             {"Help_About", QStringLiteral("關於(&A)"), [this] { Help_About_Click(); }}});
}

void MainForm::buildToolbar()
{
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setFixedHeight(Twips::toPixels(kToolbarTwips));

    // ImageList1: the desktop theme's icon where there is one, else the one that ships with us.
    struct Button
    {
        QString text;
        const char* theme;
        const char* fallback;
    };
    const QList<Button> buttons{
        {},
        {QStringLiteral("新增資料"), "document-new", "new"},
        {QStringLiteral("刪除資料"), "edit-delete", "delete"},
        {},
        {QStringLiteral("分類選項"), "folder", "types"},
        {QStringLiteral("物品清單"), "view-list-details", "items"},
        {QStringLiteral("借用人"), "system-users", "borrowers"},
        {},
        {QStringLiteral("檢查更新"), "system-software-update", "update"},
    };
    int position = 0;
    for (const Button& b : buttons) {
        ++position;
        QAction* action;
        if (b.text.isEmpty()) {
            action = toolbar_->addSeparator();
        } else {
            QIcon icon = QIcon::fromTheme(QLatin1String(b.theme));
            // A theme may name an icon in a format this installation cannot draw.
            if (icon.pixmap(24, 24).isNull())
                icon = QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(b.fallback)));
            action = toolbar_->addAction(icon, b.text);
        }
        action->setObjectName(QStringLiteral("Toolbar1_Button%1").arg(position));
        connect(action, &QAction::triggered, this,
                [this, position] { Toolbar1_ButtonClick(position); });
        toolbarButtons_.append(action);
    }
}

void MainForm::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    strip_ = new FilterStrip(client);
    strip_->setObjectName(QStringLiteral("Picture1"));
    strip_->setGeometry(central(-30, 720, 10215, 795));

    auto* tile = new QLabel(client);
    tile->setObjectName(QStringLiteral("Picture2"));
    tile->setPixmap(FilterStrip::stripeTile());
    tile->hide();

    command1_ = DialogLayout::place<QPushButton>(strip_, "Command1", QStringLiteral("全選"), 120,
                                                 90, 855, 375);
    connect(command1_, &QPushButton::clicked, this, &MainForm::Command1_Click);

    line3_ = DialogLayout::line(strip_, "Line3", QColor(128, 128, 128), 0, 540, 10080);

    auto makeGroup = [](QWidget* parent, const char* name, const QStringList& captions, int top,
                        bool inStrip) {
        auto* group = new QButtonGroup(parent);
        group->setObjectName(QString::fromLatin1(name));
        const int lefts[] = {inStrip ? 4320 : 1320, inStrip ? 5280 : 2280, inStrip ? 6240 : 3240};
        for (int i = 0; i < 3; ++i) {
            const QByteArray button = name + QByteArray("_") + QByteArray::number(i);
            group->addButton(
                DialogLayout::place<QRadioButton>(parent, button.constData(), captions[i], lefts[i],
                                                  inStrip ? top : top - kToolbarTwips, 855, 375),
                i);
        }
        group->button(0)->setChecked(true);
        return group;
    };
    option2_ =
        makeGroup(strip_, "Option2", {Texts::All, Texts::NotReturned, Texts::Returned}, 90, true);
    option1_ =
        makeGroup(client, "Option1", {Texts::All, Texts::LentOut, Texts::BorrowedIn}, 840, false);
    connect(option1_, &QButtonGroup::idClicked, this, &MainForm::Option1_Click);
    connect(option2_, &QButtonGroup::idClicked, this, &MainForm::Option2_Click);

    combo1_ = new QComboBox(client);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(false);
    combo1_->setGeometry(central(7440, 870, 2535, 330));
    combo1_->setMaxVisibleItems(20);
    connect(combo1_, &QComboBox::activated, this, [this] { Combo1_Click(); });

    model_ = new RecordListModel(store_.records, this);
    listView_ = new RecordListView(client);
    listView_->setObjectName(QStringLiteral("ListView1"));
    listView_->setModel(model_);
    listView_->setItemDelegate(new RecordCellDelegate(listView_));
    listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView_->setShowGrid(false);
    listView_->setWordWrap(false);
    listView_->setAlternatingRowColors(false);
    listView_->verticalHeader()->hide();
    listView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    listView_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    listView_->horizontalHeader()->setStretchLastSection(false);
    for (int c = 0; c < kStoredColumns; ++c)
        listView_->setColumnWidth(c, kDesignColumnWidths[c]);
    listView_->setColumnHidden(RecordListModel::IndexColumn, true);
    // A double-click anywhere in a row, its check box too, edits that row.
    connect(listView_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        listView_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
        ListView1_DblClick();
    });

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    status_ = new QLabel(bar);
    status_->setObjectName(QStringLiteral("StatusBar1_Text"));
    bar->addWidget(status_, 1);

    setTabOrder(command1_, option1_->button(0));
    setTabOrder(option1_->button(0), option1_->button(1));
    setTabOrder(option1_->button(1), option1_->button(2));
    setTabOrder(option1_->button(2), option2_->button(0));
    setTabOrder(option2_->button(0), option2_->button(1));
    setTabOrder(option2_->button(1), option2_->button(2));
    setTabOrder(option2_->button(2), combo1_);
    setTabOrder(combo1_, listView_);
    layoutControls();
}

void MainForm::layoutControls()
{
    QWidget* client = centralWidget();
    const int w = client->width();
    const int h = client->height();
    const int listTop = Twips::toPixels(kListTopTwips - kToolbarTwips);
    listView_->setGeometry(0, listTop, w, std::max(0, h - listTop));
    strip_->resize(w + 1, strip_->height());
    line3_->setGeometry(0, Twips::toPixels(540), std::max(0, w), 1);
    combo1_->move(w - combo1_->width(), combo1_->y());
    strip_->lower();
}

bool MainForm::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (isVisible() && !isMaximized() && !isFullScreen() &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
         event->type() == QEvent::Show)) {
        const QSize frame = frameGeometry().size() - size();
        if (!frame.isEmpty())
            followFrame(frame);
    }
    return handled;
}

// The least size and the stored size are the window's outer ones, but the window system sizes
// the inside; the frame's size is known only once the window is shown.
void MainForm::followFrame(const QSize& frame)
{
    setMinimumSize(QSize(kMinimumWidth, kMinimumHeight) - frame);
    if (pendingOuterSize_) {
        resize(*pendingOuterSize_ - frame);
        pendingOuterSize_.reset();
    }
}

QMenu* MainForm::createPopupMenu()
{
    return nullptr; // the toolbar is always shown: no menu to hide it
}

void MainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!isMinimized())
        layoutControls();
}

// ---- start-up ----------------------------------------------------------------------------

void MainForm::Form_Load()
{
    FlattenListHeader(listView_);
    restoreWindow();

    // The list font: a stored size outside the menu's sizes is not one the program wrote.
    const int font = settings_.wholeNumber(QStringLiteral("Font"), 9, 16).value_or(9);
    View_Font_Click(font);

    QList<FileProblem> problems = store_.MainDataInit();
    problems += store_.loadList(store_.TypeList, DataStore::TypeFileName);
    TypeDataInit();
    problems += store_.loadList(store_.AffairList, DataStore::AffairFileName);
    problems += store_.loadList(store_.BorrowerList, DataStore::BorrowerFileName);
    report(problems);
}

void MainForm::restoreWindow()
{
    for (int n = 1; n <= kStoredColumns; ++n) {
        const auto twips = settings_.number(QStringLiteral("LW%1").arg(n), 0, 1e6);
        if (twips)
            listView_->setColumnWidth(n - 1, static_cast<int>(*twips / Twips::PerPixel));
    }
    const int state = settings_.wholeNumber(QStringLiteral("WinState"), 0, 2).value_or(2);
    if (state == kWinStateNormal) {
        QRect frame = frameGeometry();
        const auto left = settings_.number(QStringLiteral("Left"), -1e6, 1e6);
        const auto top = settings_.number(QStringLiteral("Top"), -1e6, 1e6);
        const auto width = settings_.number(QStringLiteral("Width"), 0, 1e6);
        const auto height = settings_.number(QStringLiteral("Height"), 0, 1e6);
        if (left)
            frame.moveLeft(static_cast<int>(*left / Twips::PerPixel));
        if (top)
            frame.moveTop(static_cast<int>(*top / Twips::PerPixel));
        if (width)
            frame.setWidth(static_cast<int>(*width / Twips::PerPixel));
        if (height)
            frame.setHeight(static_cast<int>(*height / Twips::PerPixel));
        frame = fitToScreens(frame);
        move(frame.topLeft());
        resize(frame.size());
        // The stored size is the outer one; the frame's size is known only once it is shown.
        pendingOuterSize_ = frame.size();
        setWindowState(Qt::WindowNoState);
    } else {
        // Any state but normal that the program did not write opens maximized, as a first run.
        setWindowState(Qt::WindowMaximized);
    }
}

void MainForm::TypeDataInit()
{
    fillCategoryFilter();
    const int categories = combo1_->count();
    // The option buttons' handlers would each fill the list only for the category filter's to
    // fill it again before the window is shown: the last fill alone is the one that counts.
    option1_->button(settings_.wholeNumber(QStringLiteral("Option1"), 0, 2).value_or(0))
        ->setChecked(true);
    option2_->button(settings_.wholeNumber(QStringLiteral("Option2"), 0, 2).value_or(0))
        ->setChecked(true);
    selectCategoryFilter(
        settings_.wholeNumber(QStringLiteral("Combo1"), 0, categories - 1).value_or(0));
}

void MainForm::fillCategoryFilter()
{
    combo1_->clear();
    QStringList entries{Texts::All};
    entries += store_.TypeList.names();
    entries += Texts::Uncategorised;
    combo1_->addItems(entries);
}

namespace {
// "11、20、35", or the first ten and "等 N" for more.
QString lineList(const QList<qsizetype>& lines)
{
    constexpr qsizetype kShown = 10;
    QStringList shown;
    for (qsizetype i = 0; i < std::min(lines.size(), kShown); ++i)
        shown.append(QString::number(lines[i]));
    QString text = shown.join(QStringLiteral("、"));
    if (lines.size() > kShown)
        text += QStringLiteral(" 等 %1").arg(lines.size());
    return text;
}

QString problemText(const FileProblem& p)
{
    switch (p.kind) {
    case FileProblem::Kind::Unreadable:
        return QStringLiteral("無法讀取檔案 "
                              "%1（%2）。\n程式以空白的資料開始；這個檔案不會被覆寫，除非您同意。")
            .arg(p.file, p.reason);
    case FileProblem::Kind::Undecodable:
        return QStringLiteral("檔案 %1 含有無法辨識的文字，這些字元已以「\uFFFD」顯示。")
            .arg(p.file);
    case FileProblem::Kind::Damaged:
        return QStringLiteral("檔案 %1 第 %2 行的格式有誤，已盡量讀入；其他的資料不受影響。")
            .arg(p.file, lineList(p.lines));
    case FileProblem::Kind::TooMany:
        return QStringLiteral("檔案 %1 的資料超過程式能容納的筆數，只載入了前面的部分。")
            .arg(p.file);
    case FileProblem::Kind::NotConverted:
        return QStringLiteral(
                   "無法建立 %1（%2），舊版資料沒有轉換；資料仍保留在程式中，結束時會再儲存一次。")
            .arg(p.file, p.reason);
    }
    return {};
}
} // namespace

// One message for each file, naming its copy once.
void MainForm::report(const QList<FileProblem>& problems)
{
    for (qsizetype i = 0; i < problems.size();) {
        const FileProblem& first = problems[i];
        QStringList texts;
        for (; i < problems.size() && problems[i].file == first.file; ++i)
            texts.append(problemText(problems[i]));
        QString text = texts.join(u'\n');
        if (!first.copy.isEmpty())
            text += QStringLiteral("\n原來的檔案已另存為 %1。").arg(first.copy);
        else if (!first.copyError.isEmpty())
            text += QStringLiteral("\n無法另存原來的檔案（%1）；這個檔案不會被覆寫，除非您同意。")
                        .arg(first.copyError);
        MessageBox::warning(this, text);
    }
}

QString MainForm::protectionText(const QString& file, DataStore::Protection protection)
{
    if (protection == DataStore::Protection::Unreadable)
        return QStringLiteral("啟動時無法讀取 %1。").arg(file);
    return QStringLiteral("啟動時 %1 的內容有問題，而且無法另存原來的檔案。").arg(file);
}

// ---- the record list -----------------------------------------------------------------------

void MainForm::MainDataShow()
{
    const RecordTable& table = store_.records;
    const QString category = combo1_->currentText();
    const bool allCategories = category == Texts::All;
    const int direction = directionFilter();
    const int status = statusFilter();
    double lentOut = 0;
    double borrowedIn = 0;
    QList<int> rows;
    rows.reserve(table.count());
    for (int i = 1; i < table.RecordNext(); ++i) {
        const LoanRecord& r = table[i];
        if (!allCategories && r.Category != category)
            continue;
        if ((direction == 1 && r.Direction != Texts::LentOut) ||
            (direction == 2 && r.Direction != Texts::BorrowedIn))
            continue;
        const bool outstanding = r.Status == Texts::NotReturned;
        if ((status == 1 && !outstanding) || (status == 2 && outstanding))
            continue;
        rows.append(i);
        if (outstanding && r.Direction == Texts::LentOut)
            lentOut += Amount::fromText(r.Amount);
        else if (outstanding && r.Direction == Texts::BorrowedIn)
            borrowedIn += Amount::fromText(r.Amount);
    }
    model_->setRows(std::move(rows));
    command1_->setText(QStringLiteral("全選"));

    QString text = QStringLiteral(" 共 %1 筆資料").arg(model_->rowCount());
    if (status != 2) {
        if (direction == 0 || direction == 1)
            text += QStringLiteral("，借出未歸還金額: ") + Amount::toText(lentOut);
        if (direction == 0 || direction == 2)
            text += QStringLiteral("，借入未歸還金額: ") + Amount::toText(borrowedIn);
    }
    status_->setText(text);
}

void MainForm::Combo1_Click()
{
    MainDataShow();
    if (model_->rowCount() > 0)
        selectRow(model_->rowCount() - 1);
}

void MainForm::Option1_Click(int)
{
    Combo1_Click();
}

void MainForm::Option2_Click(int)
{
    Combo1_Click();
}

void MainForm::Command1_Click()
{
    if (command1_->text() == QStringLiteral("全選")) {
        model_->setAllChecked(true);
        if (model_->rowCount() > 0)
            command1_->setText(QStringLiteral("取消"));
    } else {
        model_->setAllChecked(false);
        command1_->setText(QStringLiteral("全選"));
    }
}

void MainForm::selectDirectionFilter(int index)
{
    option1_->button(index)->setChecked(true);
    Option1_Click(index);
}

void MainForm::selectStatusFilter(int index)
{
    option2_->button(index)->setChecked(true);
    Option2_Click(index);
}

void MainForm::selectCategoryFilter(int index)
{
    combo1_->setCurrentIndex(index);
    Combo1_Click();
}

void MainForm::setCategoryFilterText(const QString& text)
{
    selectCategoryFilter(
        std::max(0, combo1_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive)));
}

QString MainForm::categoryFilterText() const
{
    return combo1_->currentText();
}

int MainForm::directionFilter() const
{
    return option1_->checkedId();
}

int MainForm::statusFilter() const
{
    return option2_->checkedId();
}

void MainForm::selectRow(int row)
{
    const QModelIndex index = model_->index(row, 0);
    listView_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    listView_->scrollTo(index);
}

QString MainForm::statusText() const
{
    return status_->text();
}

// ---- commands ------------------------------------------------------------------------------

void MainForm::Data_New_Click()
{
    RecordCommands::Data_New_Click(*this);
}

void MainForm::ListView1_DblClick()
{
    RecordCommands::ListView1_DblClick(*this);
}

void MainForm::Data_Del_Click()
{
    RecordCommands::Data_Del_Click(*this);
}

void MainForm::Data_Clear_Click()
{
    RecordCommands::Data_Clear_Click(*this);
}

void MainForm::Date_Export_Click()
{
    CsvExport::Date_Export_Click(*this);
}

void MainForm::Set_Type_Click()
{
    openListEditor(ListMode::categories());
}

void MainForm::Set_Affair_Click()
{
    openListEditor(ListMode::items());
}

void MainForm::Set_Borrower_Click()
{
    openListEditor(ListMode::borrowers());
}

void MainForm::openListEditor(const ListMode& mode)
{
    SetForm form(*this, mode);
    listEditor_ = &form;
    Modal::exec(form);
    listEditor_ = nullptr;
}

QAction* MainForm::fontAction(int size) const
{
    return fontActions_.value(size - FontSizes[0], nullptr);
}

void MainForm::setViewFontState()
{
    for (QAction* action : fontActions_)
        action->setChecked(false);
}

void MainForm::View_Font_Click(int size)
{
    QAction* item = fontAction(size);
    if (!item)
        return; // only the menu's sizes are commands
    setViewFontState();
    item->setChecked(true);
    QFont font = listView_->font();
    font.setPointSize(size);
    listView_->setFont(font);
    settings_.setValue(QStringLiteral("Font"), QString::number(size));
    settings_.sync();
}

void MainForm::Help_Help_Click()
{
    HelpCommands::Help_Help_Click(*this);
}

void MainForm::Help_About_Click()
{
    HelpCommands::Help_About_Click(*this);
}

void MainForm::Toolbar1_ButtonClick(int position)
{
    switch (position) {
    case 2:
        Data_New_Click();
        break;
    case 3:
        Data_Del_Click();
        break;
    case 5:
        Set_Type_Click();
        break;
    case 6:
        Set_Affair_Click();
        break;
    case 7:
        Set_Borrower_Click();
        break;
    case 9:
        Shell::open(this, kUpdatePage, Shell::Show);
        break;
    default:
        break; // separators
    }
}

// ---- shut-down -----------------------------------------------------------------------------

bool MainForm::writeRecordFile()
{
    const QString file = store_.path(DataStore::RecordFileName);
    const DataStore::Protection legacy = store_.protection(DataStore::LegacyFileName);
    const DataStore::Protection current = store_.protection(DataStore::RecordFileName);
    if (legacy != DataStore::Protection::None) {
        // A record file would end the legacy file's conversion for good.
        if (store_.records.count() == 0 ||
            !MessageBox::confirm(
                this,
                QStringLiteral(
                    "啟動時無法讀取舊版資料檔 %1，它沒有轉換。\n\n是：把目前的資料儲存到 "
                    "%2，以後不再轉換 %1。\n否：這次的變更不會儲存；下次啟動時會再轉換 "
                    "%1。")
                    .arg(store_.path(DataStore::LegacyFileName), file),
                MessageBox::WarningTitle, MessageBox::No))
            return true;
    } else if (current != DataStore::Protection::None) {
        if (!MessageBox::confirm(this,
                                 protectionText(file, current) +
                                     QStringLiteral("\n要用目前的資料覆寫這個檔案嗎？選「否」則保留"
                                                    "原檔案，這次的變更不會儲存。"),
                                 MessageBox::WarningTitle, MessageBox::No))
            return true;
    } else if (!keepOutsideVersion(file)) {
        return true;
    }
    QString error;
    while (!store_.MainDataClose(&error)) {
        const MessageBox::Button answer = MessageBox::show(
            this,
            QStringLiteral("無法寫入 "
                           "%1（%"
                           "2）。\n原來的檔案沒有改變。\n\n重試：再試一次寫入。\n不儲存：結束程式，"
                           "這次的變更不會儲存。\n取消：回到程式，資料都還在。")
                .arg(file, error),
            MessageBox::WarningTitle, MessageBox::Exclamation,
            MessageBox::Retry | MessageBox::Discard | MessageBox::Cancel, MessageBox::Retry);
        if (answer == MessageBox::Discard)
            return true;
        if (answer != MessageBox::Retry)
            return false;
    }
    if (!store_.versionError().isEmpty()) {
        MessageBox::warning(
            this, QStringLiteral("資料已經儲存，但無法在 %1 保留上一版的記錄檔（%2）。")
                      .arg(store_.path(RecordVersions::FolderName), store_.versionError()));
    }
    return true;
}

// Another copy of the program, or another program, may have written the record file meanwhile:
// that version is kept beside it before it is written over. False to leave the file as it is.
bool MainForm::keepOutsideVersion(const QString& file)
{
    const OutsideVersion outside = store_.keepOutsideVersion();
    if (!outside.found)
        return true;
    if (!outside.copy.isEmpty()) {
        MessageBox::warning(this,
                            QStringLiteral("%1 在程式執行期間被其他程式改過。\n那個版本已另存為 "
                                           "%2；現在會以程式中的資料覆寫這個檔案。")
                                .arg(file, outside.copy));
        return true;
    }
    return MessageBox::confirm(
        this,
        QStringLiteral("%1 在程式執行期間被其他程式改過，但無法另存那個版本（%2）。\n要用目前的資料"
                       "覆寫這個檔案嗎？選「否」則保留那個版本，這次的變更不會儲存。")
            .arg(file, outside.copyError),
        MessageBox::WarningTitle, MessageBox::No);
}

void MainForm::saveSettings()
{
    for (int n = 1; n <= kStoredColumns; ++n)
        settings_.setValue(QStringLiteral("LW%1").arg(n), twipsText(listView_->columnWidth(n - 1)));
    if (!isMinimized()) {
        const bool maximized = isMaximized();
        settings_.setValue(QStringLiteral("WinState"),
                           QString::number(maximized ? kWinStateMaximized : kWinStateNormal));
        if (!maximized && !isFullScreen()) {
            const QRect frame = frameGeometry();
            settings_.setValue(QStringLiteral("Left"), twipsText(frame.left()));
            settings_.setValue(QStringLiteral("Top"), twipsText(frame.top()));
            settings_.setValue(QStringLiteral("Width"), twipsText(frame.width()));
            settings_.setValue(QStringLiteral("Height"), twipsText(frame.height()));
        }
    }
    settings_.setValue(QStringLiteral("Option1"), QString::number(directionFilter()));
    settings_.setValue(QStringLiteral("Option2"), QString::number(statusFilter()));
    settings_.setValue(QStringLiteral("Combo1"), QString::number(combo1_->currentIndex()));
    // Told once, here: the font size is stored at every change, and would fail as often.
    if (!settings_.sync()) {
        MessageBox::warning(this,
                            QStringLiteral("無法儲存設定到 %1。\n下次開啟時，視窗的大小與位置、"
                                           "欄寬、字型大小和篩選條件會是預設值。")
                                .arg(settings_.fileName()));
    }
}

bool MainForm::Data_Quit_Click()
{
    if (shutDown_)
        return true;
    // Ended while a list editor is open: its edits are kept as "完成" keeps them. The records
    // already carry its category renames, so its list must reach its file too.
    if (listEditor_)
        listEditor_->Command1_Click();
    if (!writeRecordFile())
        return false;
    saveSettings();
    shutDown_ = true;
    QCoreApplication::exit(0);
    return true;
}

void MainForm::closeEvent(QCloseEvent* event)
{
    if (Data_Quit_Click())
        event->accept();
    else
        event->ignore();
}
