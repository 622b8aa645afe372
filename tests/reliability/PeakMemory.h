#pragma once

#include <QtGlobal>

// This process's resident memory as the kernel counts it (/proc/self/status), and a way to start
// counting its peak afresh (/proc/self/clear_refs), so that one step's peak can be measured.
namespace PeakMemory {

void resetPeak();
qint64 peakBytes();
qint64 residentBytes();

} // namespace PeakMemory
