#include "export/CsvExport.h"

namespace CsvExport {
void Date_Export_Click(MainForm&) {}
} // namespace CsvExport
