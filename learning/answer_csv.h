#pragma once
// The answers as a spreadsheet in German use opens them: UTF-8 with a byte-order mark, ";"
// between fields, every text in quotes with its quotes doubled, times as "dd.mm.yyyy hh:mm" in
// the computer's time zone. A text that begins like a formula is written so that no
// spreadsheet runs it.

#include "core/csv.h"
#include "core/text.h"
#include "learning/record_queries.h"

#include <string>
#include <string_view>

namespace tamurik {

// The header line and one answer's line, each ending in CR LF.
std::string AnswerCsvHeader();
std::string AnswerCsvLine(const AnswerRow& row);

} // namespace tamurik
