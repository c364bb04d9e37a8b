#include "ui/additions_settings.h"

#include <QSettings>

namespace tamurik {

namespace {

QString FilePath(const WorkDir& dir) {
    return QString::fromStdString(dir.PathOf(kAdditionsFile).string());
}

// A yes/no value as a person would write it into the file; anything else keeps the default.
bool ReadFlag(const QSettings& file, const QString& key, bool fallback) {
    const QString value = file.value(key).toString().trimmed().toLower();
    if (value == QLatin1String("true") || value == QLatin1String("1"))
        return true;
    if (value == QLatin1String("false") || value == QLatin1String("0"))
        return false;
    return fallback;
}

const QString kOutlineKey = QStringLiteral("Lesehilfen/UmrissFuerSchwacheFarben");
const QString kPartCuesKey = QStringLiteral("Lesehilfen/WortteileOhneFarbe");

} // namespace

AdditionsSettings LoadAdditions(const WorkDir& dir) {
    AdditionsSettings settings;
    if (!dir.Exists(kAdditionsFile))
        return settings;
    const QSettings file(FilePath(dir), QSettings::IniFormat);
    settings.cardBox = ReadFlag(file, QStringLiteral("Lernstand/Karteikasten"), settings.cardBox);
    settings.outlineFaintColours = ReadFlag(file, kOutlineKey, settings.outlineFaintColours);
    settings.partCues = ReadFlag(file, kPartCuesKey, settings.partCues);
    return settings;
}

bool SaveAdditions(const WorkDir& dir, const AdditionsSettings& settings) {
    // QSettings replaces the file through a temporary file beside it, so an interruption never
    // leaves half a file.
    QSettings file(FilePath(dir), QSettings::IniFormat);
    file.setValue(QStringLiteral("Lernstand/Karteikasten"), settings.cardBox);
    file.setValue(kOutlineKey, settings.outlineFaintColours);
    file.setValue(kPartCuesKey, settings.partCues);
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace tamurik
