#pragma once

class MainForm;

// The commands that change the register from the main window: new, edit, delete ticked, clear
// returned.
namespace RecordCommands {

void Data_New_Click(MainForm& main);
void ListView1_DblClick(MainForm& main);
void Data_Del_Click(MainForm& main);
void Data_Clear_Click(MainForm& main);

} // namespace RecordCommands
