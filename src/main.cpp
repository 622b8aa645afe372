#include "Product.h"
#include "store/DataStore.h"
#include "system/FolderLock.h"
#include "system/ProgramFolder.h"
#include "system/SettingsStore.h"
#include "system/TerminationSignals.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/MessageBox.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Desktops match the window to its launcher, kelvora.desktop, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvora"));
    Fonts::install();
    // Installed first, so that a request to end at any time from here on is served.
    TerminationSignals termination;

    const QString folder = programFolder();
    FolderLock lock(folder);
    const FolderLock::Result locked = lock.acquire();
    // Also on the standard error, for a start from a terminal or a script.
    const QString lockNotice = lock.notice(locked);
    if (!lockNotice.isEmpty())
        qWarning("%s", qUtf8Printable(lockNotice));
    if (locked == FolderLock::Result::InUse) {
        // quit() would wait for app.exec(); exit() also ends the message box's loop.
        QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                         [] { QCoreApplication::exit(1); });
        MessageBox::warning(nullptr, lockNotice);
        return 1; // nothing was read or written
    }

    DataStore store(folder);
    SettingsStore::keepBesideProgramIfThere(folder);
    SettingsStore settings;
    MainWindow window(store, settings);
    // Ending the program through the session closes the window, which saves as a user's close does.
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window,
                     &MainWindow::endBySession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &MainWindow::endBySession);
    window.load();
    // After the start-up's own messages, so that a session ending meanwhile finds the records
    // loaded and saves them.
    if (!lockNotice.isEmpty() && !window.hasShutDown())
        MessageBox::warning(&window, lockNotice);
    if (window.hasShutDown())
        return 0; // ended during a start-up message; everything is saved already
    window.show();
    return app.exec();
}
