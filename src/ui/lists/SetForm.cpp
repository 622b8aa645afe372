#include "ui/lists/SetForm.h"

#include "platform/DialogLayout.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "store/LoanRecord.h"
#include "ui/lists/NameInput.h"
#include "ui/main/MainForm.h"

#include <QListWidget>
#include <QPushButton>

SetForm::SetForm(MainForm& main, const ListMode& mode) : main_(main), mode_(mode)
{
    setObjectName(QStringLiteral("SetForm"));
    DialogLayout::makeFixedDialog(this, 5520, 4680);
    setWindowTitle(mode.caption);
    buildControls();
    fill();
}

void SetForm::buildControls()
{
    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setGeometry(Twips::rect(120, 120, 4095, 3765));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setSortingEnabled(false);
    list1_->setFont(Fonts::listBox());

    addButton("Command2", QStringLiteral("新增"), 120, &SetForm::Command2_Click);
    addButton("Command3", QStringLiteral("更名"), 600, &SetForm::Command3_Click);
    addButton("Command4", QStringLiteral("刪除"), 1080, &SetForm::Command4_Click);
    addButton("Command5", QStringLiteral("上移"), 3030, &SetForm::Command5_Click);
    addButton("Command6", QStringLiteral("下移"), 3510, &SetForm::Command6_Click);
    addButton("Command1", QStringLiteral("完成"), 4200, &SetForm::Command1_Click);

    // An etched separator above "完成": a grey line with a white one beneath it.
    DialogLayout::line(this, "Line1", QColor(128, 128, 128), 0, 4080, 5520);
    DialogLayout::line(this, "Line2", QColor(255, 255, 255), 0, 4095, 5520);
}

void SetForm::addButton(const char* name, const QString& caption, int top,
                        void (SetForm::*handler)())
{
    auto* button = DialogLayout::place<QPushButton>(this, name, caption, 4320, top, 1095, 375);
    // The dialog has no default button: Enter in the list must not add a name.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
}

void SetForm::fill()
{
    list1_->clear();
    list1_->addItems(mode_.listIn(main_.store()).names());
}

QStringList SetForm::entries() const
{
    QStringList names;
    names.reserve(list1_->count());
    for (int row = 0; row < list1_->count(); ++row)
        names.append(list1_->item(row)->text());
    return names;
}

// The current entry of a list box need not be selected; only a selected one is acted on.
int SetForm::selectedRow() const
{
    const QList<QListWidgetItem*> selected = list1_->selectedItems();
    return selected.isEmpty() ? -1 : list1_->row(selected.first());
}

void SetForm::select(int row)
{
    list1_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list1_->scrollToItem(list1_->item(row));
}

void SetForm::swapEntries(int row, int other)
{
    QListWidgetItem* a = list1_->item(row);
    QListWidgetItem* b = list1_->item(other);
    const QString text = a->text();
    a->setText(b->text());
    b->setText(text);
}

void SetForm::Command2_Click()
{
    if (list1_->count() >= mode_.listIn(main_.store()).capacity()) {
        MessageBox::warning(this, mode_.fullText(main_.store()));
        return;
    }
    const QString name = NameInput::ask(
        this, QStringLiteral("請輸入您要新增的") + mode_.word + QStringLiteral("名稱"),
        QStringLiteral("新增"), {});
    if (name.isEmpty())
        return;
    list1_->addItem(name);
    select(list1_->count() - 1);
}

void SetForm::Command3_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    QListWidgetItem* item = list1_->item(row);
    const QString name = NameInput::ask(this, QStringLiteral("要改成什麼名稱?"),
                                        QStringLiteral("更名"), item->text());
    if (name.isEmpty())
        return;
    if (mode_.isCategories)
        main_.store().recordRegister.renameCategory(item->text(), name);
    item->setText(name);
}

void SetForm::Command4_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (!MessageBox::confirm(this, mode_.deleteQuestion, QStringLiteral("刪除")))
        return;
    if (mode_.isCategories)
        main_.store().recordRegister.renameCategory(list1_->item(row)->text(),
                                                    Texts::Uncategorised);
    delete list1_->takeItem(row);
    list1_->setCurrentRow(-1, QItemSelectionModel::Clear);
}

void SetForm::Command5_Click()
{
    const int row = selectedRow();
    if (row <= 0)
        return;
    swapEntries(row, row - 1);
    select(row - 1);
}

void SetForm::Command6_Click()
{
    const int row = selectedRow();
    if (row < 0 || row >= list1_->count() - 1)
        return;
    swapEntries(row, row + 1);
    select(row + 1);
}

// The list in memory is replaced even when its file cannot be written; the user is told so.
// A file that could not be read or kept at start-up is written over only with consent.
void SetForm::Command1_Click()
{
    DataStore& store = main_.store();
    NameList& list = mode_.listIn(store);
    list.assign(entries());
    const QString file = store.path(mode_.fileName);
    const DataStore::Protection protection = store.protection(mode_.fileName);
    const bool write =
        protection == DataStore::Protection::None ||
        MessageBox::confirm(this,
                            MainForm::protectionText(file, protection) +
                                QStringLiteral("\n要用目前的清單覆寫這個檔案嗎？選「否」則保留原"
                                               "檔案，清單的變更只保留到程式結束。"),
                            MessageBox::WarningTitle, MessageBox::No);
    QString error;
    if (write && !store.saveList(list, mode_.fileName, &error)) {
        MessageBox::warning(
            this, QStringLiteral("無法寫入 %1（%2），清單沒有儲存到檔案。").arg(file, error));
    }
    if (mode_.isCategories)
        refreshCategoryFilter();
    accept();
}

// Selecting "全部" by code rebuilds the record list, so changed categories show at once.
void SetForm::refreshCategoryFilter()
{
    main_.fillCategoryFilter();
    main_.setCategoryFilterText(Texts::All);
}
