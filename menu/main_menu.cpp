#include "menu/main_menu.h"

#include "core/contrast.h"
#include "core/points.h"
#include "core/word_lists.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"
#include "ui/option_group.h"
#include "ui/palette.h"
#include "ui/shape.h"
#include "ui/text_qt.h"

#include <QFrame>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace tamurik {

namespace {

// Two rows of seven parrots to the exercises, and one row of the other icons below them.
constexpr int kColumns = 7;
constexpr int kRows = 3;
constexpr int kIconSize = 900;
constexpr int kIconPitch = 1140;
constexpr int kIconTop = 1620;
constexpr int kIconMargin = 270;
constexpr int kWidth = 2 * kIconMargin + kColumns * kIconPitch - (kIconPitch - kIconSize);
constexpr int kHeight = kIconTop + kRows * kIconPitch + 660;
// The closed panel lies beyond the right edge; the open one stands in the middle.
constexpr int kPanelWidth = 4200;
constexpr int kPanelClosed = kWidth;
constexpr int kPanelOpen = (kWidth - kPanelWidth) / 2;
constexpr int kPanelTop = 1560;

struct MenuIcon {
    int number;          // Bild<number>
    const char* status;  // status text and accessible name
    const char* picture; // resource name
};

// In the order they stand on the menu: the parrots to the exercises first, then the rest.
constexpr std::array<MenuIcon, 21> kIcons{{
    {3, "Quatschverben", "quatschverben"},
    {6, "Verben trennen", "verben_trennen"},
    {17, "Verben schnell lesen", "verben_schnell_lesen"},
    {13, "ABC-Verben", "abc_verben"},
    {11, "Reimverben Memory", "reimverben_memory"},
    {9, "Reimverben finden", "reimverben_finden"},
    {18, "Reimverben schreiben", "reimverben_schreiben"},
    {10, "Verbbedeutung", "verbbedeutung"},
    {15, "Galgenspiel", "galgenspiel"},
    {14, "Verbformen", "verbformen"},
    {22, "Verben verlängern", "verben_verlaengern"},
    {2, "Verben zusammenpuzzeln", "verben_zusammenpuzzeln"},
    {16, "Verben zusammensetzen", "verben_zusammensetzen"},
    {7, "Verben schreiben", "verben_schreiben"},
    {12, "Belohnungsspiel", "belohnung"},
    {20, "Verbenwahl", "verbenwahl"},
    {4, "Benutzereingabe", "benutzer"},
    {8, "Farben und Schrift", "einstellungen"},
    {5, "Programminfo", "info"},
    {19, "Anleitung", "anleitung"},
    {1, "Beenden", "beenden"},
}};

} // namespace

MainMenu::MainMenu(AppContext& context)
    : Screen(context, QStringLiteral("Form0"), QStringLiteral("Tamurik:  Freund und Gast")) {
    setClientTwips(kWidth, kHeight);
    setMouseTracking(true);

    sheet_ = new Shape(this, QStringLiteral("Figur1"));
    PlaceTwips(sheet_, 150, kIconTop + kRows * kIconPitch + 30, kWidth - 300, 540);
    iconBoard_ = new Shape(this, QStringLiteral("Figur2"));
    iconBoard_->setFillColor(QColor(255, 255, 255, 215));
    PlaceTwips(iconBoard_, 150, kIconTop - 120, kWidth - 300, kRows * kIconPitch + 120);

    buildTitleWord();

    pointsLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung4"));
    pointsWordLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung5"));
    for (ClickLabel* label : {pointsLabel_, pointsWordLabel_}) {
        label->setClickable(false);
        label->setFont(UiFont(15, true));
        label->setForeground(Qt::white);
    }
    pointsLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pointsLabel_->setAccessibleDescription(QStringLiteral("Punkte"));
    pointsWordLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PlaceTwips(pointsLabel_, kWidth / 2 - 2400, 1080, 2340, 420);
    PlaceTwips(pointsWordLabel_, kWidth / 2 + 60, 1080, 2340, 420);

    statusLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung6"));
    statusLabel_->setClickable(false);
    statusLabel_->setFont(UiFont(14, true));
    statusLabel_->setForeground(Qt::white);
    statusLabel_->setAlignment(Qt::AlignCenter);
    PlaceTwips(statusLabel_, 240, kIconTop + kRows * kIconPitch + 60, kWidth - 480, 480);
    statusLabel_->setAccessibleName(QStringLiteral("Statuszeile"));

    buildIcons();
    buildPanel();
    ShowPointsDisplay();
}

void MainMenu::buildTitleWord() {
    const std::array<QString, 3> parts{QStringLiteral("Quatsch"), QStringLiteral("ver"),
                                       QStringLiteral("ben")};
    for (int i = 0; i < 3; ++i) {
        auto* label = new ClickLabel(this, QStringLiteral("Bezeichnung%1").arg(i + 1));
        label->setClickable(false);
        label->setFont(UiFont(30, true));
        label->setText(parts[static_cast<std::size_t>(i)]);
        titleWord_.append(label);
    }
    placeTitleWord();
}

void MainMenu::placeTitleWord() {
    PlaceAsWord({titleWord_.begin(), titleWord_.end()}, PxRect(0, 90, kWidth, 900), false,
                ReadingAidsOf(this).partCues);
}

void MainMenu::buildIcons() {
    icons_.resize(22);
    for (std::size_t i = 0; i < kIcons.size(); ++i) {
        const MenuIcon& entry = kIcons[i];
        const int column = static_cast<int>(i % kColumns);
        const int row = static_cast<int>(i / kColumns);
        const int x = kIconMargin + column * kIconPitch;
        const int y = kIconTop + row * kIconPitch;
        auto* icon = new ClickLabel(this, QStringLiteral("Bild%1").arg(entry.number));
        PlaceTwips(icon, x, y, kIconSize, kIconSize);
        icon->setIcon(QStringLiteral(":/icons/") + QLatin1String(entry.picture));
        const QString status = QString::fromUtf8(entry.status);
        icon->setAccessibleName(status);
        icon->setToolTip(status);
        connect(icon, &ClickLabel::hovered, this, [this, status] { ShowStatus(status); });
        icons_[entry.number - 1] = icon;
    }
    auto open = [this](int number, ScreenId id) {
        connect(icon(number), &ClickLabel::clicked, this, [this, id] { navigator().Open(id); });
    };
    connect(icon(1), &ClickLabel::clicked, this, &MainMenu::AskProgramEnd);
    open(2, ScreenId::Zusammenpuzzeln);
    open(3, ScreenId::Quatschverben);
    connect(icon(4), &ClickLabel::clicked, this, &MainMenu::NewUser);
    open(5, ScreenId::Info);
    open(6, ScreenId::VerbenTrennen);
    open(7, ScreenId::VerbenSchreiben);
    connect(icon(8), &ClickLabel::clicked, this, &MainMenu::OpenSettingsGate);
    open(9, ScreenId::ReimverbenFinden);
    open(10, ScreenId::Verbbedeutung);
    open(11, ScreenId::Memory);
    connect(icon(12), &ClickLabel::clicked, this, &MainMenu::StartRewardGame);
    open(13, ScreenId::AbcVerben);
    open(14, ScreenId::Verbformen);
    open(15, ScreenId::Galgenspiel);
    open(16, ScreenId::Zusammensetzen);
    open(17, ScreenId::SchnellLesen);
    open(18, ScreenId::ReimverbenSchreiben);
    connect(icon(19), &ClickLabel::clicked, this, &MainMenu::ShowIntroduction);
    connect(icon(20), &ClickLabel::clicked, this, &MainMenu::TogglePanel);
    open(22, ScreenId::VerbenVerlaengern);

    // The keyboard walks the icons in the order they stand.
    QWidget* previous = nullptr;
    for (const MenuIcon& entry : kIcons) {
        QWidget* current = icon(entry.number);
        if (previous)
            setTabOrder(previous, current);
        previous = current;
    }
}

void MainMenu::buildPanel() {
    panel_ = MakeSelectionPanel(this, QStringLiteral("Bild21"));
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(Px(120), Px(90), Px(120), Px(90));
    layout->setSpacing(Px(90));
    verbenwahl_ = new OptionGroup(
        panel_, QStringLiteral("Rahmen1"), kVerbenwahl, VerbenwahlCaptions(),
        {QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3")},
        static_cast<int>(Verbenwahl::Alle));
    stammvokal_ = new OptionGroup(
        panel_, QStringLiteral("Rahmen2"), kStammvokal, StammvokalCaptions(),
        {QStringLiteral("Option4"), QStringLiteral("Option5"), QStringLiteral("Option6")},
        static_cast<int>(Stammvokal::Alle));
    connect(verbenwahl_, &OptionGroup::chosen, this,
            [this](int pos) { ChooseOnPanel(SelectionGroup::Verbenwahl, pos); });
    connect(stammvokal_, &OptionGroup::chosen, this,
            [this](int pos) { ChooseOnPanel(SelectionGroup::Stammvokal, pos); });
    auto* closeLabel = new ClickLabel(panel_, QStringLiteral("Label1"));
    closeLabel->setText(QStringLiteral("Zum Schließen hier klicken . . ."));
    closeLabel->setFont(UiFont(10));
    connect(closeLabel, &ClickLabel::clicked, this, &MainMenu::TogglePanel);
    layout->addWidget(verbenwahl_);
    layout->addWidget(stammvokal_);
    layout->addWidget(closeLabel);
    panel_->resize(panel_->sizeHint().expandedTo(PxSize(kPanelWidth, 0)));
    MoveTwips(panel_, kPanelClosed, kPanelTop);
    panel_->hide();
}

OptionGroup* MainMenu::group(SelectionGroup which) const {
    return which == SelectionGroup::Verbenwahl ? verbenwahl_ : stammvokal_;
}

void MainMenu::Activate() {
    const MODUL1& s = state();
    titleWord_[0]->setForeground(PaletteColor(s.ColorAnfang));
    titleWord_[1]->setForeground(PaletteColor(s.ColorMitte));
    titleWord_[2]->setForeground(PaletteColor(s.ColorSchluss));
    const QColor sheet = PaletteColor(s.ColorBlatt);
    for (ClickLabel* label : titleWord_)
        label->setBackground(sheet);
    for (ClickLabel* label : {pointsLabel_, pointsWordLabel_, statusLabel_})
        label->setBackground(sheet);
    // White or black text, whichever stands out more from the sheet.
    const Rgb outline = OutlineColour(PaletteRgb(s.ColorBlatt));
    const QColor text(outline.r, outline.g, outline.b);
    for (ClickLabel* label : {pointsLabel_, pointsWordLabel_, statusLabel_})
        label->setForeground(text);
    setBackgroundColor(sheet);
    sheet_->setFillColor(sheet);
    sheet_->setBorderColor(text);
    placeTitleWord();
    ShowPointsDisplay();
    state().PanelOpen = 0;
}

void MainMenu::ShowPointsDisplay() {
    pointsLabel_->setText(QString::number(state().Points));
    pointsWordLabel_->setPlainText(PointsWord(state().Points));
}

void MainMenu::ShowStatus(const QString& text) {
    statusLabel_->setText(text);
}

void MainMenu::mouseMoveEvent(QMouseEvent* event) {
    ShowStatus(QString());
    Screen::mouseMoveEvent(event);
}

void MainMenu::AskProgramEnd() {
    const DialogAnswer answer =
        dialogs().Message(U"Willst du Tamurik jetzt beenden?" + Text(1, CR), U"Programmende",
                          DialogButtons::YesNo, DialogIcon::Stop);
    if (answer != DialogAnswer::No)
        navigator().Quit();
}

void MainMenu::NewUser() {
    const Text entry = dialogs().Input(U"Neuer Name:", U"Benutzername", Text());
    if (entry.empty())
        return;
    setWindowTitle(QStringLiteral("Tamurik:  ") + ToQ(entry));
    state().Points = 0;
    ShowPointsDisplay();
    // The learning record knows the child again by this name (and keeps nothing for a name of
    // blanks only).
    context().record.SetChild(entry);
}

void MainMenu::StartRewardGame() {
    const double have = NumericValue(FromQ(pointsLabel_->text()));
    const long long cost = state().RewardCost;
    if (have < static_cast<double>(cost)) {
        dialogs().Message(RewardTooFewText(cost), U"Spielabbruch", DialogButtons::Ok,
                          DialogIcon::None);
        return;
    }
    const DialogAnswer answer = dialogs().Message(RewardQuestionText(cost), U"Belohnungsspiel",
                                                  DialogButtons::YesNo, DialogIcon::Question);
    if (answer == DialogAnswer::No)
        return;
    state().Points -= cost;
    navigator().Open(ScreenId::Devadodad);
}

void MainMenu::OpenSettingsGate() {
    const Text entry =
        dialogs().Input(U"Passwort eingeben:", U"Tamurik: Passworteingabe", U"Tamurik");
    if (GateOpens(entry, FromQ(pointsLabel_->text())))
        navigator().Open(ScreenId::Settings);
}

void MainMenu::ShowIntroduction() {
    const Text text = U"Mit diesem Programm kannst du Verben trainieren." + Text(1, CR) +
                      U"Die Papageien bringen dich zu den Verb-Übungen." + CR +
                      U"Die anderen Symbole benötigst du zur Bedienung." + CR + CR +
                      U"Möchtest du eine genauere Anleitung durchlesen?" + CR;
    if (dialogs().Message(text, U"Tamurik", DialogButtons::YesNo, DialogIcon::Question) !=
        DialogAnswer::No)
        navigator().Open(ScreenId::Manual);
}

void MainMenu::TogglePanel() {
    panelOpen_ = !panelOpen_;
    MoveTwips(panel_, panelOpen_ ? kPanelOpen : kPanelClosed, kPanelTop);
    // A closed panel lies outside the window; hidden, it takes no keyboard focus either.
    panel_->setVisible(panelOpen_);
    if (panelOpen_) {
        panel_->raise();
        if (QWidget* first = verbenwahl_->button(verbenwahl_->checked()))
            first->setFocus();
    }
}

void MainMenu::ChooseOnPanel(SelectionGroup which, int position) {
    navigator().ApplySelectionEverywhere(which, position);
    if (panelOpen_)
        TogglePanel();
}

} // namespace tamurik
