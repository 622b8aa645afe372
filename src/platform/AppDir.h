#pragma once

#include <QString>

// The program's own directory, ending in "/": every data file lives there.
QString AppDir();
