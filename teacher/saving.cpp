#include "teacher/saving.h"

#include "ui/text_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace tamurik {

namespace {

// Below this much free space a failed write counts as a full disk.
constexpr qint64 kNearlyFull = 1 << 20;

Text Reason(const QString& path) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QFileInfo(folder).isDir())
        return U"Den Ordner gibt es nicht: " + FromQ(QDir::toNativeSeparators(folder));
    if (!QFileInfo(folder).isWritable())
        return U"Der Ordner ist schreibgeschützt: " + FromQ(QDir::toNativeSeparators(folder));
    if (file.exists() && !file.isWritable())
        return U"Die Datei ist schreibgeschützt.";
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < kNearlyFull)
        return U"Auf dem Datenträger ist kein Platz mehr frei.";
    return U"Der Dateiname wird vom System nicht angenommen, oder der Datenträger ist voll.";
}

} // namespace

std::optional<Text> SaveFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    // A failed write leaves no trace: the file beside the chosen one is removed.
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return std::nullopt;
    file.cancelWriting();
    return Text(U"Die Datei konnte nicht gespeichert werden:") + CR +
           FromQ(QDir::toNativeSeparators(path)) + CR + Reason(path);
}

} // namespace tamurik
