// Plot style tables as CSV: the JSON model flattened into rows for spreadsheets, and back.
#include "StyleFields.h"

#include <map>

namespace cli {

std::string jsonToCsv(const Json& table)
{
    CsvRow header = {"record", "key", "value"};
    for (const Field& f : styleFields())
        header.push_back(f.key);
    std::string out = csvLine(header);
    for (const Field& f : tableFields())
        out += csvLine({"table", f.key, fieldToText(table[f.key])});
    const Json& weights = table["custom_lineweights"];
    for (std::size_t i = 0; i < weights.size(); ++i)
        out += csvLine({"lineweight", std::to_string(i), fieldToText(weights[i])});
    const Json& styles = table["styles"];
    for (std::size_t i = 0; i < styles.size(); ++i) {
        CsvRow row = {"style", std::to_string(i), ""};
        for (const Field& f : styleFields())
            row.push_back(fieldToText(styles[i][f.key]));
        out += csvLine(row);
    }
    return out;
}

namespace {

// A cell that is no UTF-8 would reach the table as other characters.
bool isUtf8(const std::string& text)
{
    const Json probe = text;
    try {
        (void)probe.dump();
        return true;
    } catch (const Json::type_error&) {
        return false;
    }
}

bool position(const std::string& text, std::size_t limit, std::size_t& out)
{
    std::size_t v = 0;
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    v = std::stoul(text);
    out = v;
    return v < limit;
}

} // namespace

Json csvToJson(const std::vector<CsvRow>& rows, std::string& error)
{
    const auto refuse = [&error](std::size_t row, const std::string& why) {
        error = "row " + std::to_string(row + 1) + ": " + why;
        return Json();
    };
    if (rows.empty())
        return refuse(0, "expects the header \"record,key,value\" and the style fields");
    const CsvRow& header = rows[0];
    std::map<std::string, std::size_t> column;
    for (std::size_t c = 0; c < header.size(); ++c) {
        const std::string& h = header[c];
        if (h != "record" && h != "key" && h != "value" && !findField(styleFields(), h))
            return refuse(0, "column \"" + h + "\" is no style field");
        if (!column.emplace(h, c).second)
            return refuse(0, "column \"" + h + "\" comes twice");
    }
    for (const char* needed : {"record", "key", "value"})
        if (!column.count(needed))
            return refuse(0, std::string("expects a column \"") + needed + "\"");

    Json out = Json::object();
    CCustomLineweightTable defaults;
    Json weights = Json::array();
    for (int i = 0; i < CCustomLineweightTable::kSize; ++i)
        weights.push_back(defaults.at(i));
    std::map<std::size_t, Json> styles;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.size() == 1 && row[0].empty())
            continue; // a blank line
        if (row.size() > header.size())
            return refuse(r, "has more cells than the header");
        const auto cell = [&row, &column](const std::string& name) {
            const std::size_t c = column.at(name);
            return c < row.size() ? row[c] : std::string();
        };
        for (const std::string& c : row)
            if (!isUtf8(c))
                return refuse(r, "holds text that is no UTF-8");
        const std::string record = cell("record");
        const std::string key = cell("key");
        std::string why;
        if (record == "table") {
            const Field* f = findField(tableFields(), key);
            if (!f)
                return refuse(r, "\"" + key + "\" is no field of a table");
            out[key] = fieldFromText(f->type, cell("value"), why);
            if (!why.empty())
                return refuse(r, key + ": " + why);
        } else if (record == "lineweight") {
            std::size_t i = 0;
            if (!position(key, CCustomLineweightTable::kSize, i))
                return refuse(r, "a custom line weight's key is its index, 0 to 26");
            weights[i] = fieldFromText(FieldType::Real, cell("value"), why);
            if (!why.empty())
                return refuse(r, "line weight " + key + ": " + why);
        } else if (record == "style") {
            std::size_t i = 0;
            if (!position(key, rows.size(), i) || styles.count(i))
                return refuse(r, "a style's key is its position: 0, 1, 2, ..., each once");
            Json style = Json::object();
            for (const Field& f : styleFields()) {
                if (!column.count(f.key))
                    continue;
                const std::string text = cell(f.key);
                // An empty number or flag takes the default; an empty text is a value.
                if (text.empty() && (f.type == FieldType::Int || f.type == FieldType::Real || f.type == FieldType::Flag))
                    continue;
                style[f.key] = fieldFromText(f.type, text, why);
                if (!why.empty())
                    return refuse(r, std::string(f.key) + ": " + why);
            }
            styles[i] = style;
        } else {
            return refuse(r, "record \"" + record + "\" is none of table, lineweight, style");
        }
    }
    Json list = Json::array();
    for (const auto& s : styles) {
        if (s.first != list.size())
            return refuse(rows.size() - 1, "no style at position " + std::to_string(list.size()));
        list.push_back(s.second);
    }
    out["custom_lineweights"] = weights;
    out["styles"] = list;
    return out;
}

} // namespace cli
