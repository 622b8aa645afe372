#include "ui/main/RecordCommands.h"

#include "ui/main/MainForm.h"

namespace RecordCommands {

void Data_New_Click(MainForm&) {}
void ListView1_DblClick(MainForm&) {}
void Data_Del_Click(MainForm&) {}
void Data_Clear_Click(MainForm&) {}

} // namespace RecordCommands
