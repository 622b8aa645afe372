#pragma once

#include <QDialog>
#include <QStringList>

class NameList;
class QListWidget;
class RecordRegister;
struct ListMode;

// The reference-list editor: adds, renames, deletes and reorders the names of one list. There is
// no cancel: every edit counts, and "完成" hands the names over and closes. A category renamed or
// deleted is renamed, or made "未分類", in the records at once.
class ListEditor : public QDialog
{
    Q_OBJECT
public:
    ListEditor(const ListMode& mode, const NameList& list, RecordRegister& records,
               QWidget* parent = nullptr);

    // "完成", also when the program ends while the editor is open.
    void complete();

signals:
    // The names as the editor shows them, at "完成", before it closes.
    void completed(const QStringList& names);

private:
    void buildControls();
    void addButton(const char* name, const QString& caption, int top,
                   void (ListEditor::*handler)());
    QStringList names() const;
    int selectedRow() const;
    void select(int row);
    void swapNames(int row, int other);
    void add();
    void rename();
    void remove();
    void moveUp();
    void moveDown();

    const ListMode& mode_;
    const NameList& list_;
    RecordRegister& records_;
    QListWidget* names_ = nullptr;
};
