#pragma once

#include <QString>

#include <functional>

// A real file system of a given size (tmpfs): when it is full a write fails with ENOSPC, as on a
// full disk, and the space that files take and give back is counted by the kernel. It is mounted
// in a child process with mounts of its own, so that nothing outside sees it and it goes with
// the child.
//
// Runs work there, given the folder it is mounted on, and returns what work returned, or why the
// file system could not be had or the child did not end normally.
QString onSmallDisk(qint64 bytes, const std::function<QString(const QString& folder)>& work);
