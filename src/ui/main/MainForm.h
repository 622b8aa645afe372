#pragma once

#include "store/DataStore.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;
class QToolBar;
class FilterStrip;
class RecordListModel;
class SetForm;
struct ListMode;
class SettingsStore;

// The main window: the record list with its filters and summary, the menus and the toolbar.
// The program starts by opening it and ends when it closes.
class MainForm : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int FontSizes[] = {9, 10, 11, 12, 13, 14, 15, 16};

    MainForm(DataStore& store, SettingsStore& settings, QWidget* parent = nullptr);
    ~MainForm() override;

    // Start-up: restores the settings, loads the data files and fills the list.
    void Form_Load();
    // Shut-down: writes the record file and the settings, once. False when the user chose to go
    // back to the program because the record file could not be written.
    bool Data_Quit_Click();
    bool hasShutDown() const { return shutDown_; }

    // The record list and its filters.
    void MainDataShow();
    void Combo1_Click();
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Command1_Click();

    // Selections made by code always run the control's handler, even when nothing changes.
    void selectDirectionFilter(int index);
    void selectStatusFilter(int index);
    void selectCategoryFilter(int index);
    // Selects the category filter entry with this text (the first one, if several); a text that
    // is not among the entries selects "全部".
    void setCategoryFilterText(const QString& text);
    QString categoryFilterText() const;
    int directionFilter() const;
    int statusFilter() const;
    // Refills the category filter: "全部", the categories in stored order, "未分類".
    void fillCategoryFilter();

    // Selects a row of the record list and scrolls it into view.
    void selectRow(int row);
    QString statusText() const;

    // Commands of the menus and the toolbar.
    void Data_New_Click();
    void ListView1_DblClick();
    void Data_Del_Click();
    void Data_Clear_Click();
    void Date_Export_Click();
    void Set_Type_Click();
    void Set_Affair_Click();
    void Set_Borrower_Click();
    void View_Font_Click(int size);
    void setViewFontState();
    void Help_Help_Click();
    void Help_About_Click();
    // position: 1 … 9, the button's place in the toolbar.
    void Toolbar1_ButtonClick(int position);

    // Why a data file is not written over without consent, for the question that asks it.
    static QString protectionText(const QString& file, DataStore::Protection protection);

    DataStore& store() { return store_; }
    RecordListModel& listModel() { return *model_; }
    QTableView* ListView1() const { return listView_; }
    QComboBox* Combo1() const { return combo1_; }
    QAction* fontAction(int size) const;

    QMenu* createPopupMenu() override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildControls();
    void layoutControls();
    void TypeDataInit();
    void restoreWindow();
    void openListEditor(const ListMode& mode);
    void followFrame(const QSize& frame);
    void saveSettings();
    bool writeRecordFile();
    bool keepOutsideVersion(const QString& file);
    void report(const QList<FileProblem>& problems);

    DataStore& store_;
    SettingsStore& settings_;
    bool shutDown_ = false;
    std::optional<QSize> pendingOuterSize_;

    QToolBar* toolbar_ = nullptr;
    QList<QAction*> toolbarButtons_;
    FilterStrip* strip_ = nullptr;
    QPushButton* command1_ = nullptr;
    QFrame* line3_ = nullptr;
    QButtonGroup* option1_ = nullptr;
    QButtonGroup* option2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QTableView* listView_ = nullptr;
    RecordListModel* model_ = nullptr;
    QLabel* status_ = nullptr;
    QList<QAction*> fontActions_;
    QPointer<SetForm> listEditor_; // while one is open
};
