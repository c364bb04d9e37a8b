#include "learning/answer_csv.h"

#include "core/clock.h"
#include "core/word_lists.h"
#include "learning/child_report.h"

namespace tamurik {

namespace {

constexpr std::string_view kSeparator = ";";
constexpr std::string_view kLineEnd = "\r\n";

std::string Line(std::initializer_list<Text> fields) {
    std::string line;
    for (const Text& field : fields) {
        if (!line.empty())
            line += kSeparator;
        line += CsvField(field);
    }
    return line + std::string(kLineEnd);
}

} // namespace

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

std::string AnswerCsvHeader() {
    return Line({U"Kind", U"Zeitpunkt", U"Übung", U"Verb", U"Markiert", U"Gefragt", U"Antwort",
                 U"Richtig", U"Millisekunden"});
}

std::string AnswerCsvLine(const AnswerRow& row) {
    const Answer& answer = row.answer;
    return Line({row.child, FormatLocalDateTime(row.atMs), ExerciseName(answer.exercise),
                 CleanWord(answer.item), answer.item, AskedName(answer.asked), answer.given,
                 answer.right ? U"ja" : U"nein", Decimal(answer.millis)});
}

} // namespace tamurik
