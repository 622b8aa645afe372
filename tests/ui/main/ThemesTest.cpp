#include "support/WindowHarness.h"
#include "ui/editor/NamePicker.h"
#include "ui/widgets/Contrast.h"

#include <QApplication>
#include <QHeaderView>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// A dark theme as Fusion's users set one up: light text on dark windows and lists.
QPalette darkPalette()
{
    const QColor window(53, 53, 53), text(238, 238, 238);
    QPalette dark(window, window); // the shades of the window from it
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        dark.setColor(role, text);
    dark.setColor(QPalette::Base, QColor(36, 36, 36));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

// What an area of a picture shows: its most common colour, as the ground, and the pixel that
// stands out most from it, which on text is a glyph's wholly covered pixel.
struct Ink
{
    QColor ground, ink;
};

Ink inkIn(const QImage& picture, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[picture.pixel(x, y)];
    }
    const auto most = std::max_element(counts.cbegin(), counts.cend(),
                                       [](auto a, auto b) { return a.second < b.second; });
    const QRgb ground = most->first;
    QRgb ink = ground;
    for (const auto& [colour, count] : counts) {
        if (Contrast::ratio(QColor(colour), QColor(ground)) > Contrast::ratio(ink, ground))
            ink = colour;
    }
    return {QColor(ground), QColor(ink)};
}

int hueDistance(const QColor& a, const QColor& b)
{
    const int d = std::abs(a.hslHue() - b.hslHue()) % 360;
    return std::min(d, 360 - d);
}

struct PaletteGuard
{
    QPalette saved = QApplication::palette();
    ~PaletteGuard() { QApplication::setPalette(saved); }
};

// On the light palette everything looks as designed; on a dark one, set while the program runs,
// every text the program colours or sets on a ground of its own still reads (WCAG's 4.5 : 1),
// the list's colours keep their hues, the overdue cue still stands out, and the etched lines do
// not glare.
TEST(Themes, TextsReadOnLightAndDarkPalettesAndTheLightOneLooksAsDesigned)
{
    const QDate today = QDate::currentDate();
    WindowHarness h;
    h.addRecord("2026/01/01", "借出", "書", "王", "傘", {},
                today.addDays(-3).toString("yyyy/MM/dd"), "未歸還");
    h.addRecord("2026/01/02", "借入", "書", "李", "筆", {}, {}, "已歸還");
    h.settings().setValue("WinState", "0");
    auto& w = h.start();
    w.resize(900, 600);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    h.trigger(MainMenuItems::fontSize(16)); // glyphs with wholly covered pixels
    QTableView* list = h.list();
    QWidget* panel = w.centralWidget();
    NamePicker picker(NamePicker::Kind::Items, {});
    picker.show();

    const QPalette light = QApplication::palette();
    ASSERT_FALSE(Contrast::isDark(light));
    const PaletteGuard restore;
    const struct
    {
        int row, column;
        QColor designedInk, designedGround;
    } cells[] = {
        {0, 1, QColor(206, 0, 0), {}},     // 借出
        {0, 7, QColor(206, 0, 0), {}},     // 未歸還
        {1, 1, QColor(0, 0, 255), {}},     // 借入
        {0, 6, {}, QColor(255, 230, 170)}, // overdue
    };
    for (const QPalette& palette : {light, darkPalette(), light}) {
        const bool dark = Contrast::isDark(palette);
        SCOPED_TRACE(dark ? "dark" : "light");
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the windows hear of it by a posted event
        list->clearSelection();
        const QImage shown = list->viewport()->grab().toImage();
        for (const auto& c : cells) {
            SCOPED_TRACE(c.column);
            const Ink cell = inkIn(shown, list->visualRect(list->model()->index(c.row, c.column)));
            EXPECT_GE(Contrast::ratio(cell.ink, cell.ground), Contrast::Readable);
            if (c.designedInk.isValid()) {
                EXPECT_EQ(cell.ground, palette.color(QPalette::Base));
                EXPECT_EQ(cell.ink == c.designedInk, !dark) << cell.ink.name().toStdString();
                EXPECT_LE(hueDistance(cell.ink, c.designedInk), 3) << cell.ink.name().toStdString();
            } else {
                EXPECT_EQ(cell.ground == c.designedGround, !dark);
                EXPECT_NE(cell.ground, palette.color(QPalette::Base)) << "the cue stands out";
                EXPECT_LE(hueDistance(cell.ground, c.designedGround), 3);
            }
        }

        // The column headings, on the window's colour.
        const QHeaderView* header = list->horizontalHeader();
        const Ink heading = inkIn(header->viewport()->grab().toImage(),
                                  QRect(header->sectionViewportPosition(3), 0,
                                        header->sectionSize(3) - 1, header->height() - 1));
        EXPECT_EQ(heading.ground, palette.color(QPalette::Window));
        EXPECT_GE(Contrast::ratio(heading.ink, heading.ground), Contrast::Readable);

        // The filters' captions on the strip's stripes, each stripe against the text.
        const QImage strip = panel->grab().toImage();
        for (const char* name :
             {MainWindowControls::directionLentOut, MainWindowControls::statusNotReturned}) {
            SCOPED_TRACE(name);
            auto* button = panel->findChild<QRadioButton*>(name);
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect caption =
                button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
            const QRect area(button->mapTo(panel, caption.topLeft()), caption.size());
            const QColor ink = inkIn(strip, area).ink;
            for (int y = area.top(); y < area.top() + 3; ++y) {
                const QColor stripe = strip.pixelColor(area.left() - 2, y); // before the caption
                EXPECT_GE(Contrast::ratio(ink, stripe), Contrast::Readable);
                if (!dark) {
                    EXPECT_TRUE(stripe == Qt::white || stripe == QColor(234, 234, 234));
                }
            }
        }

        // The etched lines: as designed on light, no glare on dark.
        const QImage dialog = picker.grab().toImage();
        const struct
        {
            QImage image;
            QWidget* line;
            QColor designed;
        } lines[] = {
            {strip, panel->findChild<QWidget*>(MainWindowControls::filterStripLine),
             QColor(128, 128, 128)},
            {dialog, picker.findChild<QWidget*>(DialogSeparator::shadowLine),
             QColor(128, 128, 128)},
            {dialog, picker.findChild<QWidget*>(DialogSeparator::lightLine), QColor(255, 255, 255)},
        };
        for (const auto& l : lines) {
            SCOPED_TRACE(l.line->objectName().toStdString());
            const QWidget* window = l.line->window() == &w ? panel : l.line->window();
            const QColor colour = l.image.pixelColor(l.line->mapTo(window, QPoint(20, 0)));
            if (dark)
                EXPECT_LT(Contrast::ratio(colour, palette.color(QPalette::Window)), 3);
            else
                EXPECT_EQ(colour, l.designed);
        }
    }
}

} // namespace
