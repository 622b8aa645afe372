#include "ui/lists/ListEditor.h"

#include "ui/ControlNames.h"
#include "ui/lists/ListMode.h"
#include "ui/lists/NameInput.h"
#include "ui/widgets/DialogLayout.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Twips.h"

#include <QListWidget>
#include <QPushButton>

ListEditor::ListEditor(const ListMode& mode, const NameList& list, QWidget* parent)
    : QDialog(parent), mode_(mode), list_(list)
{
    setObjectName(QLatin1String(ListEditorControls::dialog));
    DialogLayout::makeFixedDialog(this, 5520, 4680);
    setWindowTitle(mode.caption);
    buildControls();
    names_->addItems(list.names());
}

void ListEditor::buildControls()
{
    names_ = new QListWidget(this);
    names_->setObjectName(QLatin1String(ListEditorControls::list));
    names_->setGeometry(Twips::rect(120, 120, 4095, 3765));
    names_->setSelectionMode(QAbstractItemView::SingleSelection);
    names_->setSortingEnabled(false);
    names_->setFont(Fonts::listBox());
    // For screen readers: the list of "分類", "物品" or "借用人".
    names_->setAccessibleName(mode_.word);

    addButton(ListEditorControls::addButton, QStringLiteral("新增"), 120, &ListEditor::add);
    addButton(ListEditorControls::renameButton, QStringLiteral("更名"), 600, &ListEditor::rename);
    addButton(ListEditorControls::deleteButton, QStringLiteral("刪除"), 1080, &ListEditor::remove);
    addButton(ListEditorControls::moveUpButton, QStringLiteral("上移"), 3030, &ListEditor::moveUp);
    addButton(ListEditorControls::moveDownButton, QStringLiteral("下移"), 3510,
              &ListEditor::moveDown);
    addButton(ListEditorControls::doneButton, QStringLiteral("完成"), 4200, &ListEditor::complete);

    // Above "完成".
    DialogLayout::etchedSeparator(this, DialogSeparator::shadowLine, DialogSeparator::lightLine, 0,
                                  4080, 5520);
}

void ListEditor::addButton(const char* name, const QString& caption, int top,
                           void (ListEditor::*handler)())
{
    auto* button = DialogLayout::place<QPushButton>(this, name, caption, 4320, top, 1095, 375);
    // The dialog has no default button: Enter in the list must not add a name.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
}

QStringList ListEditor::names() const
{
    QStringList names;
    names.reserve(names_->count());
    for (int row = 0; row < names_->count(); ++row)
        names.append(names_->item(row)->text());
    return names;
}

// The current entry of a list box need not be selected; only a selected one is acted on.
int ListEditor::selectedRow() const
{
    const QList<QListWidgetItem*> selected = names_->selectedItems();
    return selected.isEmpty() ? -1 : names_->row(selected.first());
}

void ListEditor::select(int row)
{
    names_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    names_->scrollToItem(names_->item(row));
}

void ListEditor::swapNames(int row, int other)
{
    QListWidgetItem* a = names_->item(row);
    QListWidgetItem* b = names_->item(other);
    const QString text = a->text();
    a->setText(b->text());
    b->setText(text);
}

void ListEditor::add()
{
    if (names_->count() >= list_.capacity()) {
        MessageBox::warning(this, mode_.fullText(list_));
        return;
    }
    const QString name = NameInput::ask(
        this, QStringLiteral("請輸入您要新增的") + mode_.word + QStringLiteral("名稱"),
        QStringLiteral("新增"), {});
    if (name.isEmpty())
        return;
    names_->addItem(name);
    select(names_->count() - 1);
}

void ListEditor::rename()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    QListWidgetItem* item = names_->item(row);
    const QString name = NameInput::ask(this, QStringLiteral("要改成什麼名稱?"),
                                        QStringLiteral("更名"), item->text());
    if (name.isEmpty())
        return;
    const QString from = item->text();
    item->setText(name);
    emit renamed(from, name);
}

void ListEditor::remove()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (!MessageBox::confirm(this, mode_.deleteQuestion, QStringLiteral("刪除")))
        return;
    const QString name = names_->item(row)->text();
    delete names_->takeItem(row);
    names_->setCurrentRow(-1, QItemSelectionModel::Clear);
    emit deleted(name);
}

void ListEditor::moveUp()
{
    const int row = selectedRow();
    if (row <= 0)
        return;
    swapNames(row, row - 1);
    select(row - 1);
}

void ListEditor::moveDown()
{
    const int row = selectedRow();
    if (row < 0 || row >= names_->count() - 1)
        return;
    swapNames(row, row + 1);
    select(row + 1);
}

void ListEditor::complete()
{
    emit completed(names());
    accept();
}
