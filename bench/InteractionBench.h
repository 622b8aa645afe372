#pragma once

#include <QString>

class Report;

// The interactions whose work need not grow with the data, timed at the largest inputs the
// program accepts: hovering over a long cell, the record editor opened on the longest record and
// closed with its OK button unchanged, the list's font made larger, the pick dialog of a full item
// list. Each register is worked by a child process of the bench driving the main window with input
// events, several times for the wall-clock medians and once under callgrind for the instruction
// counts, which do not depend on the load of the machine.
namespace InteractionBench {

// The hidden first argument that makes the bench such a child: <flag> <register> <appDir>.
inline constexpr char Flag[] = "--interactions";

// Runs in the child: works the register's interactions once, printing "<name> <milliseconds>"
// for each and, under callgrind, dumping the instructions of each under its name.
int runChild(int argc, char** argv);

// Writes the registers into workDir and sets, for each interaction and register, its median
// wall time "<name>_<register>" and, when valgrind is there, its instructions in millions
// "<name>_<register>_minstr".
void measure(Report& report, const QString& workDir, int runs);

// Prints each interaction's target with PASS or MISS; returns the number missed.
int printTargets(const Report& report);

} // namespace InteractionBench
