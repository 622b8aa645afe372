#include "Product.h"
#include "platform/AppDir.h"
#include "platform/FolderLock.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"
#include "store/DataStore.h"
#include "ui/main/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Desktops match the window to its launcher, kelvora.desktop, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvora"));
    Fonts::install();
    // Installed first, so that a request to end at any time from here on is served.
    TerminationSignals termination;

    const QString appDir = AppDir();
    FolderLock lock(appDir);
    if (lock.acquire() == FolderLock::Result::InUse) {
        const QString text = QStringLiteral("%1 已經在使用這個資料夾：\n%2\n\n同一個資料夾一次只能"
                                            "開啟一個 %1，請使用已經開啟的視窗。")
                                 .arg(Product::Name, appDir);
        qWarning("%s", qUtf8Printable(text));
        // quit() would wait for app.exec(); exit() also ends the message box's loop.
        QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                         [] { QCoreApplication::exit(1); });
        MessageBox::warning(nullptr, text);
        return 1; // nothing was read or written
    }

    DataStore store(appDir);
    SettingsStore::keepBesideProgramIfThere(appDir);
    SettingsStore settings;
    MainWindow window(store, settings);
    // Ending the program through the session closes the window, which saves as a user's close does.
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window,
                     &MainWindow::endBySession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &MainWindow::endBySession);
    window.load();
    if (window.hasShutDown())
        return 0; // ended during a start-up message; everything is saved already
    window.show();
    return app.exec();
}
