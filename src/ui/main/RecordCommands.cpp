#include "ui/main/RecordCommands.h"

#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/DateText.h"
#include "store/RecordFilter.h"
#include "ui/editor/EditIndex.h"
#include "ui/editor/InputForm.h"
#include "ui/main/MainForm.h"
#include "ui/main/RecordListModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

const QString kDeleteTitle = QStringLiteral("刪除資料");

void fillCategoryBox(InputForm& form, const NameList& types)
{
    QComboBox* box = form.Combo1();
    box->clear();
    box->addItems(RecordFilter::categoryEntries(types.names(), RecordFilter::Box::Record));
}

// The row the edit acts on, or -1 when none is selected.
int selectedRow(MainForm& main)
{
    const QModelIndexList rows = main.ListView1()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace

namespace RecordCommands {

void Data_New_Click(MainForm& main)
{
    InputForm form(main);
    fillCategoryBox(form, main.store().TypeList);
    if (main.categoryFilterText() == Texts::All)
        form.Combo1()->setCurrentIndex(0);
    else
        form.setCategoryText(main.categoryFilterText());
    form.setWindowTitle(InputForm::NewTitle);
    form.Text0()->setText(DateText::today());
    form.Text1()->clear();
    form.setContentText({});
    form.Text3()->clear();
    form.Text4()->clear();
    form.Text5()->clear();
    form.Option1()->setChecked(true);
    form.Check1()->setChecked(false);
    form.Command1()->setText(QStringLiteral("新增"));
    Modal::exec(form);
}

void ListView1_DblClick(MainForm& main)
{
    const RecordListModel& model = main.listModel();
    const int row = selectedRow(main);
    if (model.rowCount() == 0 || row < 0)
        return;
    EditIndex = model.text(row, RecordListModel::IndexColumn).toInt();
    const LoanRecord& r = main.store().records[EditIndex];

    InputForm form(main);
    fillCategoryBox(form, main.store().TypeList);
    form.setCategoryText(r.Category);
    form.setWindowTitle(InputForm::EditTitle);
    form.Text0()->setText(r.Date);
    if (r.Direction == Texts::LentOut)
        form.Option1()->setChecked(true);
    else
        form.Option2()->setChecked(true);
    form.Text1()->setText(r.Borrower);
    form.setContentText(r.Content);
    form.Text3()->setText(r.DueDate);
    form.Text5()->setText(r.Amount);
    // The tick first: its own handler fills the return-date box, which is then overwritten.
    if (r.Status == Texts::NotReturned) {
        form.Check1()->setChecked(false);
    } else {
        form.Check1()->setChecked(true);
        form.Text4()->setText(r.Status == Texts::Returned ? QString() : r.Status);
    }
    form.Command1()->setText(QStringLiteral("變更"));
    Modal::exec(form);
}

void Data_Del_Click(MainForm& main)
{
    RecordListModel& model = main.listModel();
    QList<int> ticked;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.isChecked(row))
            ticked.append(model.slotAt(row));
    }
    if (ticked.isEmpty()) {
        MessageBox::warning(&main, QStringLiteral("請先勾選要刪除的記錄"));
        return;
    }
    if (!MessageBox::confirm(&main, QStringLiteral("確定刪除資料嗎？"), kDeleteTitle))
        return;
    main.store().recordRegister.remove(ticked);
}

void Data_Clear_Click(MainForm& main)
{
    if (!MessageBox::confirm(&main, QStringLiteral("確定清除已歸還資料嗎？"), kDeleteTitle))
        return;
    main.store().recordRegister.removeReturned();
}

} // namespace RecordCommands
