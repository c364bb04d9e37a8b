#include "best_lists.h"

#include <algorithm>

namespace tamurik {

namespace {

const Text kGap = U"   ";

// Whether a line of a best-list file holds a record. Empty lines (a stray line end at the
// bottom of a file) do not, nor do lines with control characters: every record the program
// writes has them replaced, so such a line is damage or binary rubbish, not a result.
bool IsRecordLine(TextView line) {
    return !line.empty() && std::none_of(line.begin(), line.end(), IsControlChar);
}

// The records of the lines of a file, each line without its marker.
std::vector<Text> RecordsOf(const std::vector<Text>& lines) {
    std::vector<Text> records;
    records.reserve(lines.size());
    for (const Text& line : lines) {
        if (IsRecordLine(line)) {
            records.push_back(line.substr(1));
        }
    }
    return records;
}

bool WriteRecords(const WorkDir& dir, const std::string& file, const std::vector<Text>& records,
                  std::size_t limit, char32_t marker) {
    std::vector<Text> lines;
    const std::size_t count = std::min(limit, records.size());
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        lines.push_back(marker + records[i]);
    }
    return dir.WriteLines(file, lines);
}

} // namespace

Text R(TextView t, int n) {
    if (n <= 0) {
        return Text();
    }
    const auto width = static_cast<std::size_t>(n);
    if (t.size() >= width) {
        return Text(t.substr(t.size() - width));
    }
    return Text(width - t.size(), U' ') + Text(t);
}

Text S(long long x) {
    return StrForm(x);
}

Text NumberColumn(long long value, int n, bool withSign) {
    if (n <= 0) {
        return Text();
    }
    const Text text = withSign ? S(value) : Decimal(value);
    const auto width = static_cast<std::size_t>(n);
    // The Str blank may give way, the digits may not.
    if (text.size() <= width || (withSign && value >= 0 && text.size() == width + 1)) {
        return R(text, n);
    }
    // Too wide: the nearest number that fits, so the record still sorts where it belongs
    // instead of losing its leading digits and sorting among the small ones.
    if (value >= 0) {
        return Text(width, U'9');
    }
    if (width == 1) {
        return U"0";
    }
    Text lowest(width, U'9');
    lowest.front() = U'-';
    return lowest;
}

Text RecordUserName(TextView name) {
    Text result(name);
    for (char32_t& c : result) {
        if (IsControlChar(c)) {
            c = U' ';
        }
    }
    return result;
}

Text QuatschRecord(int minutes, long long points, const Text& date, TextView user) {
    return NumberColumn(minutes, 3, false) + kGap + NumberColumn(points, 5, false) + kGap + date +
           kGap + RecordUserName(user);
}

Text GalgenRecord(int letters, int clicks, TextView user) {
    return NumberColumn(letters, 4, true) + kGap + NumberColumn(clicks, 4, true) + kGap +
           RecordUserName(user);
}

Text AbschreibenRecord(int minutes, int words, TextView user) {
    return NumberColumn(minutes, 3, false) + kGap + NumberColumn(words, 4, false) + kGap +
           RecordUserName(user);
}

Text DevadodadRecord(int letters, int seconds, TextView user) {
    return NumberColumn(letters, 4, true) + kGap + NumberColumn(seconds, 4, true) + kGap +
           RecordUserName(user);
}

void SortRecords(std::vector<Text>& records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const Text& a, const Text& b) { return TextLess(a, b); });
}

bool AppendResult(const WorkDir& dir, const std::string& file, TextView record, char32_t marker) {
    // A damaged line is no record: it is left out rather than written back changed (a
    // character Windows-1252 cannot hold would become "?" and turn it into a record of rubbish).
    return dir.AppendLine(file, marker + Text(record), IsRecordLine);
}

std::vector<Text> LoadSorted(const WorkDir& dir, const std::string& file) {
    std::vector<Text> records;
    if (const std::optional<std::vector<Text>> lines = dir.ReadLines(file)) {
        records = RecordsOf(*lines);
    }
    SortRecords(records);
    return records;
}

bool StoreTop100(const WorkDir& dir, const std::string& file, const std::vector<Text>& sorted,
                 char32_t marker) {
    return WriteRecords(dir, file, sorted, kBestListLimit, marker);
}

std::optional<std::vector<Text>> LoadForTime(const WorkDir& dir, int minutes) {
    const std::optional<std::vector<Text>> lines = dir.ReadLines(kBestVerb);
    if (!lines) {
        return std::nullopt;
    }
    const Text prefix = NumberColumn(minutes, 3, false);
    std::vector<Text> records;
    for (Text& record : RecordsOf(*lines)) {
        if (StartsWith(record, prefix)) {
            records.push_back(std::move(record));
        }
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const Text& a, const Text& b) { return TextLess(b, a); });
    return records;
}

std::vector<Text> ShowList(const WorkDir& dir, const std::string& file) {
    const std::optional<std::vector<Text>> read = dir.ReadLines(file);
    if (!read) {
        return {};
    }
    std::vector<Text> lines;
    for (const Text& line : *read) {
        if (IsRecordLine(line)) {
            lines.push_back(line);
        }
    }
    // The whole lines are sorted, marker included, so the records kept by the settings screen
    // ("<") come before those the exercises added since (">").
    SortRecords(lines);
    std::vector<Text> shown;
    shown.reserve(lines.size());
    for (const Text& line : lines) {
        shown.push_back(line.substr(1));
    }
    WriteRecords(dir, file, shown, shown.size(), kMarkerKept);
    return shown;
}

bool DeleteEntry(const WorkDir& dir, const std::string& file, std::vector<Text>& shown, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= shown.size()) {
        return false;
    }
    std::vector<Text> remaining = shown;
    remaining.erase(remaining.begin() + index);
    if (!WriteRecords(dir, file, remaining, remaining.size(), kMarkerKept)) {
        return false;
    }
    shown = std::move(remaining);
    return true;
}

bool ClearList(const WorkDir& dir, const std::string& file) {
    return dir.WriteLines(file, {});
}

} // namespace tamurik
