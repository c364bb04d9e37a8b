#include "startup.h"

#include "settings_file.h"

#include <optional>
#include <string>
#include <vector>

namespace tamurik {

namespace {

constexpr std::size_t kRhymeLinesNeeded = 18; // nine rhyme pairs

Text FromAscii(const std::string& name) {
    return Text(name.begin(), name.end());
}

StartUpResult MissingFile(const std::string& name) {
    StartUpResult result;
    result.ok = false;
    result.message = U"Die Systemdatei " + ToUpper(FromAscii(name)) + U" fehlt!" + CR +
                     U"Das Programm wird abgebrochen ..." + CR;
    result.title = U"Dateifehler";
    return result;
}

} // namespace

StartUpResult StartUp(const WorkDir& dir, MODUL1& state) {
    state.Points = 0;

    // An empty verb list is as useless as a missing one: no exercise could ever draw a verb
    // from it, so it gets the same message instead of a program that cannot work.
    const std::optional<std::vector<Text>> verbs = dir.ReadLines(kVerbFile);
    if (!verbs || verbs->empty()) {
        return MissingFile(kVerbFile);
    }
    state.VerbCount = static_cast<int>(verbs->size());

    const std::optional<std::vector<Text>> rhymes = dir.ReadLines(kRhymeFile);
    if (!rhymes) {
        return MissingFile(kRhymeFile);
    }
    if (rhymes->size() < kRhymeLinesNeeded) {
        StartUpResult result;
        result.ok = false;
        result.message = Text(U"Es sind zu wenig Reimpaare in der") + CR +
                         U"Datei ZAHLREIM.TXT vorhanden!" + CR +
                         U"Das Spiel wird jetzt abgebrochen!" + CR;
        result.title = U"Tamurik: Reimpaare";
        return result;
    }

    ReadSettings(dir, state);
    return StartUpResult{};
}

} // namespace tamurik
