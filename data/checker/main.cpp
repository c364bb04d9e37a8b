// tamurik-wortliste: checks word lists before they are given to the program.

#include "core/word_list_check.h"

#include "core/work_dir.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace tamurik;

// At most this many faulty lines are listed per file: a binary file would otherwise fill the
// terminal.
constexpr int kMaxLinesShown = 200;
constexpr std::size_t kMaxLineShown = 120;

// The line as it can be printed: control characters as "\xNN", a long line shortened.
std::string Printable(TextView line) {
    Text shown;
    for (const char32_t c : line.substr(0, kMaxLineShown)) {
        if ((c < 0x20 && c != U'\t') || (c >= 0x7F && c <= 0x9F)) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            shown += U"\\x";
            shown.push_back(static_cast<char32_t>(kHex[(c >> 4) & 0xF]));
            shown.push_back(static_cast<char32_t>(kHex[c & 0xF]));
        } else {
            shown.push_back(c);
        }
    }
    if (line.size() > kMaxLineShown) {
        shown += U"…";
    }
    return ToUtf8(shown);
}

void PrintUsage(std::ostream& out) {
    out << "Aufruf: tamurik-wortliste [--reime] DATEI...\n"
           "Prüft Wortlisten: ZAHLREIM* als Reimliste, VERBEN* als Liste der echten\n"
           "Verben, jede andere Datei als Verbliste;\n"
           "--reime prüft alle Dateien als Reimliste.\n"
           "Rückgabewert: 0 alles in Ordnung, 1 Fehler gefunden, 2 Datei nicht lesbar.\n";
}

// 0 when the file is fine, 1 when it has faults, 2 when it cannot be read.
int CheckOneFile(const std::string& name, bool forceRhymes) {
    const std::filesystem::path path(name);
    const WorkDir dir(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."));
    const std::string fileName = path.filename().string();
    const std::optional<std::string> bytes =
        fileName.empty() ? std::nullopt : dir.ReadBytes(fileName);
    if (!bytes) {
        std::cerr << "tamurik-wortliste: " << name << " kann nicht gelesen werden\n";
        return 2;
    }
    const WordListKind kind = forceRhymes ? WordListKind::Rhymes : KindForFileName(fileName);
    const std::vector<WordListProblem> problems = CheckWordFile(*bytes, kind, true);
    const std::string kindName = ToUtf8(KindName(kind));
    if (problems.empty()) {
        std::cout << name << " (" << kindName << "): in Ordnung\n";
        return 0;
    }
    std::cout << name << " (" << kindName << "):\n";
    int linesShown = 0;
    int linesLeft = 0;
    int lastLine = -1;
    for (const WordListProblem& problem : problems) {
        if (problem.line != lastLine) {
            lastLine = problem.line;
            if (linesShown == kMaxLinesShown) {
                ++linesLeft;
                continue;
            }
            ++linesShown;
            if (problem.line == 0) {
                std::cout << "Ganze Datei:\n";
            } else {
                std::cout << "Zeile " << problem.line << ": " << Printable(problem.text) << '\n';
            }
        } else if (linesLeft > 0) {
            continue;
        }
        std::cout << "    " << ToUtf8(problem.message) << '\n';
    }
    if (linesLeft > 0) {
        std::cout << "… und " << linesLeft << " weitere fehlerhafte Zeilen\n";
    }
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    bool forceRhymes = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--reime") {
            forceRhymes = true;
        } else if (argument == "--help" || argument == "-h" || argument == "--hilfe") {
            PrintUsage(std::cout);
            return 0;
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty()) {
        PrintUsage(std::cerr);
        return 2;
    }
    int status = 0;
    for (const std::string& file : files) {
        status = std::max(status, CheckOneFile(file, forceRhymes));
    }
    return status;
}
