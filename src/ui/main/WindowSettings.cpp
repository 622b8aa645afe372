#include "ui/main/WindowSettings.h"

#include "store/LoanRecord.h"
#include "system/SettingsStore.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTableView>

namespace {
const QSize kMinimumOuterSize(688, 556);
constexpr int kWinStateNormal = 0;
constexpr int kWinStateMaximized = 2;
// The filters' keys, which earlier versions named after the filters' controls.
const QString kDirectionKey = QStringLiteral("Option1");
const QString kStatusKey = QStringLiteral("Option2");
const QString kCategoryKey = QStringLiteral("Combo1");

QString twipsText(int pixels)
{
    return QString::number(Twips::fromPixels(pixels));
}

QString columnKey(int column)
{
    return QStringLiteral("LW%1").arg(column + 1);
}

// A stored place on a screen that has gone since, or a size beyond the screens, brought within
// reach.
QRect fitToScreens(const QRect& outer)
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    return ScreenFit::fit(outer, areas, primary ? primary->availableGeometry() : QRect());
}
} // namespace

WindowSettings::WindowSettings(QMainWindow& window, QTableView& list, SettingsStore& settings)
    : window_(window), list_(list), settings_(settings)
{
    window_.setMinimumSize(kMinimumOuterSize);
}

void WindowSettings::restoreWindow()
{
    for (int c = 0; c < LoanRecord::FieldCount; ++c) {
        if (const auto twips = settings_.number(columnKey(c), 0, 1e6))
            list_.setColumnWidth(c, static_cast<int>(*twips / Twips::PerPixel));
    }
    const int state = settings_.wholeNumber(QStringLiteral("WinState"), 0, 2).value_or(2);
    if (state != kWinStateNormal) {
        // Any state but normal that the program did not write opens maximized, as a first run.
        window_.setWindowState(Qt::WindowMaximized);
        return;
    }
    QRect frame = window_.frameGeometry();
    const auto left = settings_.number(QStringLiteral("Left"), -1e6, 1e6);
    const auto top = settings_.number(QStringLiteral("Top"), -1e6, 1e6);
    const auto width = settings_.number(QStringLiteral("Width"), 0, 1e6);
    const auto height = settings_.number(QStringLiteral("Height"), 0, 1e6);
    if (left)
        frame.moveLeft(static_cast<int>(*left / Twips::PerPixel));
    if (top)
        frame.moveTop(static_cast<int>(*top / Twips::PerPixel));
    if (width)
        frame.setWidth(static_cast<int>(*width / Twips::PerPixel));
    if (height)
        frame.setHeight(static_cast<int>(*height / Twips::PerPixel));
    frame = fitToScreens(frame);
    window_.move(frame.topLeft());
    window_.resize(frame.size());
    pendingOuterSize_ = frame.size();
    window_.setWindowState(Qt::WindowNoState);
}

int WindowSettings::fontSize() const
{
    return settings_.wholeNumber(QStringLiteral("Font"), 9, 16).value_or(9);
}

void WindowSettings::storeFontSize(int size)
{
    settings_.setValue(QStringLiteral("Font"), QString::number(size));
    settings_.sync();
}

WindowSettings::Filters WindowSettings::filters(int categoryCount) const
{
    return {settings_.wholeNumber(kDirectionKey, 0, 2).value_or(0),
            settings_.wholeNumber(kStatusKey, 0, 2).value_or(0),
            settings_.wholeNumber(kCategoryKey, 0, categoryCount - 1).value_or(0)};
}

QString WindowSettings::startNotice() const
{
    if (settings_.unusableReason().isEmpty())
        return {};
    return QStringLiteral("無法讀取設定檔 %1（%2）。\n這次開啟使用預設的視窗大小與位置、欄寬、字型"
                          "大小和篩選條件，結束時也無法儲存設定。")
        .arg(settings_.fileName(), settings_.unusableReason());
}

QString WindowSettings::save(const Filters& filters)
{
    for (int c = 0; c < LoanRecord::FieldCount; ++c)
        settings_.setValue(columnKey(c), twipsText(list_.columnWidth(c)));
    if (!window_.isMinimized()) {
        const bool maximized = window_.isMaximized();
        settings_.setValue(QStringLiteral("WinState"),
                           QString::number(maximized ? kWinStateMaximized : kWinStateNormal));
        if (!maximized && !window_.isFullScreen()) {
            const QRect frame = window_.frameGeometry();
            settings_.setValue(QStringLiteral("Left"), twipsText(frame.left()));
            settings_.setValue(QStringLiteral("Top"), twipsText(frame.top()));
            settings_.setValue(QStringLiteral("Width"), twipsText(frame.width()));
            settings_.setValue(QStringLiteral("Height"), twipsText(frame.height()));
        }
    }
    settings_.setValue(kDirectionKey, QString::number(filters.direction));
    settings_.setValue(kStatusKey, QString::number(filters.status));
    settings_.setValue(kCategoryKey, QString::number(filters.category));
    // Told once, here: the font size is stored at every change, and would fail as often. A file
    // that could not be used at all was told of at the start.
    if (settings_.sync() || !settings_.unusableReason().isEmpty())
        return {};
    return QStringLiteral("無法儲存設定到 %1。\n下次開啟時，視窗的大小與位置、欄寬、字型大小和"
                          "篩選條件會是預設值。")
        .arg(settings_.fileName());
}

void WindowSettings::windowEvent(const QEvent* event)
{
    if (window_.isVisible() && !window_.isMaximized() && !window_.isFullScreen() &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
         event->type() == QEvent::Show)) {
        const QSize frame = window_.frameGeometry().size() - window_.size();
        if (!frame.isEmpty())
            followFrame(frame);
    }
}

void WindowSettings::followFrame(const QSize& frame)
{
    window_.setMinimumSize(kMinimumOuterSize - frame);
    if (pendingOuterSize_) {
        window_.resize(*pendingOuterSize_ - frame);
        pendingOuterSize_.reset();
    }
}
