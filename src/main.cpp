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
    InstallFontSubstitutions();

    DataStore store(AppDir());
    SettingsStore settings;
    MainForm form(store, settings);
    form.Form_Load();
    form.show();

    // Ending the program through the session closes the window, which saves as a user's close does.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form,
                     &MainForm::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, &MainForm::close);
    return app.exec();
}
