#include "learning/answer_csv.h"

#include "core/clock.h"
#include "core/word_lists.h"
#include "learning/child_report.h"

namespace tamurik {

std::string AnswerCsvHeader() {
    return CsvRow({U"Kind", U"Zeitpunkt", U"Übung", U"Verb", U"Markiert", U"Gefragt", U"Antwort",
                   U"Richtig", U"Millisekunden"});
}

std::string AnswerCsvLine(const AnswerRow& row) {
    const Answer& answer = row.answer;
    return CsvRow({row.child, FormatLocalDateTime(row.atMs), ExerciseName(answer.exercise),
                   CleanWord(answer.item), answer.item, AskedName(answer.asked), answer.given,
                   answer.right ? U"ja" : U"nein", Decimal(answer.millis)});
}

} // namespace tamurik
