#include "ViewBench.h"

#include "Median.h"

#include "store/Overdue.h"
#include "ui/ControlNames.h"
#include "ui/main/RecordListPanel.h"
#include "ui/people/PeopleWindow.h"

#include <QCoreApplication>
#include <QTableView>

#include <memory>
#include <stdexcept>

namespace {
void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}
} // namespace

ViewBench::ViewBench(const QString& appDir, int expectedRecords, int runs)
    : store_(appDir), window_(store_, settings_), expectedRecords_(expectedRecords), runs_(runs)
{
    window_.load();
    list_ = window_.findChild<QTableView*>(QLatin1String(MainWindowControls::recordList));
    panel_ = window_.findChild<RecordListPanel*>();
    paints_ = new PaintWatch(list_->viewport());
    window_.show();
    settle();
    require(list_->model()->rowCount() == expectedRecords_, "the list does not show the register");
}

void ViewBench::settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void ViewBench::paint()
{
    paints_->paintSettled();
}

double ViewBench::refresh()
{
    const RecordFilter filter = panel_->filter();
    require(filter.category == Texts::All && filter.direction == 0 && filter.status == 0,
            "the filters are not all on 全部");
    const double ms = Median::ms(
        runs_,
        [&] {
            panel_->chooseCategory(Texts::All);
            paint();
        },
        [&] { settle(); });
    require(list_->model()->rowCount() == expectedRecords_, "the refresh lost rows");
    return ms;
}

double ViewBench::filterSwitch(const QString& category)
{
    const double ms = Median::ms(
        runs_,
        [&] {
            panel_->chooseCategory(category);
            paint();
        },
        [&] {
            panel_->chooseCategory(Texts::All);
            settle();
        });
    const int rows = list_->model()->rowCount();
    require(panel_->filter().category == category, "the category is not in the filter");
    require(rows > expectedRecords_ / 4 && rows < expectedRecords_ / 2,
            "the category does not hold about a third of the register");
    panel_->chooseCategory(Texts::All);
    return ms;
}

ViewBench::PeopleTiming ViewBench::people(int expectedPeople)
{
    const QDate today = QDate::currentDate();
    int overdue = 0;
    std::unique_ptr<PeopleWindow> summary;
    const std::vector<double> ms = Median::ms(
        runs_, {{[&] {
                     panel_->chooseCategory(Texts::All);
                     paint();
                 },
                 [&] { settle(); }},
                {[&] {
                     overdue = 0;
                     for (int slot : store_.records().filledSlots())
                         overdue += isOverdue(store_.records()[slot], today) ? 1 : 0;
                 },
                 {}},
                {[&] {
                     summary = std::make_unique<PeopleWindow>(store_.recordRegister(), today,
                                                              list_->font(), &window_);
                     summary->show();
                     QWidget* rows =
                         summary->findChild<QTableView*>(QLatin1String(PeopleWindowControls::list))
                             ->viewport();
                     (new PaintWatch(rows))->paintSettled();
                 },
                 [&] {
                     summary.reset();
                     settle();
                 }}});
    require(summary->findChild<QTableView*>()->model()->rowCount() == expectedPeople,
            "the summary does not show every party");
    require(overdue > 0, "nothing is overdue");
    summary.reset();
    return {ms[0], ms[1], ms[2]};
}
