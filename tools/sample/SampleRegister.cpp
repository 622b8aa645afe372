#include "SampleRegister.h"

#include "store/DataStore.h"
#include "system/Cp950.h"

#include <QDate>

#include <algorithm>
#include <random>

namespace {

const QStringList kCategories{
    QStringLiteral("書籍"),     QStringLiteral("電子產品"),   QStringLiteral("工具"),
    QStringLiteral("現金"),     QStringLiteral("文具"),       QStringLiteral("廚具"),
    QStringLiteral("衣物"),     QStringLiteral("運動用品"),   QStringLiteral("影音光碟"),
    QStringLiteral("遊戲"),     QStringLiteral("露營用品"),   QStringLiteral("相機器材"),
    QStringLiteral("樂器"),     QStringLiteral("玩具"),       QStringLiteral("家電"),
    QStringLiteral("園藝工具"), QStringLiteral("汽機車用品"), QStringLiteral("雨具"),
    QStringLiteral("電腦周邊"), QStringLiteral("漫畫"),       QStringLiteral("雜誌"),
    QStringLiteral("旅行用品"), QStringLiteral("嬰兒用品"),   QStringLiteral("醫療用品"),
    QStringLiteral("清潔用品"), QStringLiteral("手工藝品"),   QStringLiteral("收藏品"),
    QStringLiteral("辦公用品"), QStringLiteral("證件文件"),   QStringLiteral("其他")};

const QStringList kSurnames{QStringLiteral("陳"), QStringLiteral("林"),   QStringLiteral("黃"),
                            QStringLiteral("張"), QStringLiteral("李"),   QStringLiteral("王"),
                            QStringLiteral("吳"), QStringLiteral("劉"),   QStringLiteral("蔡"),
                            QStringLiteral("楊"), QStringLiteral("許"),   QStringLiteral("鄭"),
                            QStringLiteral("謝"), QStringLiteral("郭"),   QStringLiteral("洪"),
                            QStringLiteral("曾"), QStringLiteral("歐陽"), QStringLiteral("司馬")};

const QStringList kGiven{
    QStringLiteral("志"), QStringLiteral("明"), QStringLiteral("美"), QStringLiteral("玲"),
    QStringLiteral("俊"), QStringLiteral("傑"), QStringLiteral("淑"), QStringLiteral("芬"),
    QStringLiteral("家"), QStringLiteral("豪"), QStringLiteral("雅"), QStringLiteral("婷"),
    QStringLiteral("宗"), QStringLiteral("翰"), QStringLiteral("怡"), QStringLiteral("君"),
    QStringLiteral("建"), QStringLiteral("宏"), QStringLiteral("佳"), QStringLiteral("慧")};

const QStringList kRelations{QStringLiteral("同事"),     QStringLiteral("鄰居"),
                             QStringLiteral("表哥"),     QStringLiteral("大學同學"),
                             QStringLiteral("公司主管"), QStringLiteral("社區管理委員會")};

const QStringList kItems{QStringLiteral("《紅樓夢》第三冊"),
                         QStringLiteral("筆記型電腦"),
                         QStringLiteral("電鑽"),
                         QStringLiteral("現金"),
                         QStringLiteral("雨傘"),
                         QStringLiteral("行動電源"),
                         QStringLiteral("露營帳篷（四人）"),
                         QStringLiteral("單眼相機與 50mm 鏡頭"),
                         QStringLiteral("吉他"),
                         QStringLiteral("電動螺絲起子組"),
                         QStringLiteral("羽球拍"),
                         QStringLiteral("電子鍋"),
                         QStringLiteral("行李箱 28 吋"),
                         QStringLiteral("投影機"),
                         QStringLiteral("《哈利波特》全套"),
                         QStringLiteral("延長線"),
                         QStringLiteral("嬰兒推車"),
                         QStringLiteral("梯子"),
                         QStringLiteral("桌遊：卡坦島"),
                         QStringLiteral("外接硬碟 2TB")};

const QStringList kNotes{
    QStringLiteral("附說明書"),         QStringLiteral("盒子有點破損"),
    QStringLiteral("下個月中旬前要還"), QStringLiteral("說好用完會充飽電再還"),
    QStringLiteral("已提醒過兩次"),     QStringLiteral("借給他搬家用，含所有配件與收納袋"),
    QStringLiteral("利息另計"),         QStringLiteral("分三期歸還")};

// A fixed seed: every run of the bench works on the same register.
constexpr unsigned kSeed = 20240105;
constexpr int kUncategorisedPercent = 2;

class Picker
{
public:
    Picker(const QDate& first, int days) : engine_(kSeed), first_(first), days_(days) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool percent(int p) { return below(100) < p; }
    const QString& from(const QStringList& list) { return list.at(below(list.size())); }

    QDate date() { return first_.addDays(below(days_)); }

private:
    std::mt19937 engine_;
    QDate first_;
    int days_;
};

QString dateText(QDate d)
{
    return d.toString(QStringLiteral("yyyy/MM/dd"));
}

QString borrower(Picker& pick)
{
    QString name = pick.from(kSurnames) + pick.from(kGiven);
    if (pick.percent(60))
        name += pick.from(kGiven);
    if (pick.percent(25))
        name = pick.from(kRelations) + name;
    return name;
}

QString content(Picker& pick)
{
    QString text = pick.from(kItems);
    for (int n = pick.below(4); n > 0; --n)
        text += QStringLiteral("，") + pick.from(kNotes);
    return text;
}

QString category(Picker& pick)
{
    if (pick.percent(kUncategorisedPercent))
        return Texts::Uncategorised;
    if (pick.below(3) == 0)
        return kCategories.first();
    return kCategories.at(1 + pick.below(kCategories.size() - 1));
}

QString amount(Picker& pick, const QString& category)
{
    if (category != QStringLiteral("現金") && !pick.percent(35))
        return {};
    QString text = QString::number(100 + pick.below(50000));
    if (pick.percent(10))
        text += QStringLiteral(".5");
    return text;
}

LoanRecord record(Picker& pick)
{
    LoanRecord r;
    const QDate lent = pick.date();
    r.Date = dateText(lent);
    r.Direction = pick.percent(60) ? Texts::LentOut : Texts::BorrowedIn;
    r.Category = category(pick);
    r.Borrower = borrower(pick);
    r.Content = content(pick);
    r.Amount = amount(pick, r.Category);
    if (pick.percent(60))
        r.DueDate = dateText(lent.addDays(7 + pick.below(180)));
    const int status = pick.below(100);
    if (status < 45)
        r.Status = Texts::NotReturned;
    else if (status < 70)
        r.Status = Texts::Returned;
    else
        r.Status = dateText(lent.addDays(1 + pick.below(365)));
    return r;
}

QStringList itemNames()
{
    QStringList names = kItems;
    for (const QString& relation : kRelations)
        names += relation + QStringLiteral("的") + kItems.first();
    return names;
}

QStringList borrowerNames()
{
    QStringList names;
    for (const QString& surname : kSurnames)
        for (int g = 0; g + 1 < kGiven.size(); g += 2)
            names += surname + kGiven.at(g) + kGiven.at(g + 1);
    return names;
}

} // namespace

namespace SampleRegister {

QString largeCategory()
{
    return kCategories.first();
}

QStringList categories()
{
    return kCategories;
}

QList<LoanRecord> records(int count, const QDate& first, int days)
{
    Picker pick(first, days);
    QList<LoanRecord> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(record(pick));
    return list;
}

QList<LoanRecord> recentRecords(int count, const QDate& today)
{
    const QDate first = today.addYears(-3);
    QList<LoanRecord> list = records(count, first, static_cast<int>(first.daysTo(today)));
    // Nothing comes back after today.
    for (LoanRecord& r : list) {
        if (QDate::fromString(r.Status, QStringLiteral("yyyy/MM/dd")) > today)
            r.Status = Texts::Returned;
    }
    // Entered as they happened: the newest last.
    std::stable_sort(list.begin(), list.end(),
                     [](const LoanRecord& a, const LoanRecord& b) { return a.Date < b.Date; });
    return list;
}

bool write(const QString& appDir, const QList<LoanRecord>& records, QString* error)
{
    const QString vocabulary =
        (kCategories + kSurnames + kGiven + kRelations + kItems + kNotes).join(QString()) +
        Texts::Uncategorised;
    if (!Cp950::canEncode(vocabulary)) {
        *error = QStringLiteral("sample text is not Big5-encodable");
        return false;
    }
    DataStore store(appDir);
    for (const LoanRecord& r : records)
        store.recordRegister().append(r);
    store.lists().categories.assign(kCategories);
    store.lists().items.assign(itemNames());
    store.lists().borrowers.assign(borrowerNames());
    return store.saveRecords(error) &&
           store.saveList(store.lists().categories, DataFiles::Categories, error) &&
           store.saveList(store.lists().items, DataFiles::Items, error) &&
           store.saveList(store.lists().borrowers, DataFiles::Borrowers, error);
}

} // namespace SampleRegister
