#pragma once

#include <QDialog>
#include <QStringList>

class NameList;
class QListWidget;
struct ListMode;

// The reference-list editor: adds, renames, deletes and reorders the names of one list, and
// changes nothing itself. There is no cancel: every edit counts. Each rename and deletion is told
// as the user makes it, and "完成" hands the names over and closes.
class ListEditor : public QDialog
{
    Q_OBJECT
public:
    ListEditor(const ListMode& mode, const NameList& list, QWidget* parent = nullptr);

    // "完成", also when the program ends while the editor is open.
    void complete();

signals:
    void renamed(const QString& from, const QString& to);
    void deleted(const QString& name);
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
    QListWidget* names_ = nullptr;
};
