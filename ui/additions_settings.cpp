#include "ui/additions_settings.h"

#include "ui/text_qt.h"

#include <QSettings>

#include <algorithm>

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

const QString kCardBoxKey = QStringLiteral("Lernstand/Karteikasten");
const QString kSpeechKey = QStringLiteral("Sprache/Anhoeren");
const QString kVoiceKey = QStringLiteral("Sprache/Stimme");
const QString kSpeedKey = QStringLiteral("Sprache/Tempo");
constexpr qsizetype kLongestVoiceName = 100;
const QString kOutlineKey = QStringLiteral("Lesehilfen/UmrissFuerSchwacheFarben");
const QString kPartCuesKey = QStringLiteral("Lesehilfen/WortteileOhneFarbe");

} // namespace

AdditionsSettings LoadAdditions(const WorkDir& dir) {
    AdditionsSettings settings;
    if (!dir.Exists(kAdditionsFile))
        return settings;
    const QSettings file(FilePath(dir), QSettings::IniFormat);
    settings.cardBox = ReadFlag(file, kCardBoxKey, settings.cardBox);
    settings.speech = ReadFlag(file, kSpeechKey, settings.speech);
    // A voice is named by the engine in a few words; a longer name or one with control
    // characters comes from damage and leaves the engine's own choice.
    const QString voice = file.value(kVoiceKey).toString().trimmed();
    const bool damaged = voice.size() > kLongestVoiceName ||
                         std::any_of(voice.begin(), voice.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (!damaged)
        settings.speechStyle.voice = FromQ(voice);
    bool isNumber = false;
    const int speed = file.value(kSpeedKey).toString().trimmed().toInt(&isNumber);
    if (isNumber && speed >= 0 && speed < kSpeechSpeeds)
        settings.speechStyle.speed = speed;
    settings.outlineFaintColours = ReadFlag(file, kOutlineKey, settings.outlineFaintColours);
    settings.partCues = ReadFlag(file, kPartCuesKey, settings.partCues);
    return settings;
}

bool SaveAdditions(const WorkDir& dir, const AdditionsSettings& settings) {
    // QSettings replaces the file through a temporary file beside it, so an interruption never
    // leaves half a file.
    QSettings file(FilePath(dir), QSettings::IniFormat);
    file.setValue(kCardBoxKey, settings.cardBox);
    file.setValue(kSpeechKey, settings.speech);
    file.setValue(kVoiceKey, ToQ(settings.speechStyle.voice));
    file.setValue(kSpeedKey, settings.speechStyle.speed);
    file.setValue(kOutlineKey, settings.outlineFaintColours);
    file.setValue(kPartCuesKey, settings.partCues);
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace tamurik
