// Comma-separated values: quoting cells out and reading rows back.
#include "Csv.h"

namespace cli {

std::string csvLine(const CsvRow& cells)
{
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& c = cells[i];
        if (i)
            out += ',';
        if (c.find_first_of(",\"\r\n") == std::string::npos) {
            out += c;
            continue;
        }
        out += '"';
        for (const char ch : c)
            out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
        out += '"';
    }
    return out + "\r\n";
}

bool parseCsv(const std::string& text, std::vector<CsvRow>& rows, std::string& error)
{
    std::size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::size_t line = 1;
    CsvRow row;
    std::string cell;
    bool quoted = false;     // inside quotes
    bool rowStarted = false; // something of the current row was read
    std::size_t openedAt = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n';
                cell += c;
            }
            continue;
        }
        rowStarted = true;
        if (c == '"') {
            quoted = true;
            openedAt = line;
        } else if (c == ',') {
            row.push_back(std::move(cell));
            cell.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            row.push_back(std::move(cell));
            cell.clear();
            rows.push_back(std::move(row));
            row.clear();
            rowStarted = false;
        } else {
            cell += c;
        }
    }
    if (quoted) {
        error = "line " + std::to_string(openedAt) + ": a quoted cell is not closed";
        return false;
    }
    if (rowStarted) {
        row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    }
    return true;
}

} // namespace cli
