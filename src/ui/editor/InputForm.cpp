#include "ui/editor/InputForm.h"

#include "platform/DialogLayout.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "store/DateText.h"
#include "ui/editor/EditIndex.h"
#include "ui/editor/UseForm.h"
#include "ui/lists/ListMode.h"
#include "ui/main/MainForm.h"
#include "ui/main/RecordListModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using DialogLayout::place;

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");
} // namespace

InputForm::InputForm(MainForm& main, QWidget* parent) : QDialog(parent), main_(main)
{
    setObjectName(QStringLiteral("InputForm"));
    DialogLayout::makeFixedDialog(this, 6615, 6030);
    buildControls();
    buildTabOrder();
    connect(command1_, &QPushButton::clicked, this, &InputForm::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &InputForm::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &InputForm::Command3_Click);
    connect(command4_, &QPushButton::clicked, this, &InputForm::Command4_Click);
    // Runs whenever the tick changes, also when the opener sets it.
    connect(check1_, &QCheckBox::toggled, this, &InputForm::Check1_Click);
}

void InputForm::buildControls()
{
    auto textBox = [this](const char* name, int l, int t, int w, int h) {
        auto* box = place<QLineEdit>(this, name, l, t, w, h);
        box->setFont(Fonts::editorText());
        return box;
    };

    place<QLabel>(this, "Label1", QStringLiteral("日期"), 600, 210, 360, 180);
    text0_ = textBox("Text0", 1080, 120, 2295, 375);
    option1_ = place<QRadioButton>(this, "Option1", Texts::LentOut, 1080, 600, 735, 255);
    option1_->setChecked(true);
    option2_ = place<QRadioButton>(this, "Option2", Texts::BorrowedIn, 1920, 600, 735, 300);
    place<QLabel>(this, "Label2", QStringLiteral("分類"), 600, 1050, 360, 180);
    combo1_ = place<QComboBox>(this, "Combo1", 1080, 960, 4215, 345);
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is the category: completing it would store an existing category instead of
    // a new one that begins the same way.
    combo1_->setCompleter(nullptr);
    combo1_->setFont(Fonts::editorCategory());
    combo1_->setEditText(QStringLiteral("Combo1"));
    place<QLabel>(this, "Label3", QStringLiteral("借用人"), 360, 1530, 540, 180);
    text1_ = textBox("Text1", 1080, 1440, 4215, 375);
    command4_ =
        place<QPushButton>(this, "Command4", QStringLiteral("從名單選擇"), 5400, 1440, 1095, 375);
    check3_ =
        place<QCheckBox>(this, "Check3", QStringLiteral("加入借用人名單"), 1080, 1875, 1575, 375);
    place<QLabel>(this, "Label4", QStringLiteral("借用內容"), 240, 2460, 720, 180);
    text2_ = place<QPlainTextEdit>(this, "Text2", 1080, 2400, 5415, 1095);
    text2_->setFont(Fonts::editorText());
    text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text2_->setTabChangesFocus(true);
    check2_ =
        place<QCheckBox>(this, "Check2", QStringLiteral("加入物品清單"), 1080, 3555, 1455, 375);
    command3_ = place<QPushButton>(this, "Command3", QStringLiteral("從物品清單選擇"), 5040, 3600,
                                   1455, 375);
    place<QLabel>(this, "Label6", QStringLiteral("費用"), 600, 4200, 360, 180);
    text5_ = textBox("Text5", 1080, 4080, 1335, 375);
    place<QLabel>(this, "Label7", QStringLiteral("(選填) 若借用內容不是物品而是金錢請填在這欄"),
                  2640, 4200, 3765, 180);
    place<QLabel>(this, "Label5", QStringLiteral("預計歸還日"), 120, 4800, 900, 180);
    text3_ = textBox("Text3", 1080, 4680, 2295, 375);
    DialogLayout::line(this, "Line1", QColor(128, 128, 128), 0, 5280, 6840);
    DialogLayout::line(this, "Line2", QColor(255, 255, 255), 0, 5295, 6840);
    check1_ = place<QCheckBox>(this, "Check1", Texts::Returned, 120, 5520, 855, 375);
    text4_ = textBox("Text4", 1080, 5520, 2295, 375);
    command1_ = place<QPushButton>(this, "Command1", QStringLiteral("新增"), 3960, 5520, 1215, 375);
    command1_->setDefault(true);
    command2_ = place<QPushButton>(this, "Command2", QStringLiteral("取消"), 5280, 5520, 1215, 375);
}

void InputForm::buildTabOrder()
{
    const QList<QWidget*> order{combo1_,   text1_,  text2_, command1_, command2_, option1_,
                                option2_,  check1_, text0_, command3_, check2_,   check3_,
                                command4_, text4_,  text3_, text5_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    combo1_->setFocus();
}

QString InputForm::contentText() const
{
    return text2_->toPlainText().replace(kLf, kCrLf);
}

void InputForm::setContentText(const QString& text)
{
    text2_->setPlainText(QString(text).replace(kCrLf, kLf));
}

void InputForm::setCategoryText(const QString& text)
{
    const int index = combo1_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        combo1_->setCurrentIndex(index);
    combo1_->setEditText(text);
}

bool InputForm::isNewMode() const
{
    return windowTitle() == NewTitle;
}

// ---- OK ------------------------------------------------------------------------------------

void InputForm::Command1_Click()
{
    if (isNewMode() && main_.store().records.isFull()) {
        MessageBox::warning(
            this, QStringLiteral("最多只能新增 10000 筆資料，請刪除已歸還的過時資料以清出空間"));
        return;
    }
    removeQuotes();
    const EntryFields entry = fields();
    const QString fault = RecordEntry::firstFault(entry);
    if (!fault.isEmpty()) {
        MessageBox::warning(this, fault);
        return;
    }
    const LoanRecord record = RecordEntry::toRecord(entry);
    storeRecord(record);
    if (check2_->isChecked())
        addName(ListMode::items(), record.Content, UseForm::ItemTitle);
    if (check3_->isChecked())
        addName(ListMode::borrowers(), record.Borrower, UseForm::BorrowerTitle);
    updateMainList(record.Category);
    accept();
}

// The quotes stay removed from the boxes even when a later check fails.
void InputForm::removeQuotes()
{
    const QChar quote = QLatin1Char('"');
    if (text1_->text().contains(quote))
        text1_->setText(RecordEntry::withoutQuotes(text1_->text()));
    if (text2_->toPlainText().contains(quote))
        text2_->setPlainText(RecordEntry::withoutQuotes(text2_->toPlainText()));
    if (combo1_->currentText().contains(quote))
        combo1_->setEditText(RecordEntry::withoutQuotes(combo1_->currentText()));
}

EntryFields InputForm::fields() const
{
    EntryFields f;
    f.date = text0_->text();
    f.lentOut = option1_->isChecked();
    f.category = combo1_->currentText();
    f.borrower = text1_->text();
    f.content = contentText();
    f.amount = text5_->text();
    f.dueDate = text3_->text();
    f.returned = check1_->isChecked();
    f.returnDate = text4_->text();
    return f;
}

// A new record takes the next free slot; an edited one keeps its own.
void InputForm::storeRecord(const LoanRecord& record)
{
    RecordRegister& records = main_.store().recordRegister;
    if (isNewMode())
        records.append(record);
    else
        records.replace(EditIndex, record);
}

// The record is already stored, so a full list only costs the name, and the user is told.
void InputForm::addName(const ListMode& mode, const QString& name, const QString& listName)
{
    DataStore& store = main_.store();
    if (mode.listIn(store).append(name))
        return;
    MessageBox::warning(this, mode.fullText(store) +
                                  QStringLiteral("，「%1」沒有加入%2").arg(name, listName));
}

void InputForm::updateMainList(const QString& category)
{
    const QString filter = main_.categoryFilterText();
    if (filter != Texts::All && filter != category) {
        main_.setCategoryFilterText(category);
        if (!isNewMode())
            selectEditedRow();
    } else if (!isNewMode()) {
        main_.setCategoryFilterText(filter);
        selectEditedRow();
    }
}

void InputForm::selectEditedRow()
{
    const RecordListModel& model = main_.listModel();
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.slotAt(row) == EditIndex) {
            main_.selectRow(row);
            return;
        }
    }
}

// ---- the other controls --------------------------------------------------------------------

void InputForm::Command2_Click()
{
    reject();
}

void InputForm::Check1_Click()
{
    text4_->setText(check1_->isChecked() ? DateText::today() : QString());
}

void InputForm::Command3_Click()
{
    UseForm::open(*this, main_.store(), UseForm::ItemTitle);
}

void InputForm::Command4_Click()
{
    UseForm::open(*this, main_.store(), UseForm::BorrowerTitle);
}
