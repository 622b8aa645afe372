#include "ViewBench.h"

#include "Median.h"

#include "store/Overdue.h"
#include "ui/people/PeopleWindow.h"

#include <QAbstractButton>
#include <QComboBox>
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
    list_ = window_.findChild<QTableView*>(QStringLiteral("ListView1"));
    categories_ = window_.findChild<QComboBox*>(QStringLiteral("Combo1"));
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

// The events the refresh raised, until the list has settled: its delayed layout, its updates
// and their paints. A paint is forced only when those events brought none, so that every
// timing holds the list's painting once and none holds it twice.
void ViewBench::paint()
{
    paint(*paints_, list_->viewport());
}

void ViewBench::paint(const PaintWatch& watch, QWidget* viewport)
{
    const int before = watch.count();
    int seen = before;
    do {
        seen = watch.count();
        QCoreApplication::processEvents();
    } while (watch.count() != seen);
    if (watch.count() == before)
        viewport->repaint();
}

double ViewBench::refresh()
{
    const auto* direction = window_.findChild<QAbstractButton*>(QStringLiteral("Option1_0"));
    const auto* status = window_.findChild<QAbstractButton*>(QStringLiteral("Option2_0"));
    require(categories_->currentIndex() == 0 && direction->isChecked() && status->isChecked(),
            "the filters are not all on 全部");
    const double ms = Median::ms(
        runs_,
        [&] {
            window_.MainDataShow();
            paint();
        },
        [&] { settle(); });
    require(list_->model()->rowCount() == expectedRecords_, "the refresh lost rows");
    return ms;
}

double ViewBench::filterSwitch(const QString& category)
{
    const int entry = categories_->findText(category);
    require(entry > 0, "the category is not in the filter");
    const double ms = Median::ms(
        runs_,
        [&] {
            categories_->setCurrentIndex(entry);
            window_.showRecords();
            paint();
        },
        [&] {
            categories_->setCurrentIndex(0);
            window_.showRecords();
            settle();
        });
    const int rows = list_->model()->rowCount();
    require(rows > expectedRecords_ / 4 && rows < expectedRecords_ / 2,
            "the category does not hold about a third of the register");
    categories_->setCurrentIndex(0);
    window_.showRecords();
    return ms;
}

ViewBench::PeopleTiming ViewBench::people(int expectedPeople)
{
    const QDate today = QDate::currentDate();
    int overdue = 0;
    std::unique_ptr<PeopleWindow> summary;
    const std::vector<double> ms = Median::ms(
        runs_, {{[&] {
                     window_.MainDataShow();
                     paint();
                 },
                 [&] { settle(); }},
                {[&] {
                     overdue = 0;
                     for (int i = 1; i < store_.records.RecordNext(); ++i)
                         overdue += isOverdue(store_.records[i], today) ? 1 : 0;
                 },
                 {}},
                {[&] {
                     summary = std::make_unique<PeopleWindow>(store_.recordRegister, today,
                                                              list_->font(), &window_);
                     summary->show();
                     QWidget* rows =
                         summary->findChild<QTableView*>(QStringLiteral("PeopleList"))->viewport();
                     paint(*new PaintWatch(rows), rows);
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
