#pragma once
// Saving an edited word list: refused while the list as a whole would leave an exercise
// without words or the file was not read completely; asked first when another program
// changed the file since it was opened; the previous version kept as a dated copy in the
// folder "Sicherung" (the last ten of each list); the file replaced atomically, so a failed
// save leaves it as it was.

#include "clock.h"
#include "list_document.h"
#include "work_dir.h"

#include <string>
#include <vector>

namespace tamurik {

inline constexpr const char* kBackupFolder = "Sicherung";
inline constexpr std::size_t kBackupsKept = 10;

enum class SaveStatus {
    Saved,
    Refused,        // the list as a whole (see refusals) or an incomplete read forbids it
    ChangedOutside, // another program changed the file: ask, then save with overwrite
    Failed,         // the disk refused (read-only folder, full disk): nothing changed
};

struct SaveOutcome {
    SaveStatus status = SaveStatus::Failed;
    Text message; // German; empty when saved
    std::vector<WordListProblem> refusals;
};

// Whether the file on disk is no longer what the document was read from or last saved as.
bool ChangedOnDisk(const WorkDir& dir, const ListDocument& document);

// Saves the document into dir/document.fileName. With overwriteOutsideChange the check for
// another program's change is skipped (the teacher was asked and said yes). On success the
// document is marked saved and takes the new stamp; otherwise the document and the old file
// are left as they were.
SaveOutcome SaveList(const WorkDir& dir, ListDocument& document, const Clock& clock,
                     bool overwriteOutsideChange = false);

// The dated copies of a list in the backup folder, oldest first (file names only).
std::vector<std::string> BackupsOf(const WorkDir& dir, const std::string& fileName);

} // namespace tamurik
