// Comma-separated values as spreadsheets write them (RFC 4180): quoting out, rows in.
#pragma once
#include <string>
#include <vector>

namespace cli {

using CsvRow = std::vector<std::string>;

// One line with its "\r\n", each cell quoted where it holds a comma, quote or line break.
std::string csvLine(const CsvRow& cells);
// The rows of a text (a byte-order mark first is skipped; "\n" alone also ends a row); false
// with the line where a quoted cell is not closed.
bool parseCsv(const std::string& text, std::vector<CsvRow>& rows, std::string& error);

} // namespace cli
