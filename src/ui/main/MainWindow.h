#pragma once

#include <QMainWindow>

#include <chrono>
#include <memory>

class DataStore;
class ListCommands;
class MainMenus;
class QLabel;
class RecordCommands;
class RecordListModel;
class RecordListPanel;
class SettingsStore;
class WindowSettings;

// The main window: the record list with its filters and summary, the menus and the toolbar.
// The program starts by opening it and ends when it closes.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(DataStore& store, SettingsStore& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: restores the settings, loads the data files and shows the records.
    void load();
    // Shut-down: writes the record file and the settings, once, and ends the program. False when
    // the user chose to go back to the program because the record file could not be written.
    bool shutDown();
    bool hasShutDown() const { return shutDown_; }
    // The session (a termination signal, the log-out) ends the program: it closes as the user's
    // close does, but what it only has to tell goes to the standard error instead of a box that
    // would hold up the end, and a question left unanswered for kSessionAnswerTime keeps the file.
    void endBySession();
    static constexpr std::chrono::seconds kSessionAnswerTime{30};

    QMenu* createPopupMenu() override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectCommands();
    void setListFont(int size);

    DataStore& store_;
    bool shutDown_ = false;
    bool shuttingDown_ = false;
    bool endedBySession_ = false;
    RecordListModel* model_ = nullptr;
    RecordListPanel* panel_ = nullptr;
    MainMenus* menus_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* overdue_ = nullptr; // how many of the rows are overdue
    std::unique_ptr<WindowSettings> settings_;
    RecordCommands* records_ = nullptr;
    ListCommands* lists_ = nullptr;
};
