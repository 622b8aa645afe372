#include "support/MainFormHarness.h"

#include "store/ListFile.h"
#include "store/RecordFile.h"
#include "ui/main/RecordListModel.h"

#include <QItemSelectionModel>
#include <QTableView>

MainFormHarness::MainFormHarness()
    : store_(std::make_unique<DataStore>(dir_.dir())), settings_(std::make_unique<SettingsStore>())
{
}

MainFormHarness::~MainFormHarness() = default;

MainForm& MainFormHarness::start()
{
    // Records added before the first start reach the window the way the program reads them.
    if (!form_ && store_->records.count() > 0 && !dir_.exists(DataStore::RecordFileName))
        dir_.write(DataStore::RecordFileName, RecordFile::serialize(store_->records));
    form_ = std::make_unique<MainForm>(*store_, *settings_);
    form_->Form_Load();
    return *form_;
}

int MainFormHarness::addRecord(const QString& date, const QString& direction,
                               const QString& category, const QString& borrower,
                               const QString& content, const QString& amount,
                               const QString& dueDate, const QString& status)
{
    return store_->recordRegister.append(
        {date, direction, category, borrower, content, amount, dueDate, status});
}

void MainFormHarness::writeRecordFile(const QList<LoanRecord>& records) const
{
    RecordTable table;
    for (const LoanRecord& r : records)
        table.append(r);
    dir_.write(DataStore::RecordFileName, RecordFile::serialize(table));
}

void MainFormHarness::writeListFile(const QString& fileName, const QStringList& names) const
{
    dir_.write(fileName, ListFile::serialize(names));
}

QString MainFormHarness::cell(int row, int column) const
{
    return form_->listModel().text(row, column);
}

int MainFormHarness::rows() const
{
    return form_->listModel().rowCount();
}

int MainFormHarness::selectedRow() const
{
    const QModelIndexList selected = form_->ListView1()->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}
