#pragma once

#include "ui/editor/RecordEntry.h"

#include <QDialog>

class MainForm;
struct ListMode;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The record editor: one record entered (title "新增資料") or changed (any other title). The
// opener fills every box; on OK the editor checks the entry, stores it, and brings the main
// window's list up to date by itself.
class InputForm : public QDialog
{
    Q_OBJECT
public:
    static inline const QString NewTitle = QStringLiteral("新增資料");
    static inline const QString EditTitle = QStringLiteral("編輯資料");

    explicit InputForm(MainForm& main, QWidget* parent = nullptr);

    // The controls the opener fills.
    QComboBox* Combo1() const { return combo1_; }
    QLineEdit* Text0() const { return text0_; }
    QRadioButton* Option1() const { return option1_; }
    QRadioButton* Option2() const { return option2_; }
    QLineEdit* Text1() const { return text1_; }
    QPlainTextEdit* Text2() const { return text2_; }
    QLineEdit* Text3() const { return text3_; }
    QLineEdit* Text4() const { return text4_; }
    QLineEdit* Text5() const { return text5_; }
    QCheckBox* Check1() const { return check1_; }
    QCheckBox* Check2() const { return check2_; }
    QCheckBox* Check3() const { return check3_; }
    QPushButton* Command1() const { return command1_; }

    // The content box as the record holds it, lines ending in CR LF.
    QString contentText() const;
    void setContentText(const QString& text);
    // Shows a category, selecting its entry of the box when it has one.
    void setCategoryText(const QString& text);

    void Command1_Click();
    void Command2_Click();
    void Check1_Click();
    void Command3_Click();
    void Command4_Click();

private:
    void buildControls();
    void buildTabOrder();
    bool isNewMode() const;
    void removeQuotes();
    EntryFields fields() const;
    void storeRecord(const LoanRecord& record);
    void addName(const ListMode& mode, const QString& name, const QString& listName);
    void updateMainList(const QString& category);
    void selectEditedRow();

    MainForm& main_;
    QComboBox* combo1_ = nullptr;
    QLineEdit* text0_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QCheckBox* check3_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
};
