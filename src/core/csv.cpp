#include "core/csv.h"

#include <string_view>

static std::string CsvField(const std::string& text) {
    // Players choose their names: one a spreadsheet would run as a formula
    // is kept as text by a leading apostrophe.
    std::string field = !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos
                            ? "'" + text
                            : text;
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) row += (i ? "," : "") + CsvField(fields[i]);
    return row;
}
