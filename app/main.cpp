#include "app/navigator.h"
#include "app/run.h"
#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/work_dir.h"
#include "record/sqlite_record.h"
#include "speech/engine_speaker.h"
#include "ui/click_label.h"
#include "ui/dialogs.h"
#include "ui/geometry.h"
#include "ui/resources.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <chrono>
#include <filesystem>
#include <random>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamurik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tamurik"));
    QApplication::setDesktopFileName(QStringLiteral("de.tamurik.Tamurik"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Qt's own texts (the context menu of a text field, for instance) in German too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    tamurik::InitResources();
    tamurik::InstallAccessibility();
    tamurik::ChooseScaleFactor(nullptr);

    std::error_code error;
    const tamurik::WorkDir dir(std::filesystem::current_path(error));
    tamurik::MODUL1 state;
    std::random_device entropy;
    tamurik::StdRandom random(
        (static_cast<std::uint64_t>(entropy()) << 32) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    tamurik::SystemClock clock;
    tamurik::QtDialogs dialogs;

    if (!tamurik::RunStartUp(dir, state, dialogs))
        return 1;

    // The learning record opens its file on the first name typed, not here.
    tamurik::SqliteRecord record(dir.folder(), clock, [&dialogs](const tamurik::Text& text) {
        dialogs.Message(text, U"Tamurik: Lernstand", tamurik::DialogButtons::Ok,
                        tamurik::DialogIcon::Exclamation);
    });
    // Nothing of the speech engine is opened here: it starts on the first press of a speaker
    // icon.
    tamurik::EngineSpeaker speaker;
    tamurik::AppNavigator navigator(state, dir, random, clock, dialogs, &record, &record, &speaker);
    record.SetCardBoxSwitch([&navigator] { return navigator.context().additions.cardBox; });
    navigator.ShowMenu();
    return QApplication::exec();
}
