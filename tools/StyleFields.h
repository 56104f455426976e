// A plot style table as named fields: the one model behind the tool's export, import, editing
// and comparing of tables (JSON holds it as is; CSV and key=value texts convert to it).
#pragma once
#include "Csv.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace cli {

using Json = nlohmann::ordered_json;

// A table read from path, or null with the failure reported (rc then kFailed).
std::unique_ptr<CPlotStyleTable> loadTable(const std::string& path, int& rc);
// Writes the table safely to path; the command's exit code, failures reported.
int writeTable(CPlotStyleTable& table, const std::string& path);

// How a field's value is written: a text, a whole number, a decimal, true/false; "Or null"
// fields are null where they do not apply (no palette colour, no line weight in the table).
enum class FieldType { Text, Int, Real, Flag, IntOrNull, RealOrNull };

struct Field {
    const char* key;
    FieldType type;
};

// The fields of a style, in the order of the export; then those of the table itself.
const std::vector<Field>& styleFields();
const std::vector<Field>& tableFields();
// The field of that key among fields, or null.
const Field* findField(const std::vector<Field>& fields, const std::string& key);

// The whole table as JSON; empty error, or why a text cannot be carried (a character that is
// no Unicode).
Json tableToJson(const CPlotStyleTable& table, std::string& error);
// A table built from JSON of that form, or null with the error (where and why).
std::unique_ptr<CPlotStyleTable> tableFromJson(const Json& json, std::string& error);

// The table's JSON as CSV: a header "record,key,value" and the style fields, then a row per
// table field ("table", its key, its value), per custom line weight ("lineweight", index,
// millimetres) and per style ("style", position, empty, its fields). And back from such rows,
// whose columns may come in any order and style fields be left out (defaults).
std::string jsonToCsv(const Json& table);
Json csvToJson(const std::vector<CsvRow>& rows, std::string& error);

// One style's field as JSON.
Json styleField(const CPlotStyleTable& table, const CPlotStyle& style, const std::string& key);
// Sets one field of a style as an editor would: colour, palette index and millimetres go through
// their rules. Empty, or why the value was refused.
std::string setStyleField(const CPlotStyleTable& table, CPlotStyle& style, const std::string& key,
                          const Json& value);

// A value typed in a CSV cell or on the command line, as JSON of the field's type; empty
// error or why it is not one.
Json fieldFromText(FieldType type, const std::string& text, std::string& error);
// The same value as such a text.
std::string fieldToText(const Json& value);

} // namespace cli
