#pragma once

#include <QList>
#include <QStringList>

// The program's start-up timed from outside: the bench runs itself again as a child process that
// goes through main's steps over a given program folder and reports when the main window first
// painted its list, and its peak memory then and once the window has been closed (and the
// register saved).
namespace StartupProbe {

// The hidden first argument that makes the bench a start-up child: <flag> <appDir> <settingsDir>.
inline constexpr char Flag[] = "--startup";

// Runs in the child, before anything else: prints "<milliseconds> <peak RSS in MB> <rows shown>
// <peak RSS in MB at the close>".
int runChild(int argc, char** argv);

struct Sample
{
    double ms = 0;
    double rssMb = 0;
    int rows = 0;
    double closedRssMb = 0;
};

// The median of runs start-ups over each program folder, the folders taken in turn so that
// the machine's changing load spreads over all of them alike. Throws when a child fails or
// does not show the expected number of rows.
QList<Sample> measure(const QStringList& appDirs, const QList<int>& expectedRows,
                      const QString& settingsDir, int runs);

} // namespace StartupProbe
