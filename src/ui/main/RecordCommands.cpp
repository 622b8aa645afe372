#include "ui/main/RecordCommands.h"

#include "Product.h"
#include "export/CsvExport.h"
#include "store/DataStore.h"
#include "store/DateText.h"
#include "ui/editor/NamePicker.h"
#include "ui/editor/RecordEditor.h"
#include "ui/lists/ListMode.h"
#include "ui/main/RecordListPanel.h"
#include "ui/records/RecordListModel.h"
#include "ui/widgets/MessageBox.h"

namespace {
const QString kDeleteTitle = QStringLiteral("刪除資料");

RecordEditor::Choices choicesOf(const DataStore& store)
{
    return {
        RecordFilter::categoryEntries(store.lists().categories.names(), RecordFilter::Box::Record),
        store.lists().items.names(), store.lists().borrowers.names()};
}

std::optional<RecordEditor::Result> openEditor(RecordEditor::Mode mode, const LoanRecord& record,
                                               const RecordEditor::Choices& choices,
                                               const DataStore& store)
{
    return RecordEditor(mode, record, choices, store.records().isFull()).run();
}

// The category the list shows once a record is stored: the record's own, unless the filter
// shows them all.
QString categoryToShow(const QString& filter, const LoanRecord& stored)
{
    return filter == Texts::All ? filter : stored.Category;
}

// The record is stored already, so a full list only costs the name, and the user is told.
void addName(DataStore& store, QWidget* window, const ListMode& mode, const QString& name,
             NamePicker::Kind list)
{
    NameList& names = mode.listIn(store.lists());
    if (names.append(name))
        return;
    MessageBox::warning(
        window, mode.fullText(names) +
                    QStringLiteral("，「%1」沒有加入%2").arg(name, NamePicker::title(list)));
}

// The names the user asked the editor to add to their lists, in either mode.
void addNames(DataStore& store, QWidget* window, const RecordEditor::Result& result)
{
    if (result.addContentToItems)
        addName(store, window, ListMode::items(), result.record.Content, NamePicker::Kind::Items);
    if (result.addBorrowerToBorrowers)
        addName(store, window, ListMode::borrowers(), result.record.Borrower,
                NamePicker::Kind::Borrowers);
}
} // namespace

RecordCommands::RecordCommands(DataStore& store, RecordListPanel& panel, RecordListModel& model,
                               QWidget* window)
    : QObject(window), store_(store), panel_(panel), model_(model), window_(window)
{
}

void RecordCommands::newRecord()
{
    const QString filter = panel_.filter().category;
    const RecordEditor::Choices choices = choicesOf(store_);
    LoanRecord record;
    record.Date = DateText::today();
    record.Direction = Texts::LentOut;
    record.Status = Texts::NotReturned;
    // The category the filter shows, or the box's first under "全部".
    record.Category = filter == Texts::All ? choices.categories.first() : filter;
    const auto result = openEditor(RecordEditor::Mode::New, record, choices, store_);
    if (!result)
        return;
    // The new row joins the list as it stands; the filters and totals catch up at the next
    // rebuild, unless the list is to show another category.
    store_.recordRegister().append(result->record);
    addNames(store_, window_, *result);
    if (const QString shown = categoryToShow(filter, result->record); shown != filter)
        panel_.chooseCategory(shown);
}

void RecordCommands::editSelected()
{
    const int row = panel_.selectedRow();
    if (model_.rowCount() == 0 || row < 0)
        return;
    const int slot = model_.slotAt(row);
    const auto result =
        openEditor(RecordEditor::Mode::Edit, store_.records()[slot], choicesOf(store_), store_);
    if (!result)
        return;
    store_.recordRegister().replace(slot, result->record);
    addNames(store_, window_, *result);
    // The list is rebuilt, and the edited row selected.
    panel_.chooseCategory(categoryToShow(panel_.filter().category, result->record));
    if (const int edited = model_.rowOf(slot); edited >= 0)
        panel_.selectRow(edited);
}

void RecordCommands::deleteTicked()
{
    QList<int> ticked;
    for (int row = 0; row < model_.rowCount(); ++row) {
        if (model_.isChecked(row))
            ticked.append(model_.slotAt(row));
    }
    if (ticked.isEmpty()) {
        MessageBox::warning(window_, QStringLiteral("請先勾選要刪除的記錄"));
        return;
    }
    if (MessageBox::confirm(window_, QStringLiteral("確定刪除資料嗎？"), kDeleteTitle))
        store_.recordRegister().remove(ticked);
}

void RecordCommands::clearReturned()
{
    if (MessageBox::confirm(window_, QStringLiteral("確定清除已歸還資料嗎？"), kDeleteTitle))
        store_.recordRegister().removeReturned();
}

void RecordCommands::exportShown()
{
    QList<LoanRecord> shown;
    for (int row = 0; row < model_.rowCount(); ++row)
        shown.append(store_.records()[model_.slotAt(row)]);
    const CsvExport::Outcome outcome = CsvExport::write(
        shown, RecordFilter::directionText(panel_.directionIndex()), store_.folder());
    if (!outcome.written) {
        MessageBox::warning(window_,
                            QStringLiteral("無法匯出到 %1（%2）").arg(outcome.path, outcome.error));
        return;
    }
    MessageBox::show(window_, QStringLiteral("匯出完成，檔案已存至 ") + outcome.path,
                     Product::Title, MessageBox::NoIcon, MessageBox::Ok, MessageBox::Ok);
}
