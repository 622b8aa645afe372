#include "platform/AppDir.h"
#include "platform/Fonts.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"
#include "store/DataStore.h"
#include "ui/main/MainForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallFonts();

    DataStore store(AppDir());
    SettingsStore settings;
    MainForm form(store, settings);
    // Ending the program through the session closes the window, which saves as a user's close does.
    // Installed before start-up, so that a request at any time from here on goes the same way.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form,
                     &MainForm::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, &MainForm::close);
    form.Form_Load();
    if (form.hasShutDown())
        return 0; // ended during a start-up message; everything is saved already
    form.show();
    return app.exec();
}
