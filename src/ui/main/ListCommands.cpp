#include "ui/main/ListCommands.h"

#include "store/DataStore.h"
#include "ui/lists/ListEditor.h"
#include "ui/lists/ListMode.h"
#include "ui/main/DataFileSaver.h"
#include "ui/main/RecordListPanel.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"

#include <utility>

ListCommands::ListCommands(DataStore& store, RecordListPanel& panel, QObject* parent)
    : QObject(parent), store_(store), panel_(panel)
{
}

void ListCommands::edit(const ListMode& mode)
{
    // Without an owner window, as the editor has always been shown.
    ListEditor editor(mode, mode.listIn(store_.lists()));
    if (mode.isCategories) {
        // The records follow a category's rename or deletion at once, while the editor is open.
        RecordRegister& records = store_.recordRegister();
        connect(&editor, &ListEditor::renamed, &records, &RecordRegister::renameCategory);
        connect(&editor, &ListEditor::deleted, &records, [&records](const QString& name) {
            records.renameCategory(name, Texts::Uncategorised);
        });
    }
    connect(&editor, &ListEditor::completed, this,
            [&](const QStringList& names) { keep(mode, names, &editor); });
    open_ = &editor;
    Modal::exec(editor);
    open_ = nullptr;
}

QStringList ListCommands::finishOpenEditor()
{
    if (!open_)
        return {};
    finishing_ = true;
    open_->complete();
    finishing_ = false;
    return std::exchange(heldNotices_, {});
}

// The list in memory is replaced even when its file cannot be written; the user is told so.
void ListCommands::keep(const ListMode& mode, const QStringList& names, QWidget* editor)
{
    NameList& list = mode.listIn(store_.lists());
    list.assign(names);
    const QStringList notices = DataFileSaver::saveListFile(editor, store_, list, mode.fileName);
    if (finishing_) {
        heldNotices_ += notices;
    } else {
        for (const QString& notice : notices)
            MessageBox::warning(editor, notice);
    }
    // Choosing "全部" rebuilds the record list, so changed categories show at once.
    if (mode.isCategories) {
        panel_.setCategories(list.names());
        panel_.chooseCategory(Texts::All);
    }
}
