#include "ViewBench.h"

#include "Median.h"
#include "ui/main/RecordListModel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTableView>

#include <stdexcept>

namespace {
void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}
} // namespace

ViewBench::ViewBench(const QString& appDir, int expectedRecords, int runs)
    : store_(appDir), form_(store_, settings_), expectedRecords_(expectedRecords), runs_(runs)
{
    form_.Form_Load();
    paints_ = new PaintWatch(form_.ListView1()->viewport());
    form_.show();
    settle();
    require(form_.listModel().rowCount() == expectedRecords_,
            "the list does not show the register");
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
    const int before = paints_->count();
    int seen = before;
    do {
        seen = paints_->count();
        QCoreApplication::processEvents();
    } while (paints_->count() != seen);
    if (paints_->count() == before)
        form_.ListView1()->viewport()->repaint();
}

double ViewBench::refresh()
{
    require(form_.categoryFilterText() == Texts::All && form_.directionFilter() == 0 &&
                form_.statusFilter() == 0,
            "the filters are not all on 全部");
    const double ms = Median::ms(
        runs_,
        [&] {
            form_.MainDataShow();
            paint();
        },
        [&] { settle(); });
    require(form_.listModel().rowCount() == expectedRecords_, "the refresh lost rows");
    return ms;
}

double ViewBench::filterSwitch(const QString& category)
{
    QComboBox* combo = form_.Combo1();
    const int entry = combo->findText(category);
    require(entry > 0, "the category is not in the filter");
    const double ms = Median::ms(
        runs_,
        [&] {
            combo->setCurrentIndex(entry);
            form_.Combo1_Click();
            paint();
        },
        [&] {
            combo->setCurrentIndex(0);
            form_.Combo1_Click();
            settle();
        });
    const int rows = form_.listModel().rowCount();
    require(rows > expectedRecords_ / 4 && rows < expectedRecords_ / 2,
            "the category does not hold about a third of the register");
    combo->setCurrentIndex(0);
    form_.Combo1_Click();
    return ms;
}
