#pragma once

#include "store/LoanRecord.h"
#include "ui/editor/RecordEntry.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class ContentBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The record editor: one record entered or changed. It shows the record it is given, checks the
// entry when the user confirms it and gives it back, quotes removed and dates and amount in their
// stored forms, with the user's choice of adding the content and the borrower to their lists.
class RecordEditor : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        New,  // "新增資料"; refused when the register is full
        Edit, // "編輯資料"
    };

    // What the boxes and the pick buttons offer.
    struct Choices
    {
        QStringList categories; // the category box's entries
        QStringList items;
        QStringList borrowers;
    };

    struct Result
    {
        LoanRecord record;
        bool addContentToItems = false;
        bool addBorrowerToBorrowers = false;
    };

    RecordEditor(Mode mode, const LoanRecord& record, const Choices& choices, bool registerFull,
                 QWidget* parent = nullptr);

    // Shows the editor modally: the entry confirmed, or nothing when cancelled.
    std::optional<Result> run();

private:
    void buildControls();
    void buildTabOrder();
    void showRecord(const LoanRecord& record);
    void confirm();
    // The boxes' fields, the double quotes removed from them and from the boxes.
    EntryFields fieldsWithoutQuotes();
    void pickItems();
    void pickBorrower();
    // Shows a category, selecting its entry of the box when it has one.
    void setCategory(const QString& text);

    Mode mode_;
    Choices choices_;
    bool registerFull_;
    std::optional<Result> result_;

    QLineEdit* dateBox_ = nullptr;
    QRadioButton* lentOutButton_ = nullptr;
    QRadioButton* borrowedInButton_ = nullptr;
    QComboBox* categoryBox_ = nullptr;
    QLineEdit* borrowerBox_ = nullptr;
    QCheckBox* addBorrowerBox_ = nullptr;
    ContentBox* contentBox_ = nullptr;
    QCheckBox* addItemBox_ = nullptr;
    QLineEdit* amountBox_ = nullptr;
    QLineEdit* dueDateBox_ = nullptr;
    QCheckBox* returnedBox_ = nullptr;
    QLineEdit* returnDateBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* pickItemsButton_ = nullptr;
    QPushButton* pickBorrowerButton_ = nullptr;
};
