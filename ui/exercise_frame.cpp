#include "ui/exercise_frame.h"

#include "core/points.h"
#include "core/startup.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/option_group.h"
#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace tamurik {

namespace {
const QColor kPanelColor(192, 255, 255);
const QColor kPointsColor(255, 128, 0);
} // namespace

ClickLabel* MakeIcon(QWidget* parent, const QString& objectName, const QString& resource,
                     const QString& accessibleName, QPoint twips, int sizeTwips) {
    auto* icon = new ClickLabel(parent, objectName);
    PlaceTwips(icon, twips.x(), twips.y(), sizeTwips, sizeTwips);
    icon->setIcon(resource);
    icon->setAccessibleName(accessibleName);
    icon->setToolTip(accessibleName);
    return icon;
}

QFrame* MakeSelectionPanel(QWidget* parent, const QString& objectName) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(objectName);
    panel->setFrameShape(QFrame::Box);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, kPanelColor);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    return panel;
}

void ShowRewardInfo(AppContext& context) {
    context.dialogs.Message(RewardInfoText(context.state.Points, context.state.RewardCost),
                            U"Belohnung", DialogButtons::Ok, DialogIcon::None);
}

ExerciseFrame::ExerciseFrame(AppContext& context, const FrameConfig& config)
    : Screen(context, config.objectName, config.title), config_(config) {
    setClientTwips(config_.widthTwips, config_.heightTwips);
    // Message boxes stand beside the exercise, not over the words the child works on.
    SetDialogKeepClear(this, rect());
    if (config_.fixedBackground)
        setBackgroundColor(*config_.fixedBackground);

    userLabel_ = new ClickLabel(this, config_.userLabel);
    userLabel_->setClickable(false);
    userLabel_->setAlignment(Qt::AlignCenter);
    userLabel_->setFont(UiFont(13, true));
    userLabel_->setColors(Qt::black, QColor(128, 255, 255));
    const QRect& u = config_.userLabelTwips;
    PlaceTwips(userLabel_, u.x(), u.y(), u.width(), u.height());

    pointsLabel_ = new ClickLabel(this, config_.pointsLabel);
    pointsLabel_->setClickable(false);
    pointsLabel_->setAlignment(Qt::AlignCenter);
    pointsLabel_->setFont(UiFont(8, true));
    pointsLabel_->setColors(Qt::white, kPointsColor);
    pointsLabel_->setText(QStringLiteral("0"));
    pointsLabel_->setAccessibleDescription(QStringLiteral("Punkte"));
    const QRect& p = config_.pointsLabelTwips;
    PlaceTwips(pointsLabel_, p.x(), p.y(), p.width(), p.height());

    closeIcon_ = MakeIcon(this, config_.closeIcon, QStringLiteral(":/icons/schliessen"),
                          QStringLiteral("Schließen"), config_.closeIconTwips);
    connect(closeIcon_, &ClickLabel::clicked, this, &ExerciseFrame::CloseExercise);
    rewardIcon_ = MakeIcon(this, config_.rewardIcon, QStringLiteral(":/icons/belohnung_info"),
                           QStringLiteral("Belohnung"), config_.rewardIconTwips);
    connect(rewardIcon_, &ClickLabel::clicked, this, [this] { ShowRewardInfo(this->context()); });

    if (config_.verbenwahl || config_.stammvokal)
        buildPanel();

    QRect strip = config_.syllableStripTwips;
    if (strip.isEmpty())
        strip = QRect(u.x(), u.y(), u.width(), std::max(u.height(), 600));
    speakerIcons_ = new SpeakerIcons(this, context,
                                     {config_.speakerIconTwips, config_.syllableIconTwips, strip},
                                     [this] { return WhatToHear(); });
}

SpeechOffer ExerciseFrame::WhatToHear() const {
    return SpeechOffer::NotNow(kNothingToHear);
}

void ExerciseFrame::SpeechChanged() {
    // A hidden screen's icons are brought up to date when it is activated.
    if (isVisible())
        speakerIcons_->Refresh();
}

void ExerciseFrame::buildPanel() {
    optionIcon_ = MakeIcon(this, config_.optionIcon, QStringLiteral(":/icons/optionen"),
                           QStringLiteral("Verbenwahl"), config_.optionIconTwips);
    connect(optionIcon_, &ClickLabel::clicked, this, &ExerciseFrame::ToggleOptionPanel);

    panel_ = MakeSelectionPanel(this, config_.panel);
    auto* row = new QHBoxLayout(panel_);
    row->setContentsMargins(Px(60), Px(60), Px(60), Px(60));
    row->setSpacing(Px(90));

    auto* panelIcon = new ClickLabel(panel_, config_.panelOptionIcon);
    panelIcon->setIcon(QStringLiteral(":/icons/optionen"));
    panelIcon->setAccessibleName(QStringLiteral("Verbenwahl"));
    panelIcon->setToolTip(QStringLiteral("Verbenwahl"));
    panelIcon->setFixedSize(PxSize(495, 495));
    connect(panelIcon, &ClickLabel::clicked, this, &ExerciseFrame::ToggleOptionPanel);
    row->addWidget(panelIcon, 0, Qt::AlignTop);

    auto* groups = new QVBoxLayout;
    groups->setSpacing(Px(60));
    if (config_.verbenwahl) {
        verbenwahl_ = new OptionGroup(panel_, config_.verbenwahlFrame, kVerbenwahl,
                                      VerbenwahlCaptions(), config_.verbenwahlOptions,
                                      static_cast<int>(config_.initial.verbenwahl));
        connect(verbenwahl_, &OptionGroup::chosen, this,
                [this](int pos) { OptionChosen(SelectionGroup::Verbenwahl, pos); });
        groups->addWidget(verbenwahl_);
    }
    if (config_.stammvokal) {
        stammvokal_ = new OptionGroup(panel_, config_.stammvokalFrame, kStammvokal,
                                      StammvokalCaptions(), config_.stammvokalOptions,
                                      static_cast<int>(config_.initial.stammvokal));
        connect(stammvokal_, &OptionGroup::chosen, this,
                [this](int pos) { OptionChosen(SelectionGroup::Stammvokal, pos); });
        groups->addWidget(stammvokal_);
    }
    row->addLayout(groups);
    panel_->adjustSize();

    // The closed panel lies wholly outside the window and the open one wholly inside it.
    const QSize size = panel_->sizeHint();
    const int along = config_.panelMovesVertically ? config_.heightTwips : config_.widthTwips;
    const int extent =
        static_cast<int>(TwipsFromPx(config_.panelMovesVertically ? size.height() : size.width()));
    panelClosed_ = std::max(config_.panelClosed, along);
    panelOpen_ = std::max(0, std::min(config_.panelOpen, along - extent));
    panel_->resize(size);
    movePanel(panelClosed_);
}

void ExerciseFrame::movePanel(int position) {
    panelPos_ = position;
    // A closed panel lies outside the window; hidden, it takes no keyboard focus either.
    panel_->setVisible(position == panelOpen_);
    if (config_.panelMovesVertically)
        MoveTwips(panel_, config_.panelAcross, position);
    else
        MoveTwips(panel_, position, config_.panelAcross);
}

bool ExerciseFrame::isPanelOpen() const {
    return panel_ != nullptr && panelPos_ == panelOpen_;
}

void ExerciseFrame::ToggleOptionPanel() {
    if (panel_ == nullptr)
        return;
    const bool open = !isPanelOpen();
    movePanel(open ? panelOpen_ : panelClosed_);
    if (open)
        panel_->raise();
    PanelToggled(open);
}

void ExerciseFrame::Activate() {
    QuestionShown();
    userLabel_->setPlainText(UserName(navigator()));
    ShowPoints();
    if (!config_.fixedBackground)
        setBackgroundColor(PaletteColor(state().ColorBlatt));
    PrepareExercise();
    speakerIcons_->Refresh();
}

void ExerciseFrame::ShowPoints() {
    pointsLabel_->setText(QString::number(state().Points));
}

void ExerciseFrame::TakePoints(long long n) {
    state().Points = std::max(0LL, state().Points - n);
    ShowPoints();
}

void ExerciseFrame::CloseExercise() {
    speakerIcons_->Stop();
    EndWork();
    hide();
    navigator().ShowMenu();
}

Selection ExerciseFrame::selection() const {
    Selection s = config_.initial;
    if (verbenwahl_)
        s.verbenwahl = static_cast<Verbenwahl>(verbenwahl_->checked());
    if (stammvokal_)
        s.stammvokal = static_cast<Stammvokal>(stammvokal_->checked());
    return s;
}

OptionGroup* ExerciseFrame::group(SelectionGroup which) const {
    return which == SelectionGroup::Verbenwahl ? verbenwahl_ : stammvokal_;
}

void ExerciseFrame::ApplySelection(SelectionGroup which, int position) {
    if (OptionGroup* g = group(which))
        g->choose(position);
}

void ExerciseFrame::OptionChosen(SelectionGroup, int) {}

bool ExerciseFrame::NoVerbsForSelection(const std::string& file) {
    if (!isVisible())
        return false;
    const Selection now = selection();
    const bool alreadyAll =
        now.verbenwahl == Verbenwahl::Alle && now.stammvokal == Stammvokal::Alle;
    if (alreadyAll || (verbenwahl_ == nullptr && stammvokal_ == nullptr)) {
        dialogs().Message(U"In der Datei " + FromUtf8(file) +
                              U" stehen keine Verben, die diese Übung verwenden kann." + CR +
                              U"Bitte die Wortliste prüfen." + CR,
                          FromQ(windowTitle()), DialogButtons::Ok, DialogIcon::Exclamation);
        CloseExercise();
        return false;
    }
    dialogs().Message(Text(U"Zu dieser Auswahl gibt es keine passenden Verben.") + CR +
                          U"Es werden wieder alle Verben verwendet." + CR,
                      FromQ(windowTitle()), DialogButtons::Ok, DialogIcon::Information);
    if (verbenwahl_)
        verbenwahl_->setCheckedQuietly(static_cast<int>(Verbenwahl::Alle));
    if (stammvokal_)
        stammvokal_->setCheckedQuietly(static_cast<int>(Stammvokal::Alle));
    return true;
}

std::vector<Text>
ExerciseFrame::VerbLinesForSelection(const std::function<bool(const Text& line)>& keep) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<Text> lines =
            MatchingLines(context().dir, kVerbFile, selection()).value_or(std::vector<Text>{});
        if (keep)
            std::erase_if(lines, [&](const Text& line) { return !keep(line); });
        if (!lines.empty())
            return lines;
        if (!NoVerbsForSelection(kVerbFile))
            return {};
    }
    return {};
}

void ExerciseFrame::QuestionShown() {
    questionShownMs_ = context().clock.NowMs();
}

void ExerciseFrame::ReportAnswer(const Text& item, const char* asked, const Text& given, bool right,
                                 bool fromVerbList) {
    const std::int64_t now = context().clock.NowMs();
    Answer answer;
    answer.exercise = config_.recordKey;
    answer.item = item;
    answer.asked = asked;
    answer.given = given;
    answer.right = right;
    // A clock set back (by the system's time service) gives no negative time.
    answer.millis = std::max<std::int64_t>(0, now - questionShownMs_);
    answer.fromVerbList = fromVerbList;
    questionShownMs_ = now;
    // The record is an addition: whatever goes wrong behind it must not cost the child the
    // exercise, so nothing it throws reaches the screen.
    try {
        context().record.Report(answer);
    } catch (...) {
    }
}

void ExerciseFrame::ReportVerbAnswer(TextView line, const char* asked, const Text& given,
                                     bool right) {
    ReportAnswer(MarkedWord(line), asked, given, right, true);
}

std::vector<Text> ExerciseFrame::DueVerbs() {
    if (!context().additions.cardBox)
        return {};
    // As with reporting: a record that fails leaves the draws as they always were.
    try {
        return context().record.DueVerbs();
    } catch (...) {
        return {};
    }
}

std::optional<Text> ExerciseFrame::DueVerbLine(const std::vector<Text>& lines,
                                               const LineFits& fits) {
    return DrawDueLine(lines, DueVerbs(), context().random, fits);
}

void ExerciseFrame::MixInDueVerbs(std::vector<Text>& drawn, const std::vector<Text>& lines) {
    MixInDueLines(drawn, lines, DueVerbs(), context().random);
}

std::optional<Text> ExerciseFrame::DueVerbForSelection(const LineFits& keep) {
    const std::vector<Text> due = DueVerbs();
    if (due.empty())
        return std::nullopt;
    std::vector<Text> lines =
        MatchingLines(context().dir, kVerbFile, selection()).value_or(std::vector<Text>{});
    if (keep)
        std::erase_if(lines, [&](const Text& line) { return !keep(line); });
    return DrawDueLine(lines, due, context().random);
}

} // namespace tamurik
