#pragma once

#include <QDialog>

#include <optional>

class DataStore;
class InputForm;
class NameList;
class QLineEdit;
class QListWidget;

// Picks names from a reference list into the record editor: items into its content box
// (title "物品清單"), or one borrower into its borrower box (title "借用人名單"). The lists
// themselves are only read.
class UseForm : public QDialog
{
    Q_OBJECT
public:
    static inline const QString ItemTitle = QStringLiteral("物品清單");
    static inline const QString BorrowerTitle = QStringLiteral("借用人名單");

    UseForm(InputForm& editor, const DataStore& store, QWidget* parent = nullptr);

    // Shows the dialog modally with every entry of the list the title names.
    static void open(InputForm& editor, const DataStore& store, const QString& title);

    QLineEdit* Text1() const { return text1_; }
    QListWidget* List1() const { return list1_; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // The list the title names; none for any other title.
    const NameList* modeList() const;
    void showEntries(const QString* searchText);
    std::optional<QString> selectedRowsText() const;

    InputForm& editor_;
    const DataStore& store_;
    QLineEdit* text1_ = nullptr;
    QListWidget* list1_ = nullptr;
    // Whether the list's current row was made so by the user's click or key, not by the list
    // itself on taking the focus.
    bool userInput_ = false;
    bool currentPicked_ = false;
};
