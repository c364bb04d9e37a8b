#pragma once
// The main menu: the hub between all screens. It holds the user name in its window title and
// shows the points; its icons open the exercises, the reward game, the settings and the
// program information.

#include "ui/screen.h"

#include <QList>

class QFrame;

namespace tamurik {

class ClickLabel;
class OptionGroup;
class Shape;

class MainMenu : public Screen {
    Q_OBJECT
public:
    explicit MainMenu(AppContext& context);

    // Title word colours, backgrounds, points; the panel flag of the exercises is cleared.
    void Activate() override;
    void CloseFromWindowManager() override { AskProgramEnd(); }

    void AskProgramEnd();
    void NewUser();
    void StartRewardGame();
    void OpenSettingsGate();
    void ShowIntroduction();
    void TogglePanel();
    bool isPanelOpen() const { return panelOpen_; }
    // The status line shows the name of the icon under the pointer.
    void ShowStatus(const QString& text);

    // The widgets by their names, for the navigator and for tests.
    ClickLabel* icon(int number) const { return icons_.value(number - 1); }
    OptionGroup* group(SelectionGroup which) const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildTitleWord();
    // The title word centred at the top, with the part cues when they are on.
    void placeTitleWord();
    void buildIcons();
    void buildPanel();
    void ShowPointsDisplay();
    void ChooseOnPanel(SelectionGroup group, int position);

    QList<ClickLabel*> titleWord_;
    ClickLabel* pointsLabel_ = nullptr;
    ClickLabel* pointsWordLabel_ = nullptr;
    ClickLabel* statusLabel_ = nullptr;
    QList<ClickLabel*> icons_;
    QFrame* panel_ = nullptr;
    OptionGroup* verbenwahl_ = nullptr;
    OptionGroup* stammvokal_ = nullptr;
    Shape* sheet_ = nullptr;
    Shape* iconBoard_ = nullptr;
    bool panelOpen_ = false;
};

} // namespace tamurik
