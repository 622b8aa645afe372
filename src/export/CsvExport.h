#pragma once

class MainForm;

namespace CsvExport {
// Writes the rows the record list shows to a comma-separated file beside the program.
void Date_Export_Click(MainForm& main);
} // namespace CsvExport
