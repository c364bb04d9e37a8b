#include "exercises/rhymes/reimverben_memory_screen.h"

#include "core/startup.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"

namespace tamurik {

namespace {

const QColor kFieldColor(128, 255, 255);
const Text kTitle = U"Reimverben-Memory";

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("memo");
    config.title = QStringLiteral("Tamurik: Reimverben-Memory");
    config.recordKey = "reimverben_memory";
    config.widthTwips = 9585;
    config.heightTwips = 7095;
    config.userLabel = QStringLiteral("Bezeichnung19");
    config.userLabelTwips = QRect(960, 120, 7815, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung26");
    config.pointsLabelTwips = QRect(120, 3260, 495, 255);
    config.closeIcon = QStringLiteral("Bild1");
    config.closeIconTwips = QPoint(120, 840);
    config.rewardIcon = QStringLiteral("Bild2");
    config.rewardIconTwips = QPoint(120, 2760);
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("bild6");
    config.optionIconTwips = QPoint(120, 5880);
    config.panel = QStringLiteral("bild7");
    config.panelOptionIcon = QStringLiteral("bild8");
    config.stammvokalFrame = QStringLiteral("Frame1");
    config.stammvokalOptions = {QStringLiteral("Option1"), QStringLiteral("Option2"),
                                QStringLiteral("Option3")};
    config.panelOpen = 5280;
    config.panelClosed = 7200;
    config.panelAcross = 480;
    return config;
}

// Fields 1-9 fill the left column from the top, 10-18 the right one.
int FieldLeft(int field) {
    return field <= kRhymeSetSize ? 960 : 4920;
}
int FieldTop(int field) {
    return 960 + 600 * ((field - 1) % kRhymeSetSize);
}

} // namespace

MemoryScreen::MemoryScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    // The words are written on the window itself; the covers lie over them.
    board_ = new PictureSurface(this, QStringLiteral("Spielfeld"));
    PlaceTwips(board_, 0, 0, 9585, 7095);
    board_->setDrawFont(UiFont(18, true));
    board_->lower();
    // The eighteen fields: a message box, above all the one that asks the child to memorise
    // them, stands beside them.
    SetDialogKeepClear(this, PxRect(FieldLeft(1), FieldTop(1),
                                    FieldLeft(kMemoryFields) + 3855 - FieldLeft(1),
                                    FieldTop(kMemoryFields) + 495 - FieldTop(1)));

    for (int field = 1; field <= kMemoryFields; ++field) {
        auto* cover = new ClickLabel(this, QStringLiteral("Bezeichnung%1").arg(field));
        PlaceTwips(cover, FieldLeft(field), FieldTop(field), 3855, 495);
        cover->setBackground(kFieldColor);
        cover->setAccessibleName(QStringLiteral("Feld %1").arg(field));
        connect(cover, &ClickLabel::clicked, this, [this, field] { TurnCard(field); });
        covers_[field - 1] = cover;
    }

    meaningLabel_ = new ClickLabel(this, QStringLiteral("Label1"));
    meaningLabel_->setClickable(false);
    PlaceTwips(meaningLabel_, 960, 6600, 7815, 495);
    meaningLabel_->setColors(Qt::black, kFieldColor);
    meaningLabel_->setAlignment(Qt::AlignCenter);
    meaningLabel_->setFont(UiFont(12, true));

    auto* help = MakeIcon(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/hilfe"),
                          QStringLiteral("Hilfe"), QPoint(120, 1800));
    connect(help, &ClickLabel::clicked, this, [this] {
        dialogs().Message(Text(U"Immer zwei Felder bilden ein Reimpaar, klicke") + CR +
                              U"die Einzelfelder an und suche so Reimpaare!" + CR +
                              U"Zum Starten musst du auf die Flagge klicken!",
                          kTitle, DialogButtons::Ok, DialogIcon::None);
    });
    auto* hint = MakeIcon(this, QStringLiteral("Bild4"), QStringLiteral(":/icons/tipp"),
                          QStringLiteral("Tipp"), QPoint(120, 3960));
    connect(hint, &ClickLabel::clicked, this, &MemoryScreen::ShowHint);
    startFlag_ = MakeIcon(this, QStringLiteral("Bild5"), QStringLiteral(":/icons/startflagge"),
                          QStringLiteral("Start"), QPoint(120, 4920));
    startFlag_->hide();
    connect(startFlag_, &ClickLabel::clicked, this, &MemoryScreen::StartPlay);
}

void MemoryScreen::PrepareExercise() {
    found_.clear();
    board_->setBackground(PaletteColor(state().ColorBlatt));
    startFlag_->hide();
    StartGame();
}

void MemoryScreen::EndWork() {
    game_.Clear();
}

void MemoryScreen::OptionChosen(SelectionGroup, int) {
    if (!isVisible())
        return;
    ToggleOptionPanel();
    StartGame();
}

void MemoryScreen::StartGame() {
    meaningLabel_->setPlainText(U"");
    for (ClickLabel* cover : covers_)
        cover->hide();
    startFlag_->hide();
    game_.Clear();
    board_->Clear();
    const auto set = DrawRhymeSet(
        context().dir, kMemoryDraw, context().random, [this] { return selection().stammvokal; },
        [this] { return NoVerbsForSelection(kRhymeFile); });
    if (!set)
        return;
    game_.Deal(*set, context().random);
    PrintCards();
    dialogs().Message(Text(U"Merke dir die Lage der Wörter gut.") + CR +
                          U"Klicke danach auf die Startflagge!" + CR +
                          U"Für falsches Klicken gibt es Abzug!" + CR,
                      kTitle, DialogButtons::Ok, DialogIcon::None);
    startFlag_->show();
}

void MemoryScreen::PrintCards() {
    const WordColors colors = PartColors(state(), Qt::black);
    for (int field = 1; field <= kMemoryFields; ++field) {
        board_->SetDrawPos(field <= kRhymeSetSize ? 1000 : 5000, FieldTop(field) + 40);
        board_->PrintMarked(game_.card(field).word, colors, {.spaced = true});
    }
}

void MemoryScreen::StartPlay() {
    for (ClickLabel* cover : covers_) {
        cover->show();
        cover->raise();
    }
    startFlag_->hide();
    QuestionShown();
}

void MemoryScreen::TurnCard(int field) {
    if (game_.cards().empty())
        return;
    const std::vector<Text> verbs =
        context().dir.ReadLines(kVerbFile).value_or(std::vector<Text>{});
    meaningLabel_->setPlainText(MeaningLine(verbs, game_.card(field).word));

    const MemoryTurn turn = game_.TurnCard(field, state().Points);
    if (turn.ignored)
        return;
    for (int back : turn.coveredAgain) {
        if (back != 0)
            covers_[back - 1]->show();
    }
    covers_[field - 1]->hide();
    reportTurn(turn);
    ShowPoints();
    if (turn.pairFound) {
        FrameField(turn.pairFields[0]);
        FrameField(turn.pairFields[1]);
        found_ = {game_.card(turn.pairFields[0]).word, game_.card(turn.pairFields[1]).word};
        SpeechChanged();
    }
    if (turn.finished)
        FinishGame();
}

void MemoryScreen::reportTurn(const MemoryTurn& turn) {
    // The first card of a turn asks for its partner; the second one answers.
    if (turn.pairFound) {
        ReportAnswer(game_.card(turn.pairFields[0]).word, asked::kRhymePartner,
                     CleanWord(game_.card(turn.pairFields[1]).word), true, false);
    } else if (game_.secondPick() != 0) {
        ReportAnswer(game_.card(game_.firstPick()).word, asked::kRhymePartner,
                     CleanWord(game_.card(game_.secondPick()).word), false, false);
    } else if (game_.firstPick() != 0) {
        QuestionShown();
    }
}

SpeechOffer MemoryScreen::WhatToHear() const {
    if (found_.empty())
        return SpeechOffer::NotNow(U"Finde zuerst ein Reimpaar.");
    return SpeechOffer::Verbs(found_);
}

void MemoryScreen::FrameField(int field) {
    const int left = field <= kRhymeSetSize ? 950 : 4900;
    const int top = FieldTop(field) - 10;
    board_->Box(left, top, left + 3900, top + 550, kFieldColor, false);
}

void MemoryScreen::FinishGame() {
    dialogs().Message(Text(U"Prima, du hast es geschafft!") + CR, U"Memory", DialogButtons::Ok,
                      DialogIcon::None);
    StartGame();
}

void MemoryScreen::ShowHint() {
    const std::optional<Text> hint = game_.HintText();
    if (!hint)
        return;
    ReportAnswer(game_.card(game_.firstPick()).word, asked::kRhymePartner, Text(kGivenHint), false,
                 false);
    dialogs().Message(*hint + CR, kTitle, DialogButtons::Ok, DialogIcon::None);
    TakePoints(1);
}

} // namespace tamurik
