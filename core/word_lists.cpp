#include "word_lists.h"

#include "startup.h"

#include <algorithm>

namespace tamurik {

bool IsDamageChar(char32_t c) {
    return (c != U'\t' && IsControlChar(c)) || c == kReplacementChar;
}

bool IsWordLine(TextView line) {
    if (line.size() > kMaxWordLineLength || TrimBlanks(line).empty()) {
        return false;
    }
    return std::none_of(line.begin(), line.end(), IsDamageChar);
}

std::optional<std::vector<Text>> ReadWordLines(const WorkDir& dir, const std::string& file) {
    std::optional<std::vector<Text>> lines = dir.ReadLines(file);
    if (lines) {
        std::erase_if(*lines, [](const Text& line) { return !IsWordLine(line); });
    }
    return lines;
}

std::optional<Text> ReadVerbLine(const WorkDir& dir, int n) {
    std::optional<std::vector<Text>> lines = dir.ReadLines(kVerbFile);
    if (!lines || n < 1 || static_cast<std::size_t>(n) > lines->size()) {
        return std::nullopt;
    }
    return std::move((*lines)[static_cast<std::size_t>(n) - 1]);
}

int DrawVerbLineNumber(RandomSource& random, int verbCount) {
    return random.Draw(verbCount) + 1;
}

bool IsRare(TextView line) {
    return Contains(line, U'=');
}

bool MatchesSelection(TextView line, Verbenwahl verbenwahl, Stammvokal stammvokal) {
    switch (verbenwahl) {
    case Verbenwahl::Alle:
        break;
    case Verbenwahl::Haeufige:
        if (IsRare(line)) {
            return false;
        }
        break;
    case Verbenwahl::Seltene:
        if (!IsRare(line)) {
            return false;
        }
        break;
    }
    switch (stammvokal) {
    case Stammvokal::Kurz:
        return Contains(line, U'.');
    case Stammvokal::Lang:
        return Contains(line, U'-');
    case Stammvokal::Alle:
        return true;
    }
    return false;
}

bool MatchesSelection(TextView line, const Selection& selection) {
    return MatchesSelection(line, selection.verbenwahl, selection.stammvokal);
}

Text MarkedWord(TextView line) {
    return Text(line.substr(0, line.find(U' ')));
}

Text CleanWord(TextView line) {
    return RemoveChars(MarkedWord(line), U"123.-= ");
}

Text Explanation(TextView line) {
    const auto equals = line.find(U'=');
    if (equals == TextView::npos || equals + 2 > line.size()) {
        return Text();
    }
    return Text(line.substr(equals + 2));
}

std::optional<std::vector<Text>> MatchingLines(const WorkDir& dir, const std::string& file,
                                               const Selection& selection) {
    std::optional<std::vector<Text>> lines = ReadWordLines(dir, file);
    if (!lines) {
        return std::nullopt;
    }
    std::vector<Text> matching;
    for (Text& line : *lines) {
        if (MatchesSelection(line, selection)) {
            matching.push_back(std::move(line));
        }
    }
    return matching;
}

std::optional<Text> DrawMatchingLine(const WorkDir& dir, const Selection& selection,
                                     RandomSource& random) {
    std::optional<std::vector<Text>> lines = MatchingLines(dir, kVerbFile, selection);
    if (!lines || lines->empty()) {
        return std::nullopt;
    }
    const int count = static_cast<int>(lines->size());
    return std::move((*lines)[static_cast<std::size_t>(random.Draw(count))]);
}

} // namespace tamurik
