#pragma once

#include <QString>

// The folder the program runs from, ending in "/": every data file lives there.
QString programFolder();
