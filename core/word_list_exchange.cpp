#include "word_list_exchange.h"

#include "csv.h"
#include "encoding.h"
#include "word_lists.h"
#include "work_dir.h"

#include <algorithm>
#include <unordered_set>

namespace tamurik {

namespace {

// More verbs than a teacher reviews one by one; the rest of a longer file is left out.
constexpr std::size_t kMaxImportRows = 20000;

// The byte order of UTF-16 without a mark: in the text of a word list most characters lie
// below U+0100, so one byte of most pairs is zero. No value when the bytes are not like that.
std::optional<bool> Utf16WithoutMark(std::string_view bytes) {
    std::size_t evenZeros = 0;
    std::size_t oddZeros = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        evenZeros += bytes[i] == '\0' ? 1 : 0;
        oddZeros += bytes[i + 1] == '\0' ? 1 : 0;
    }
    const std::size_t pairs = bytes.size() / 2;
    if (pairs == 0 || evenZeros == oddZeros) {
        return std::nullopt;
    }
    if (2 * oddZeros >= pairs && evenZeros * 4 < oddZeros) {
        return true;
    }
    if (2 * evenZeros >= pairs && oddZeros * 4 < evenZeros) {
        return false;
    }
    return std::nullopt;
}

bool LooksBinary(TextView text) {
    const auto controls = std::count_if(text.begin(), text.end(), [](char32_t c) {
        return c != U'\t' && c != U'\r' && c != U'\n' && (IsControlChar(c) || c == 0);
    });
    return controls >= 4 && static_cast<std::size_t>(20 * controls) >= text.size();
}

Text StemVowelName(TextView marked) {
    if (Contains(marked, U'.')) {
        return U"kurz";
    }
    return Contains(marked, U'-') ? U"lang" : U"";
}

ImportRow RowFor(const Text& source, WordListKind kind, const MarkSuggester& suggester) {
    ImportRow row;
    row.source = source;
    if (kind == WordListKind::RealVerbs) {
        row.line = ToLower(source);
        row.problems = CheckWordLine(row.line, kind);
        return row;
    }
    TextView word = source;
    Text explanation;
    const std::size_t equals = word.find(U'=');
    if (equals != TextView::npos && kind == WordListKind::Verbs) {
        explanation = TrimBlanks(word.substr(equals + 1));
        word = word.substr(0, equals);
    }
    const Text given = ToLower(RemoveChars(word, U" \t"));
    row.suggestion = suggester.Suggest(given);
    const bool marked = given.find_first_of(U"123") != Text::npos;
    row.line = marked ? given : row.suggestion.marked.empty() ? given : row.suggestion.marked;
    if (!explanation.empty()) {
        row.line += U" = " + explanation;
    }
    row.problems = CheckWordLine(row.line, kind);
    return row;
}

} // namespace

Text DecodeImportText(std::string_view bytes) {
    const FileEncoding encoding = DetectEncoding(bytes);
    if (encoding == FileEncoding::Windows1252 && bytes.find('\0') != std::string_view::npos) {
        if (const std::optional<bool> little = Utf16WithoutMark(bytes)) {
            return DecodeUtf16(bytes, *little);
        }
    }
    return DecodeFileText(bytes);
}

ImportReview ReviewImport(std::string_view bytes, WordListKind kind, const MarkSuggester& suggester,
                          const std::vector<Text>& listLines) {
    ImportReview review;
    if (bytes.empty()) {
        review.messages.push_back(U"Die Datei ist leer.");
        return review;
    }
    if (bytes.size() > WorkDir::kMaxFileBytes) {
        review.messages.push_back(U"Die Datei ist zu groß; nur ihr Anfang wurde gelesen.");
        bytes = bytes.substr(0, WorkDir::kMaxFileBytes);
    }
    const Text text = DecodeImportText(bytes);
    if (LooksBinary(text)) {
        review.messages.push_back(
            U"Die Datei ist keine Textdatei; bitte eine Textdatei mit einem Verb je Zeile wählen.");
        return review;
    }
    std::unordered_set<Text> listed;
    if (kind != WordListKind::Rhymes) {
        for (const Text& line : listLines) {
            listed.insert(DuplicateKey(line, kind));
        }
    }
    const std::vector<Text> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (review.rows.size() == kMaxImportRows) {
            review.messages.push_back(U"Die Datei hat mehr als " +
                                      Decimal(static_cast<long long>(kMaxImportRows)) +
                                      U" Verben; nur die ersten wurden gelesen.");
            break;
        }
        Text source = TrimBlanks(RemoveChars(lines[i], U"\t"));
        if (source.empty() || source.starts_with(U"#")) {
            continue;
        }
        ImportRow row = RowFor(source, kind, suggester);
        row.sourceLine = static_cast<int>(i) + 1;
        const Text key = DuplicateKey(row.line, kind);
        row.alreadyListed = kind != WordListKind::Rhymes && !listed.insert(key).second;
        review.rows.push_back(std::move(row));
    }
    if (review.rows.empty()) {
        review.messages.push_back(U"Die Datei enthält keine Verben.");
    }
    return review;
}

std::string WordListCsv(const std::vector<Text>& lines, WordListKind kind) {
    std::string csv(kUtf8ByteOrderMark);
    switch (kind) {
    case WordListKind::Verbs:
        csv += CsvRow({U"Zeile", U"Verb", U"Markiert", U"Stammvokal", U"Erklärung"});
        break;
    case WordListKind::Rhymes:
        csv += CsvRow({U"Zeile", U"Reimpaar", U"Verb", U"Markiert", U"Stammvokal"});
        break;
    case WordListKind::RealVerbs:
        csv += CsvRow({U"Zeile", U"Verb"});
        break;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text number = Decimal(static_cast<long long>(i) + 1);
        const Text& line = lines[i];
        if (kind == WordListKind::RealVerbs) {
            csv += CsvRow({number, line});
            continue;
        }
        const Text marked = DuplicateKey(line, kind);
        const Text plain = RemoveChars(marked, U"123.-");
        if (kind == WordListKind::Verbs) {
            csv += CsvRow({number, plain, marked, StemVowelName(marked), Explanation(line)});
        } else {
            csv += CsvRow({number, Decimal(static_cast<long long>(i) / 2 + 1), plain, marked,
                           StemVowelName(marked)});
        }
    }
    return csv;
}

} // namespace tamurik
