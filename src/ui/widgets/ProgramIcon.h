#pragma once

#include <QIcon>

// The program's icon, drawn for each of these sizes in pixels, so that neither a panel's small
// icon nor a dock's large one is scaled from another size.
namespace ProgramIcon {

inline constexpr int Sizes[] = {16, 24, 32, 48, 64, 128, 256};

QIcon icon();

} // namespace ProgramIcon
