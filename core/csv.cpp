#include "csv.h"

namespace tamurik {

std::string CsvField(TextView text) {
    std::string field = "\"";
    if (!text.empty() && TextView(U"=+-@\t\r").find(text.front()) != TextView::npos)
        field += '\'';
    for (char c : ToUtf8(text)) {
        field += c;
        if (c == '"')
            field += '"';
    }
    return field + "\"";
}

std::string CsvRow(std::initializer_list<Text> fields) {
    std::string row;
    bool first = true;
    for (const Text& field : fields) {
        if (!first)
            row += ';';
        first = false;
        row += CsvField(field);
    }
    return row + "\r\n";
}

} // namespace tamurik
