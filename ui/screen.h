#pragma once
// What every window of the program gets: the shared state and services, the navigator that
// opens and closes screens, and explicit activation.

#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/text.h"
#include "core/work_dir.h"
#include "learning/record.h"
#include "learning/record_queries.h"
#include "ui/additions_settings.h"
#include "ui/dialogs.h"
#include "ui/speaker.h"

#include <QWidget>

namespace tamurik {

// The screens the main menu opens, by their window names.
enum class ScreenId {
    Quatschverben,       // Form1
    AbcVerben,           // Form2
    Verbformen,          // Form3
    Settings,            // Form4
    Zusammenpuzzeln,     // Form5
    VerbenSchreiben,     // Form6
    ReimverbenFinden,    // Form7
    Verbbedeutung,       // Form8
    Zusammensetzen,      // Form9
    SchnellLesen,        // Form10
    ReimverbenSchreiben, // Form11
    VerbenTrennen,       // Form12
    Manual,              // Form13
    Memory,              // memo
    Galgenspiel,         // galgen
    Devadodad,           // fang
    VerbenVerlaengern,   // Form14
    Info,                // TMKLABEL (the last of the child's screens)
    Lehrerbereich,       // the teacher area, from the settings screen
};

// The verb selection groups, for passing a choice on from the main menu.
enum class SelectionGroup { Verbenwahl, Stammvokal };

class Navigator {
public:
    virtual ~Navigator() = default;
    // Hides the main menu, shows the screen and activates it.
    virtual void Open(ScreenId id) = 0;
    // Shows the main menu again and activates it (a screen hides itself first).
    virtual void ShowMenu() = 0;
    // The main menu's window title; the user name is the text from its 11th character on.
    virtual Text MenuTitle() const = 0;
    // Checks the button at this position of the group on every screen that has the group.
    virtual void ApplySelectionEverywhere(SelectionGroup group, int position) = 0;
    // Ends the program.
    virtual void Quit() = 0;
};

struct AppContext {
    MODUL1& state;
    const WorkDir& dir;
    RandomSource& random;
    Clock& clock;
    Dialogs& dialogs;
    Navigator& navigator;
    // The additions: their settings, the child's learning record with what the teacher area
    // asks of it, and the speaker.
    AdditionsSettings& additions;
    Record& record;
    RecordQueries& queries;
    Speaker& speaker;
};

// The user name as other screens read it: the main menu title from its 11th character on.
Text UserName(const Navigator& navigator);

// What helps a child read the coloured words: an outline for faint colours, and the parts told
// apart without colour.
struct ReadingAids {
    bool outline = false;
    bool partCues = false;
};
// The reading aids a widget draws with: those of the additions' settings in the program's
// screens (found through the widget's window), none elsewhere (a tool, one widget on its own).
ReadingAids ReadingAidsOf(const QWidget* widget);

class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(AppContext& context, const QString& objectName, const QString& title);

    // Runs each time the screen is shown from the main menu.
    virtual void Activate() {}
    // The window was closed by the window manager: act like the screen's own close.
    virtual void CloseFromWindowManager() = 0;
    // Centres the window; done once, on first showing.
    void CentreOnce();
    const AdditionsSettings& additions() const { return context_.additions; }

protected:
    void closeEvent(QCloseEvent* event) override;
    MODUL1& state() { return context_.state; }
    AppContext& context() { return context_; }
    Dialogs& dialogs() { return context_.dialogs; }
    Navigator& navigator() { return context_.navigator; }
    // Fixes the client area of the window, in twips.
    void setClientTwips(int widthTwips, int heightTwips);
    void setBackgroundColor(const QColor& color);

private:
    AppContext& context_;
    bool centred_ = false;
};

} // namespace tamurik
