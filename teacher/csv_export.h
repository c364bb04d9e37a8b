#pragma once
// The answers of one child, or of all children, saved as a spreadsheet file
// (learning/answer_csv.h).

#include "learning/record_queries.h"

#include <QString>

#include <optional>

namespace tamurik {

// No value when saved, else the German message.
std::optional<Text> ExportAnswers(RecordQueries& queries, std::optional<std::int64_t> child,
                                  const QString& path);

} // namespace tamurik
