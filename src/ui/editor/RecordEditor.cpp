#include "ui/editor/RecordEditor.h"

#include "store/DateText.h"
#include "ui/ControlNames.h"
#include "ui/editor/ContentBox.h"
#include "ui/editor/NamePicker.h"
#include "ui/widgets/DialogLayout.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using DialogLayout::place;

RecordEditor::RecordEditor(Mode mode, const LoanRecord& record, const Choices& choices,
                           bool registerFull, QWidget* parent)
    : QDialog(parent), mode_(mode), choices_(choices), registerFull_(registerFull)
{
    setObjectName(QLatin1String(RecordEditorControls::dialog));
    DialogLayout::makeFixedDialog(this, 6615, 6030);
    setWindowTitle(mode == Mode::New ? QStringLiteral("新增資料") : QStringLiteral("編輯資料"));
    buildControls();
    buildTabOrder();
    showRecord(record);
    connect(okButton_, &QPushButton::clicked, this, &RecordEditor::confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(pickItemsButton_, &QPushButton::clicked, this, &RecordEditor::pickItems);
    connect(pickBorrowerButton_, &QPushButton::clicked, this, &RecordEditor::pickBorrower);
    connect(returnedBox_, &QCheckBox::toggled, this, [this](bool returned) {
        returnDateBox_->setText(returned ? DateText::today() : QString());
    });
}

void RecordEditor::buildControls()
{
    auto textBox = [this](const char* name, int l, int t, int w, int h) {
        auto* box = place<QLineEdit>(this, name, l, t, w, h);
        box->setFont(Fonts::editorText());
        return box;
    };

    // Each caption names the box beside it, for screen readers.
    auto caption = [this](const char* name, const QString& text, int l, int t, int w,
                          QWidget* box) {
        place<QLabel>(this, name, text, l, t, w, 180)->setBuddy(box);
    };

    dateBox_ = textBox(RecordEditorControls::dateBox, 1080, 120, 2295, 375);
    caption(RecordEditorControls::dateCaption, QStringLiteral("日期"), 600, 210, 360, dateBox_);
    lentOutButton_ = place<QRadioButton>(this, RecordEditorControls::lentOutButton, Texts::LentOut,
                                         1080, 600, 735, 255);
    lentOutButton_->setChecked(true);
    borrowedInButton_ = place<QRadioButton>(this, RecordEditorControls::borrowedInButton,
                                            Texts::BorrowedIn, 1920, 600, 735, 300);
    categoryBox_ = place<QComboBox>(this, RecordEditorControls::categoryBox, 1080, 960, 4215, 345);
    caption(RecordEditorControls::categoryCaption, QStringLiteral("分類"), 600, 1050, 360,
            categoryBox_);
    categoryBox_->setEditable(true);
    categoryBox_->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is the category: completing it would store an existing category instead of
    // a new one that begins the same way.
    categoryBox_->setCompleter(nullptr);
    categoryBox_->setFont(Fonts::editorCategory());
    borrowerBox_ = textBox(RecordEditorControls::borrowerBox, 1080, 1440, 4215, 375);
    caption(RecordEditorControls::borrowerCaption, QStringLiteral("借用人"), 360, 1530, 540,
            borrowerBox_);
    pickBorrowerButton_ = place<QPushButton>(this, RecordEditorControls::pickBorrowerButton,
                                             QStringLiteral("從名單選擇"), 5400, 1440, 1095, 375);
    addBorrowerBox_ = place<QCheckBox>(this, RecordEditorControls::addBorrowerBox,
                                       QStringLiteral("加入借用人名單"), 1080, 1875, 1575, 375);
    contentBox_ = place<ContentBox>(this, RecordEditorControls::contentBox, 1080, 2400, 5415, 1095);
    caption(RecordEditorControls::contentCaption, QStringLiteral("借用內容"), 240, 2460, 720,
            contentBox_);
    contentBox_->setFont(Fonts::editorText());
    contentBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    contentBox_->setTabChangesFocus(true);
    addItemBox_ = place<QCheckBox>(this, RecordEditorControls::addItemBox,
                                   QStringLiteral("加入物品清單"), 1080, 3555, 1455, 375);
    pickItemsButton_ = place<QPushButton>(this, RecordEditorControls::pickItemsButton,
                                          QStringLiteral("從物品清單選擇"), 5040, 3600, 1455, 375);
    amountBox_ = textBox(RecordEditorControls::amountBox, 1080, 4080, 1335, 375);
    caption(RecordEditorControls::amountCaption, QStringLiteral("費用"), 600, 4200, 360,
            amountBox_);
    const auto* amountNote = place<QLabel>(
        this, RecordEditorControls::amountNote,
        QStringLiteral("(選填) 若借用內容不是物品而是金錢請填在這欄"), 2640, 4200, 3765, 180);
    amountBox_->setAccessibleDescription(amountNote->text());
    dueDateBox_ = textBox(RecordEditorControls::dueDateBox, 1080, 4680, 2295, 375);
    caption(RecordEditorControls::dueDateCaption, QStringLiteral("預計歸還日"), 120, 4800, 900,
            dueDateBox_);
    DialogLayout::etchedSeparator(this, DialogSeparator::shadowLine, DialogSeparator::lightLine, 0,
                                  5280, 6840);
    returnedBox_ = place<QCheckBox>(this, RecordEditorControls::returnedBox, Texts::Returned, 120,
                                    5520, 855, 375);
    returnDateBox_ = textBox(RecordEditorControls::returnDateBox, 1080, 5520, 2295, 375);
    // Beside the "已歸還" tick, as its faults call it.
    returnDateBox_->setAccessibleName(QStringLiteral("已歸還日期"));
    okButton_ =
        place<QPushButton>(this, RecordEditorControls::okButton,
                           mode_ == Mode::New ? QStringLiteral("新增") : QStringLiteral("變更"),
                           3960, 5520, 1215, 375);
    okButton_->setDefault(true);
    cancelButton_ = place<QPushButton>(this, RecordEditorControls::cancelButton,
                                       QStringLiteral("取消"), 5280, 5520, 1215, 375);
}

void RecordEditor::buildTabOrder()
{
    const QList<QWidget*> order{
        categoryBox_,   borrowerBox_,      contentBox_,         okButton_,      cancelButton_,
        lentOutButton_, borrowedInButton_, returnedBox_,        dateBox_,       pickItemsButton_,
        addItemBox_,    addBorrowerBox_,   pickBorrowerButton_, returnDateBox_, dueDateBox_,
        amountBox_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    categoryBox_->setFocus();
}

void RecordEditor::showRecord(const LoanRecord& record)
{
    categoryBox_->addItems(choices_.categories);
    setCategory(record.Category);
    dateBox_->setText(record.Date);
    if (record.Direction == Texts::LentOut)
        lentOutButton_->setChecked(true);
    else
        borrowedInButton_->setChecked(true);
    borrowerBox_->setText(record.Borrower);
    contentBox_->setContent(record.Content);
    dueDateBox_->setText(record.DueDate);
    amountBox_->setText(record.Amount);
    if (record.Status != Texts::NotReturned) {
        returnedBox_->setChecked(true);
        returnDateBox_->setText(record.Status == Texts::Returned ? QString() : record.Status);
    }
}

std::optional<RecordEditor::Result> RecordEditor::run()
{
    Modal::exec(*this);
    return result() == QDialog::Accepted ? result_ : std::nullopt;
}

void RecordEditor::setCategory(const QString& text)
{
    const int index = categoryBox_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        categoryBox_->setCurrentIndex(index);
    categoryBox_->setEditText(text);
}

void RecordEditor::confirm()
{
    if (mode_ == Mode::New && registerFull_) {
        MessageBox::warning(
            this, QStringLiteral("最多只能新增 10000 筆資料，請刪除已歸還的過時資料以清出空間"));
        return;
    }
    const EntryFields entry = fieldsWithoutQuotes();
    const QString fault = RecordEntry::firstFault(entry);
    if (!fault.isEmpty()) {
        MessageBox::warning(this, fault);
        return;
    }
    result_ = Result{RecordEntry::toRecord(entry), addItemBox_->isChecked(),
                     addBorrowerBox_->isChecked()};
    accept();
}

// The quotes stay removed from the boxes even when a later check fails. The content is taken
// once: a field of megabytes costs one pass.
EntryFields RecordEditor::fieldsWithoutQuotes()
{
    const QChar quote = QLatin1Char('"');
    if (borrowerBox_->text().contains(quote))
        borrowerBox_->setText(RecordEntry::withoutQuotes(borrowerBox_->text()));
    EntryFields f;
    f.content = contentBox_->content();
    if (f.content.contains(quote)) {
        f.content = RecordEntry::withoutQuotes(f.content);
        contentBox_->setContent(f.content);
    }
    if (categoryBox_->currentText().contains(quote))
        categoryBox_->setEditText(RecordEntry::withoutQuotes(categoryBox_->currentText()));
    f.date = dateBox_->text();
    f.lentOut = lentOutButton_->isChecked();
    f.category = categoryBox_->currentText();
    f.borrower = borrowerBox_->text();
    f.amount = amountBox_->text();
    f.dueDate = dueDateBox_->text();
    f.returned = returnedBox_->isChecked();
    f.returnDate = returnDateBox_->text();
    return f;
}

// A pick replaces the box's text; nothing picked leaves it as it was.
void RecordEditor::pickItems()
{
    if (const std::optional<QString> items =
            NamePicker(NamePicker::Kind::Items, choices_.items).pick())
        contentBox_->setContent(*items);
}

void RecordEditor::pickBorrower()
{
    if (const std::optional<QString> borrower =
            NamePicker(NamePicker::Kind::Borrowers, choices_.borrowers).pick())
        borrowerBox_->setText(*borrower);
}
