#pragma once

class MainForm;

namespace CsvExport {
// Writes the rows the record list shows to a comma-separated file beside the program, named
// after the direction filter, and tells the user where it went (or why it could not be written).
void Date_Export_Click(MainForm& main);
} // namespace CsvExport
