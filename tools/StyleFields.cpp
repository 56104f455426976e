// Plot style tables as named fields: JSON out and in, one field at a time, texts of values.
#include "StyleFields.h"
#include "Command.h"
#include "davaraz/plotstyle/AciPalette.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <set>

namespace cli {
namespace {

using T = FieldType;

// Fields whose value is computed from others: an import sets them only where they were edited.
bool derived(const std::string& key) { return key == "color" || key == "aci" || key == "lineweight_mm"; }

// Wide text as UTF-8, refusing what UTF-8 cannot carry rather than changing it.
bool toUtf8(const std::wstring& wide, std::string& out)
{
    for (const wchar_t c : wide) {
        const auto u = static_cast<std::uint32_t>(c);
        if ((u >= 0xD800 && u <= 0xDFFF) || u > 0x10FFFF)
            return false;
    }
    out = narrow(wide);
    return true;
}

std::wstring fromUtf8(const std::string& text) { return widen(text); }

// A COLORREF (red in the low byte) from the colour to draw with (red in bits 16 to 23).
int colorRef(int rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }

int paletteColorRef(int aci)
{
    const AciPaletteEntry& e = aciPalette[static_cast<std::size_t>(aci)];
    return e.red | (e.green << 8) | (e.blue << 16);
}

std::string colorText(const CPlotStyle& s)
{
    const int rgb = s.color2rgb();
    if (rgb == -1)
        return "object";
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb) & 0xFFFFFFu);
    return text;
}

Json paletteIndex(const CPlotStyle& s)
{
    const int rgb = s.color2rgb();
    const int aci = rgb == -1 ? 0 : CPlotStyle::exactAci(colorRef(rgb));
    return aci ? Json(aci) : Json();
}

Json millimetres(const CPlotStyleTable& table, const CPlotStyle& s)
{
    const int w = s.lineWeight();
    return w >= 0 && w < CCustomLineweightTable::kSize ? Json(table.customLineweights().at(w)) : Json();
}

// ACI colour numbers (1 to 255) of a style, as ranges: "1-3,7"; empty for none.
std::string aciColors(const CPlotStyleTable& table, const CPlotStyle* style)
{
    std::string out;
    const CAciTable* aci = table.ACI();
    for (int i = 0; aci && i < CAciTable::kSize;) {
        if (aci->at(i) != style) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < CAciTable::kSize && aci->at(j + 1) == style)
            ++j;
        out += (out.empty() ? "" : ",") + std::to_string(i + 1);
        if (j > i)
            out += "-" + std::to_string(j + 1);
        i = j + 1;
    }
    return out;
}

// Parses "1-3,7" into the ACI entries (colour - 1) it names; false with why.
bool parseAciColors(const std::string& text, std::vector<int>& entries, std::string& why)
{
    std::size_t at = 0;
    while (at < text.size()) {
        int first = 0;
        int last = 0;
        auto r = std::from_chars(text.data() + at, text.data() + text.size(), first);
        last = first;
        if (r.ec == std::errc() && r.ptr < text.data() + text.size() && *r.ptr == '-')
            r = std::from_chars(r.ptr + 1, text.data() + text.size(), last);
        const bool end = r.ec == std::errc() && (r.ptr == text.data() + text.size() || *r.ptr == ',');
        if (!end || first < 1 || last > CAciTable::kSize || first > last) {
            why = "expects ACI colours 1 to 255 as in \"1-3,7\"";
            return false;
        }
        for (int c = first; c <= last; ++c)
            entries.push_back(c - 1);
        at = static_cast<std::size_t>(r.ptr - text.data()) + (r.ptr == text.data() + text.size() ? 0 : 1);
        if (at == text.size() && text.back() == ',') {
            why = "expects ACI colours 1 to 255 as in \"1-3,7\"";
            return false;
        }
    }
    return true;
}

// Checks a JSON value against a field type; empty, or what was expected.
std::string typeError(FieldType type, const Json& v)
{
    if ((type == T::IntOrNull || type == T::RealOrNull) && v.is_null())
        return {};
    switch (type) {
    case T::Text:
        return v.is_string() ? "" : "expects a text";
    case T::Flag:
        return v.is_boolean() ? "" : "expects true or false";
    case T::Real:
    case T::RealOrNull:
        return v.is_number() ? "" : "expects a number";
    case T::Int:
    case T::IntOrNull:
        if (v.is_number_unsigned() && v.get<std::uint64_t>() <= INT_MAX)
            return {};
        if (v.is_number_integer() && !v.is_number_unsigned() && v.get<std::int64_t>() >= INT_MIN &&
            v.get<std::int64_t>() <= INT_MAX)
            return {};
        return "expects a whole number from " + std::to_string(INT_MIN) + " to " + std::to_string(INT_MAX);
    }
    return "has no type";
}

// Where a value sits, for messages: "styles[3].screen".
std::string at(const std::string& where, const std::string& key) { return where.empty() ? key : where + "." + key; }

} // namespace

const Field* findField(const std::vector<Field>& fields, const std::string& key)
{
    for (const Field& f : fields)
        if (key == f.key)
            return &f;
    return nullptr;
}

std::unique_ptr<CPlotStyleTable> loadTable(const std::string& path, int& rc)
{
    pia::ReadResult result;
    std::unique_ptr<CPlotStyleTable> table(CPlotStyleTable::read(widen(path).c_str(), &result));
    rc = table ? kOk : fail(path, narrow(result.description()));
    return table;
}

int writeTable(CPlotStyleTable& table, const std::string& path)
{
    pia::WriteResult written;
    table.write(widen(path).c_str(), &written);
    return reportWrite(path, written);
}

const std::vector<Field>& styleFields()
{
    static const std::vector<Field> fields = {
        {"name", T::Text},           {"localized_name", T::Text},       {"description", T::Text},
        {"color", T::Text},          {"aci", T::IntOrNull},             {"color_value", T::Int},
        {"mode_color", T::Int},      {"color_policy", T::Int},          {"physical_pen_number", T::Int},
        {"virtual_pen_number", T::Int}, {"screen", T::Int},             {"linetype", T::Int},
        {"linepattern_size", T::Real}, {"adaptive_linetype", T::Flag},  {"lineweight", T::Int},
        {"lineweight_mm", T::RealOrNull}, {"fill_style", T::Int},       {"end_style", T::Int},
        {"join_style", T::Int},      {"aci_colors", T::Text}};
    return fields;
}

const std::vector<Field>& tableFields()
{
    static const std::vector<Field> fields = {{"description", T::Text},
                                              {"aci_table_available", T::Flag},
                                              {"aci_table_block", T::Flag},
                                              {"scale_factor", T::Real},
                                              {"apply_factor", T::Flag},
                                              {"custom_lineweight_display_units", T::Int}};
    return fields;
}

Json styleField(const CPlotStyleTable& table, const CPlotStyle& s, const std::string& key)
{
    std::string text;
    if (key == "name")
        return toUtf8(s.name(), text) ? Json(text) : Json();
    if (key == "localized_name")
        return toUtf8(s.locName(), text) ? Json(text) : Json();
    if (key == "description")
        return toUtf8(s.desc(), text) ? Json(text) : Json();
    if (key == "color")
        return colorText(s);
    if (key == "aci")
        return paletteIndex(s);
    if (key == "color_value")
        return s.color();
    if (key == "mode_color")
        return s.mode_color();
    if (key == "color_policy")
        return s.color_policy();
    if (key == "physical_pen_number")
        return s.pen();
    if (key == "virtual_pen_number")
        return s.virtualPen();
    if (key == "screen")
        return s.screen();
    if (key == "linetype")
        return s.lineType();
    if (key == "linepattern_size")
        return s.linepattern_size();
    if (key == "adaptive_linetype")
        return s.isAdaptiveLinetype();
    if (key == "lineweight")
        return s.lineWeight();
    if (key == "lineweight_mm")
        return millimetres(table, s);
    if (key == "fill_style")
        return s.fillStyle();
    if (key == "end_style")
        return s.endStyle();
    if (key == "join_style")
        return s.joinStyle();
    if (key == "aci_colors")
        return aciColors(table, &s);
    return Json();
}

std::string setStyleField(const CPlotStyleTable& table, CPlotStyle& s, const std::string& key, const Json& v)
{
    const Field* field = findField(styleFields(), key);
    if (!field)
        return "no such field";
    const std::string bad = typeError(field->type, v);
    if (!bad.empty())
        return bad;
    if (key == "name")
        s.setNames(fromUtf8(v.get<std::string>()).c_str(), s.locName());
    else if (key == "localized_name")
        s.setNames(s.name(), fromUtf8(v.get<std::string>()).c_str());
    else if (key == "description")
        s.setDesc(fromUtf8(v.get<std::string>()).c_str());
    else if (key == "color") {
        const std::string c = v.get<std::string>();
        unsigned rgb = 0;
        const auto r = c.size() == 7 && c[0] == '#' ? std::from_chars(c.data() + 1, c.data() + 7, rgb, 16)
                                                     : std::from_chars_result{c.data(), std::errc::invalid_argument};
        if (c == "object")
            s.updateColor(CPlotStyle::kNoColor);
        else if (r.ec == std::errc() && r.ptr == c.data() + 7)
            s.updateColor(colorRef(static_cast<int>(rgb)));
        else
            return "expects \"object\" or a colour as #RRGGBB";
    } else if (key == "aci") {
        if (v.is_null())
            return {};
        const int aci = v.get<int>();
        if (aci < 1 || aci >= kAciPaletteSize)
            return "expects an ACI colour from 1 to 255";
        s.updateColor(paletteColorRef(aci));
    } else if (key == "color_value")
        s.setColorValues(v.get<int>(), s.mode_color());
    else if (key == "mode_color")
        s.setColorValues(s.color(), v.get<int>());
    else if (key == "color_policy")
        s.setColorPolicy(v.get<int>());
    else if (key == "physical_pen_number")
        s.setPen(v.get<int>());
    else if (key == "virtual_pen_number")
        s.setVirtualPen(v.get<int>());
    else if (key == "screen")
        s.setScreen(v.get<int>());
    else if (key == "linetype")
        s.setLineType(v.get<int>());
    else if (key == "linepattern_size")
        s.setLinePatternSize(v.get<double>());
    else if (key == "adaptive_linetype")
        s.setAdaptiveLinetype(v.get<bool>());
    else if (key == "lineweight")
        s.setLineWeight(v.get<int>());
    else if (key == "lineweight_mm") {
        if (v.is_null())
            return {};
        const double mm = v.get<double>();
        for (int i = 0; i < CCustomLineweightTable::kSize; ++i)
            if (table.customLineweights().at(i) == mm) {
                s.setLineWeight(i);
                return {};
            }
        return "the table has no line weight of " + fieldToText(v) + " mm";
    } else if (key == "fill_style")
        s.setFillStyle(v.get<int>());
    else if (key == "end_style")
        s.setEndStyle(v.get<int>());
    else if (key == "join_style")
        s.setJoinStyle(v.get<int>());
    else
        return "is the table's ACI mapping, not a field of one style"; // aci_colors
    return {};
}

Json tableToJson(const CPlotStyleTable& table, std::string& error)
{
    Json out = Json::object();
    std::string description;
    if (!toUtf8(table.description(), description)) {
        error = "description: holds a character that is no Unicode";
        return {};
    }
    out["description"] = description;
    out["aci_table_available"] = table.hasACI();
    out["aci_table_block"] = table.writesAciTable();
    out["scale_factor"] = table.scaleFactor();
    out["apply_factor"] = table.applyFactor();
    out["custom_lineweight_display_units"] = table.customLineweightDisplayUnits();
    Json weights = Json::array();
    for (int i = 0; i < CCustomLineweightTable::kSize; ++i)
        weights.push_back(table.customLineweights().at(i));
    out["custom_lineweights"] = weights;
    Json styles = Json::array();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const CPlotStyle& s = *table.style(static_cast<int>(i));
        Json style = Json::object();
        for (const Field& f : styleFields()) {
            style[f.key] = styleField(table, s, f.key);
            if (f.type == T::Text && style[f.key].is_null()) {
                error = "styles[" + std::to_string(i) + "]." + f.key + ": holds a character that is no Unicode";
                return {};
            }
        }
        styles.push_back(style);
    }
    out["styles"] = styles;
    return out;
}

std::unique_ptr<CPlotStyleTable> tableFromJson(const Json& in, std::string& error)
{
    const auto refuse = [&error](const std::string& where, const std::string& why) {
        error = where + ": " + why;
        return nullptr;
    };
    if (!in.is_object())
        return refuse("the document", "expects an object with the table's fields and \"styles\"");
    for (const auto& item : in.items())
        if (!findField(tableFields(), item.key()) && item.key() != "custom_lineweights" && item.key() != "styles")
            return refuse(item.key(), "no such field of a table");
    for (const Field& f : tableFields())
        if (in.contains(f.key) && !typeError(f.type, in[f.key]).empty())
            return refuse(f.key, typeError(f.type, in[f.key]));

    auto table = std::make_unique<CPlotStyleTable>();
    table->setDescription(fromUtf8(in.value("description", std::string())).c_str());
    table->setScaleFactor(in.value("scale_factor", table->scaleFactor()));
    table->setApplyFactor(in.value("apply_factor", table->applyFactor()));
    table->setCustomLineweightDisplayUnits(
        in.value("custom_lineweight_display_units", table->customLineweightDisplayUnits()));
    if (in.contains("custom_lineweights")) {
        const Json& w = in["custom_lineweights"];
        if (!w.is_array() || w.size() != static_cast<std::size_t>(CCustomLineweightTable::kSize))
            return refuse("custom_lineweights", "expects a list of 27 numbers, in millimetres");
        for (int i = 0; i < CCustomLineweightTable::kSize; ++i) {
            if (!w[static_cast<std::size_t>(i)].is_number())
                return refuse("custom_lineweights[" + std::to_string(i) + "]", "expects a number");
            table->customLineweights().set(i, w[static_cast<std::size_t>(i)].get<double>());
        }
    }

    const Json styles = in.value("styles", Json::array());
    if (!styles.is_array())
        return refuse("styles", "expects a list of styles");
    const bool mapped = in.value("aci_table_available", false);
    std::vector<int> aci(CAciTable::kSize, -1);
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const std::string where = "styles[" + std::to_string(i) + "]";
        const Json& js = styles[i];
        if (!js.is_object())
            return refuse(where, "expects an object with the style's fields");
        if (!js.contains("localized_name") || !js["localized_name"].is_string() ||
            js["localized_name"].get<std::string>().empty())
            return refuse(at(where, "localized_name"), "a style needs a name");
        CPlotStyle model;
        // Stored fields first; then a computed one only where it was edited, that is where it
        // differs from its value for the stored fields (so that an edited colour is not undone
        // by the palette index left as exported).
        Json computed = Json::object();
        for (const bool second : {false, true})
            for (const auto& item : js.items()) {
                if (item.key() == "aci_colors" || derived(item.key()) != second)
                    continue;
                if (second && computed.empty())
                    for (const char* key : {"color", "aci", "lineweight_mm"})
                        computed[key] = styleField(*table, model, key);
                if (second && computed[item.key()] == item.value())
                    continue;
                const std::string why = setStyleField(*table, model, item.key(), item.value());
                if (!why.empty())
                    return refuse(at(where, item.key()), why);
            }
        const std::wstring locName = model.locName();
        const std::wstring name = js.contains("name") ? std::wstring(model.name()) : CPlotStyle::internalName(locName.c_str());
        if (!table->addStyle(locName.c_str(), -1, &model))
            return refuse(at(where, "localized_name"), "another style has this name");
        table->style(static_cast<int>(i))->setNames(name.c_str(), locName.c_str());
        if (table->find(name.c_str()) != table->style(static_cast<int>(i)))
            return refuse(at(where, "name"), "another style has this name");

        std::vector<int> entries;
        std::string why;
        const Json colors = js.value("aci_colors", Json(""));
        if (!colors.is_string())
            return refuse(at(where, "aci_colors"), "expects a text");
        if (!parseAciColors(colors.get<std::string>(), entries, why))
            return refuse(at(where, "aci_colors"), why);
        if (!entries.empty() && !mapped)
            return refuse(at(where, "aci_colors"), "the table has no ACI mapping (aci_table_available is false)");
        for (const int e : entries) {
            if (aci[static_cast<std::size_t>(e)] >= 0)
                return refuse(at(where, "aci_colors"), "ACI colour " + std::to_string(e + 1) + " is also given to styles[" +
                                                           std::to_string(aci[static_cast<std::size_t>(e)]) + "]");
            aci[static_cast<std::size_t>(e)] = static_cast<int>(i);
        }
    }
    if (mapped) {
        for (int e = 0; e < CAciTable::kSize; ++e)
            if (aci[static_cast<std::size_t>(e)] < 0)
                return refuse("aci_colors", "ACI colour " + std::to_string(e + 1) + " is given to no style");
        table->addACI(aci.data());
        if (!in.value("aci_table_block", true) && !table->omitAciTable())
            return refuse("aci_table_block", "false needs 255 styles, ACI colour n given to styles[n - 1]");
    }
    return table;
}

Json fieldFromText(FieldType type, const std::string& text, std::string& error)
{
    error.clear();
    if (type == T::Text)
        return text;
    if (text.empty() && (type == T::IntOrNull || type == T::RealOrNull))
        return Json();
    if (type == T::Flag) {
        if (text == "true" || text == "false")
            return text == "true";
        error = "expects true or false";
        return {};
    }
    if (type == T::Int || type == T::IntOrNull) {
        int v = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
        if (r.ec == std::errc() && r.ptr == text.data() + text.size() && !text.empty())
            return v;
        error = "expects a whole number from " + std::to_string(INT_MIN) + " to " + std::to_string(INT_MAX);
        return {};
    }
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec == std::errc() && r.ptr == text.data() + text.size() && !text.empty())
        return v;
    error = "expects a number";
    return {};
}

std::string fieldToText(const Json& value)
{
    if (value.is_null())
        return {};
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_number_float()) {
        // The shortest text that reads back as the same double.
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, value.get<double>());
        return std::string(buf, r.ptr);
    }
    return value.dump();
}

} // namespace cli
