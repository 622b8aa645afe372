#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class DataStore;
class ListEditor;
class QWidget;
class RecordListPanel;
struct ListMode;

// The commands that edit the reference lists: each opens the list editor, gives the records each
// category rename or deletion it tells of at once, and at "完成" keeps the names it gives back and
// writes their file.
class ListCommands : public QObject
{
    Q_OBJECT
public:
    ListCommands(DataStore& store, RecordListPanel& panel, QObject* parent);

    void edit(const ListMode& mode);
    // Ended while a list editor is open, the program finishes it as "完成" does. The records
    // already carry its category renames, so its list must reach its file too. Returns what to
    // tell about it, which waits until the records are written.
    QStringList finishOpenEditor();

private:
    void keep(const ListMode& mode, const QStringList& names, QWidget* editor);

    DataStore& store_;
    RecordListPanel& panel_;
    QPointer<ListEditor> open_;
    bool finishing_ = false;
    QStringList heldNotices_;
};
