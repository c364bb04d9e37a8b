#include "app/navigator.h"

#include "exercises/rhymes/reimverben_finden_screen.h"
#include "exercises/rhymes/reimverben_memory_screen.h"
#include "exercises/rhymes/reimverben_schreiben_screen.h"
#include "exercises/rhymes/verbbedeutung_screen.h"
#include "exercises/syllables/abc_verben_screen.h"
#include "exercises/syllables/quatschverben_screen.h"
#include "exercises/syllables/verben_schnell_lesen_screen.h"
#include "exercises/syllables/verben_trennen_screen.h"
#include "exercises/wordbuilding/galgenspiel_screen.h"
#include "exercises/wordbuilding/verben_schreiben_screen.h"
#include "exercises/wordbuilding/verben_verlaengern_screen.h"
#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"
#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"
#include "exercises/wordbuilding/verbformen_screen.h"
#include "info/info_box.h"
#include "info/manual_viewer.h"
#include "menu/main_menu.h"
#include "reward/devadodad_screen.h"
#include "settings/settings_screen.h"
#include "teacher/teacher_screen.h"
#include "ui/exercise_frame.h"
#include "ui/text_qt.h"

#include <QApplication>
#include <QGuiApplication>

namespace tamurik {

const std::vector<ScreenId>& ScreensWith(SelectionGroup group) {
    static const std::vector<ScreenId> verbenwahl{
        ScreenId::AbcVerben,       ScreenId::Verbformen,     ScreenId::Zusammenpuzzeln,
        ScreenId::VerbenSchreiben, ScreenId::Zusammensetzen, ScreenId::SchnellLesen,
        ScreenId::VerbenTrennen,   ScreenId::Galgenspiel,    ScreenId::VerbenVerlaengern};
    static const std::vector<ScreenId> stammvokal = [] {
        std::vector<ScreenId> all = verbenwahl;
        all.insert(all.end(), {ScreenId::ReimverbenFinden, ScreenId::Verbbedeutung,
                               ScreenId::ReimverbenSchreiben, ScreenId::Memory});
        return all;
    }();
    return group == SelectionGroup::Verbenwahl ? verbenwahl : stammvokal;
}

AppNavigator::AppNavigator(MODUL1& state, const WorkDir& dir, RandomSource& random, Clock& clock,
                           Dialogs& dialogs, Record* record, RecordQueries* queries,
                           Speaker* speaker)
    : additions_(LoadAdditions(dir)), context_{state,
                                               dir,
                                               random,
                                               clock,
                                               dialogs,
                                               *this,
                                               additions_,
                                               record != nullptr ? *record : noRecord_,
                                               queries != nullptr ? *queries : noQueries_,
                                               speaker != nullptr ? *speaker : noSpeaker_},
      quitHandler_([] { QCoreApplication::quit(); }) {}

AppNavigator::~AppNavigator() = default;

MainMenu& AppNavigator::menu() {
    if (!menu_)
        menu_ = std::make_unique<MainMenu>(context_);
    return *menu_;
}

std::unique_ptr<Screen> AppNavigator::create(ScreenId id) {
    AppContext& c = context_;
    switch (id) {
    case ScreenId::Quatschverben:
        return std::make_unique<QuatschverbenScreen>(c);
    case ScreenId::AbcVerben:
        return std::make_unique<AbcVerbenScreen>(c);
    case ScreenId::Verbformen:
        return std::make_unique<VerbformenScreen>(c);
    case ScreenId::Settings:
        return std::make_unique<SettingsScreen>(c);
    case ScreenId::Zusammenpuzzeln:
        return std::make_unique<ZusammenpuzzelnScreen>(c);
    case ScreenId::VerbenSchreiben:
        return std::make_unique<VerbenSchreibenScreen>(c);
    case ScreenId::ReimverbenFinden:
        return std::make_unique<ReimverbenFindenScreen>(c);
    case ScreenId::Verbbedeutung:
        return std::make_unique<VerbbedeutungScreen>(c);
    case ScreenId::Zusammensetzen:
        return std::make_unique<ZusammensetzenScreen>(c);
    case ScreenId::SchnellLesen:
        return std::make_unique<SchnellLesenScreen>(c);
    case ScreenId::ReimverbenSchreiben:
        return std::make_unique<ReimverbenSchreibenScreen>(c);
    case ScreenId::VerbenTrennen:
        return std::make_unique<VerbenTrennenScreen>(c);
    case ScreenId::Manual:
        return std::make_unique<ManualViewer>(c);
    case ScreenId::Memory:
        return std::make_unique<MemoryScreen>(c);
    case ScreenId::Galgenspiel:
        return std::make_unique<GalgenspielScreen>(c);
    case ScreenId::Devadodad:
        return std::make_unique<DevadodadScreen>(c);
    case ScreenId::Info:
        return std::make_unique<InfoBox>(c);
    case ScreenId::VerbenVerlaengern:
        return std::make_unique<VerbenVerlaengernScreen>(c);
    case ScreenId::Lehrerbereich:
        return std::make_unique<TeacherScreen>(c);
    }
    return nullptr;
}

Screen& AppNavigator::screen(ScreenId id) {
    std::unique_ptr<Screen>& slot = screens_[id];
    if (!slot)
        slot = create(id);
    return *slot;
}

Screen* AppNavigator::existing(ScreenId id) const {
    const auto found = screens_.find(id);
    return found == screens_.end() ? nullptr : found->second.get();
}

namespace {

// Shows a window in front, then runs its activation.
void ShowAndActivate(Screen& window) {
    window.CentreOnce();
    window.show();
    // The headless platform of the tests has no stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        window.raise();
        window.activateWindow();
    }
    window.Activate();
}

} // namespace

void AppNavigator::Open(ScreenId id) {
    Screen& target = screen(id);
    menu().hide();
    ShowAndActivate(target);
}

void AppNavigator::ShowMenu() {
    ShowAndActivate(menu());
}

Text AppNavigator::MenuTitle() const {
    return menu_ ? FromQ(menu_->windowTitle()) : Text(U"Tamurik:  Freund und Gast");
}

void AppNavigator::ApplySelectionEverywhere(SelectionGroup group, int position) {
    for (ScreenId id : ScreensWith(group))
        if (auto* frame = dynamic_cast<ExerciseFrame*>(&screen(id)))
            frame->ApplySelection(group, position);
}

void AppNavigator::Quit() {
    for (auto& [id, s] : screens_)
        s->hide();
    if (menu_)
        menu_->hide();
    quitHandler_();
}

} // namespace tamurik
