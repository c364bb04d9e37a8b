#include "list_saving.h"

#include <algorithm>
#include <exception>
#include <system_error>

namespace tamurik {

namespace fs = std::filesystem;

namespace {

const Text kKeptInEditor = U" Die alte Datei ist unverändert; die Änderungen bleiben im Editor.";

// "ZAHLVERB.TXT" → ("ZAHLVERB_", ".TXT"): a backup is named prefix + time + suffix.
std::pair<std::string, std::string> BackupNameParts(const std::string& fileName) {
    const fs::path path(fileName);
    return {path.stem().string() + "_", path.extension().string()};
}

bool IsBackupOf(const std::string& candidate, const std::string& fileName) {
    const auto [prefix, suffix] = BackupNameParts(fileName);
    return candidate.size() > prefix.size() + suffix.size() && candidate.starts_with(prefix) &&
           candidate.ends_with(suffix);
}

// Keeps the newest kBackupsKept copies; a copy that cannot be removed stays.
void PruneBackups(const WorkDir& dir, const std::string& fileName) {
    const std::vector<std::string> backups = BackupsOf(dir, fileName);
    for (std::size_t i = 0; i + kBackupsKept < backups.size(); ++i) {
        std::error_code ignored;
        fs::remove(dir.folder() / kBackupFolder / backups[i], ignored);
    }
}

// Writes the file's present bytes into the backup folder; false when that fails.
bool KeepBackup(const WorkDir& dir, const std::string& fileName, const Clock& clock) {
    const std::optional<std::string> old = dir.ReadBytes(fileName);
    if (!old) {
        return !dir.Exists(fileName); // nothing there to keep
    }
    std::error_code ec;
    const fs::path folder = dir.folder() / kBackupFolder;
    fs::create_directory(folder, ec);
    if (ec && !fs::is_directory(folder)) {
        return false;
    }
    const auto [prefix, suffix] = BackupNameParts(dir.PathOf(fileName).filename().string());
    const std::string stamp = ToUtf8(FormatSortableLocalTime(clock.NowMs()));
    std::string name = prefix + stamp + suffix;
    // Two saves within one second: the second copy gets a number.
    for (int n = 2; fs::exists(folder / name, ec) && n < 100; ++n) {
        name = prefix + stamp + "_" + std::to_string(n) + suffix;
    }
    return dir.WriteBytes(std::string(kBackupFolder) + "/" + name, *old);
}

Text Joined(const std::vector<WordListProblem>& problems) {
    Text text;
    for (const WordListProblem& problem : problems) {
        text += (text.empty() ? Text() : Text(1, CR)) + problem.message;
    }
    return text;
}

} // namespace

bool ChangedOnDisk(const WorkDir& dir, const ListDocument& document) {
    return StampOf(dir, document.fileName) != document.stamp;
}

SaveOutcome SaveList(const WorkDir& dir, ListDocument& document, const Clock& clock,
                     bool overwriteOutsideChange) {
    SaveOutcome outcome;
    if (!document.complete()) {
        outcome.status = SaveStatus::Refused;
        outcome.message = U"Die Datei wurde nicht vollständig gelesen. Sie wird nicht "
                          U"überschrieben, damit nichts von ihr verloren geht.";
        return outcome;
    }
    outcome.refusals = SaveRefusals(document.Texts(), document.kind());
    if (!outcome.refusals.empty()) {
        outcome.status = SaveStatus::Refused;
        outcome.message =
            U"Die Liste wird so nicht gespeichert:" + Text(1, CR) + Joined(outcome.refusals);
        return outcome;
    }
    if (!overwriteOutsideChange && ChangedOnDisk(dir, document)) {
        outcome.status = SaveStatus::ChangedOutside;
        outcome.message = U"Die Datei " + dir.DisplayPath(document.fileName) +
                          U" wurde seit dem Öffnen von einem anderen Programm geändert. "
                          U"Beim Speichern gehen diese Änderungen verloren (die alte Fassung "
                          U"bleibt im Ordner „" +
                          FromUtf8(kBackupFolder) + U"“).";
        return outcome;
    }
    try {
        const std::string bytes = document.ToBytes();
        if (!KeepBackup(dir, document.fileName, clock)) {
            outcome.message = U"Die Sicherungskopie im Ordner „" + FromUtf8(kBackupFolder) +
                              U"“ konnte nicht angelegt werden (ist der Ordner "
                              U"schreibgeschützt oder die Festplatte voll?), darum wurde nicht "
                              U"gespeichert." +
                              kKeptInEditor;
            return outcome;
        }
        if (!dir.WriteBytes(document.fileName, bytes)) {
            outcome.message = U"Die Liste konnte nicht gespeichert werden (ist der Ordner "
                              U"schreibgeschützt oder die Festplatte voll?)." +
                              kKeptInEditor;
            return outcome;
        }
    } catch (const std::exception&) {
        outcome.message = U"Die Liste konnte nicht gespeichert werden." + kKeptInEditor;
        return outcome;
    }
    PruneBackups(dir, document.fileName);
    document.MarkSaved();
    document.stamp = StampOf(dir, document.fileName);
    outcome.status = SaveStatus::Saved;
    return outcome;
}

std::vector<std::string> BackupsOf(const WorkDir& dir, const std::string& fileName) {
    std::vector<std::string> backups;
    const std::string shownName = dir.PathOf(fileName).filename().string();
    try {
        std::error_code ec;
        for (fs::directory_iterator it(dir.folder() / kBackupFolder, ec), end; !ec && it != end;
             it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (IsBackupOf(name, shownName)) {
                backups.push_back(name);
            }
        }
    } catch (const std::exception&) {
        // A backup folder that cannot be listed has no copies to offer.
    }
    std::sort(backups.begin(), backups.end());
    return backups;
}

} // namespace tamurik
