#pragma once

#include "store/FileProblem.h"

#include <QList>

class QWidget;

// What loading found wrong with the data files, told at start-up.
namespace LoadProblems {

// One message for each file, naming its copy once.
void report(QWidget* parent, const QList<FileProblem>& problems);

} // namespace LoadProblems
