#pragma once
// Writing a file the teacher chose (a report, a worksheet, a spreadsheet): the bytes go to a
// file beside it, which takes the chosen name only when everything was written, so that a
// failure (a read-only folder, a full disk, a name the file system refuses) leaves no
// half-written file and an older file of that name as it was.

#include "core/text.h"

#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace tamurik {

// Runs `write` on the new file; no value when the file was saved, else the German message to
// show. `write` answers false when it could not write everything.
std::optional<Text> SaveFile(const QString& path, const std::function<bool(QIODevice&)>& write);

} // namespace tamurik
