#pragma once
// Spreadsheet files as German spreadsheets open them: UTF-8 with a byte-order mark, ";"
// between fields, every text in quotes with its quotes doubled, CR LF after each row. A text
// that begins like a formula is written so that no spreadsheet runs it.

#include "text.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tamurik {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One text field, quoted. A text beginning with "=", "+", "-", "@", a tab or a carriage
// return gets an apostrophe in front, which spreadsheets show as the start of plain text.
std::string CsvField(TextView text);
// One row: the fields quoted, ";" between them, CR LF at the end.
std::string CsvRow(std::initializer_list<Text> fields);

} // namespace tamurik
