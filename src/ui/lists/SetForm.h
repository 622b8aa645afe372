#pragma once

#include "ui/lists/ListMode.h"

#include <QDialog>
#include <QStringList>

class MainForm;
class QListWidget;
class QPushButton;

// The reference-list editor: adds, renames, deletes and reorders the names of one list, and on
// "完成" stores them, writes the list's file and closes. There is no cancel; every edit counts.
class SetForm : public QDialog
{
    Q_OBJECT
public:
    SetForm(MainForm& main, const ListMode& mode);

    void Command1_Click(); // 完成
    void Command2_Click(); // 新增
    void Command3_Click(); // 更名
    void Command4_Click(); // 刪除
    void Command5_Click(); // 上移
    void Command6_Click(); // 下移

    QListWidget* List1() const { return list1_; }

private:
    void buildControls();
    void addButton(const char* name, const QString& caption, int top, void (SetForm::*handler)());
    void fill();
    QStringList entries() const;
    int selectedRow() const;
    void select(int row);
    void swapEntries(int row, int other);
    void refreshCategoryFilter();

    MainForm& main_;
    const ListMode& mode_;
    QListWidget* list1_ = nullptr;
};
