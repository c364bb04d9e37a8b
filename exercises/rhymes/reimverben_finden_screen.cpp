#include "exercises/rhymes/reimverben_finden_screen.h"

#include "core/startup.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"

#include <QKeyEvent>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace tamurik {

namespace {

const QColor kWindowColor(128, 255, 255);
constexpr int kParked = 10;
constexpr int kStripLeft = 3950;
constexpr int kStripLanding = 850;
constexpr int kSlideMilliseconds = 500;

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form7");
    config.title = QStringLiteral("Tamurik: Reimverben finden");
    config.recordKey = "reimverben_finden";
    config.widthTwips = 7500;
    config.heightTwips = 8730;
    config.fixedBackground = kWindowColor;
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 0, 6375, 615);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.pointsLabelTwips = QRect(120, 1950, 495, 255);
    config.closeIcon = QStringLiteral("Bild3");
    config.closeIconTwips = QPoint(120, 600);
    config.rewardIcon = QStringLiteral("Bild4");
    config.rewardIconTwips = QPoint(120, 1440);
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild6");
    config.optionIconTwips = QPoint(120, 4200);
    config.panel = QStringLiteral("Bild7");
    config.panelOptionIcon = QStringLiteral("Bild8");
    config.panelMovesVertically = false;
    config.panelOpen = 480;
    config.panelClosed = 7800;
    config.panelAcross = 3480;
    return config;
}

// Row k (1-9) and the strip's top for slider value k: 800·k − 100.
int RowTop(int row) {
    return 800 * row - 100;
}

} // namespace

ReimverbenFindenScreen::ReimverbenFindenScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {
    // The rows are written on the window itself.
    rows_ = new PictureSurface(this, QStringLiteral("Zeilen"));
    PlaceTwips(rows_, 0, 0, 7500, 8730);
    rows_->setBackground(kWindowColor);
    rows_->setDrawFont(UiFont(24, true));
    rows_->lower();

    strip_ = new PictureSurface(this, QStringLiteral("Bild1"));
    PlaceTwips(strip_, kStripLeft, RowTop(kParked), 3000, 705);
    strip_->setDrawFont(UiFont(24, true));
    slide_ = new QPropertyAnimation(strip_, "pos", this);
    slide_->setDuration(kSlideMilliseconds);
    slide_->setEasingCurve(QEasingCurve::InOutQuad);
    connect(slide_, &QPropertyAnimation::finished, this, &ReimverbenFindenScreen::SlideEnded);

    slider_ = new QScrollBar(Qt::Vertical, this);
    slider_->setObjectName(QStringLiteral("VBildlauf1"));
    slider_->setAccessibleName(QStringLiteral("Reimwort verschieben"));
    PlaceTwips(slider_, 240, 5160, 255, 2295);
    // Value k puts the strip into row k; below row 1 nothing can be chosen.
    slider_->setRange(1, kParked);
    slider_->setPageStep(1);
    connect(slider_, &QScrollBar::valueChanged, this, &ReimverbenFindenScreen::MoveStrip);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("Befehl1"));
    okButton_->setFont(UiFont(8, true));
    PlaceTwips(okButton_, 120, 7560, 495, 375);
    connect(okButton_, &QPushButton::clicked, this, &ReimverbenFindenScreen::CheckAnswer);

    auto* hint = MakeIcon(this, QStringLiteral("Bild5"), QStringLiteral(":/icons/tipp"),
                          QStringLiteral("Tipp"), QPoint(120, 2520));
    connect(hint, &ClickLabel::clicked, this, &ReimverbenFindenScreen::ShowHint);
    auto* help = MakeIcon(this, QStringLiteral("Bild2"), QStringLiteral(":/icons/hilfe"),
                          QStringLiteral("Hilfe"), QPoint(120, 3360));
    connect(help, &ClickLabel::clicked, this, [this] {
        dialogs().Message(Text(U"Bewege den Schieberegler und klicke dann für") + CR +
                              U"die Eingabe auf den OK-Knopf oder nutze die" + CR +
                              U"Pfeiltasten und zur Eingabe die ENTER-Taste." + CR,
                          U"Reimverben", DialogButtons::Ok, DialogIcon::None);
        slider_->setFocus();
    });
    if (auto* reward = findChild<ClickLabel*>(QStringLiteral("Bild4")))
        connect(reward, &ClickLabel::clicked, this, [this] { slider_->setFocus(); });
}

void ReimverbenFindenScreen::PrepareExercise() {
    found_.clear();
    strip_->setBackground(PaletteColor(state().ColorBlatt));
    StartRound();
}

void ReimverbenFindenScreen::StartRound() {
    FinishSlide();
    if (!DrawRhymePairs())
        return;
    PrintRows();
    NextTask();
    slider_->setFocus();
}

SpeechOffer ReimverbenFindenScreen::WhatToHear() const {
    if (found_.empty())
        return SpeechOffer::NotNow(U"Finde zuerst ein Reimpaar.");
    return SpeechOffer::Verbs(found_);
}

void ReimverbenFindenScreen::EndWork() {
    slide_->stop();
    sliding_ = false;
    pairs_.clear();
    done_.clear();
    targetRow_ = 0;
}

void ReimverbenFindenScreen::OptionChosen(SelectionGroup, int) {
    if (isVisible())
        StartRound();
}

void ReimverbenFindenScreen::PanelToggled(bool open) {
    if (!open)
        slider_->setFocus();
}

void ReimverbenFindenScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        CheckAnswer();
        return;
    }
    ExerciseFrame::keyPressEvent(event);
}

bool ReimverbenFindenScreen::DrawRhymePairs() {
    pairs_.clear();
    done_.clear();
    targetRow_ = 0;
    const auto set = tamurik::DrawRhymeSet(
        context().dir, kFindenDraw, context().random, [this] { return selection().stammvokal; },
        [this] { return NoVerbsForSelection(kRhymeFile); });
    if (!set)
        return false;
    pairs_ = *set;
    done_.assign(pairs_.size(), false);
    return true;
}

void ReimverbenFindenScreen::PrintRows() {
    rows_->Clear();
    const WordColors colors = PartColors(state(), Qt::black);
    const QColor blatt = PaletteColor(state().ColorBlatt);
    for (int row = 1; row <= static_cast<int>(pairs_.size()); ++row) {
        rows_->Box(850, RowTop(row), 3850, RowTop(row) + 700, blatt, true);
        rows_->Box(kStripLeft, RowTop(row), kStripLeft + 3000, RowTop(row) + 700, Qt::black, false);
        rows_->SetDrawPos(950, 800 * row);
        rows_->PrintMarked(pairs_[row - 1].first, colors);
    }
}

void ReimverbenFindenScreen::NextTask() {
    if (pairs_.empty())
        return;
    if (std::all_of(done_.begin(), done_.end(), [](bool d) { return d; })) {
        dialogs().Message(Text(U"Du hast alle Aufgaben gelöst.") + CR +
                              U"Das Spiel beginnt von vorne!" + CR,
                          U"Reimpaare", DialogButtons::Ok, DialogIcon::Information);
        if (!DrawRhymePairs())
            return;
        PrintRows();
    }
    // The next task is drawn among the rows still open.
    std::vector<int> open;
    for (int k = 0; k < static_cast<int>(done_.size()); ++k) {
        if (!done_[k])
            open.push_back(k);
    }
    const int k = open[context().random.Draw(static_cast<int>(open.size()))];
    targetRow_ = k + 1;
    done_[k] = true;

    MoveTwips(strip_, kStripLeft, RowTop(kParked));
    strip_->Clear();
    strip_->SetDrawPos(50, 100);
    strip_->Print(U" ");
    strip_->PrintMarked(pairs_[k].partner, PartColors(state(), Qt::black));
    strip_->raise();

    slider_->setEnabled(true);
    slider_->setMaximum(kParked);
    slider_->setValue(kParked);
    firstMove_ = true;
    QuestionShown();
}

void ReimverbenFindenScreen::MoveStrip() {
    if (sliding_)
        return;
    if (firstMove_) {
        firstMove_ = false;
        // Once moved, the strip cannot be parked again during this task.
        slider_->setMaximum(kParked - 1);
    }
    MoveTwips(strip_, kStripLeft, RowTop(slider_->value()));
}

void ReimverbenFindenScreen::CheckAnswer() {
    if (sliding_ || targetRow_ == 0)
        return;
    slider_->setFocus();
    const int row = slider_->value();
    // The offered partner is asked about; the child gave the verb of the chosen row (a row
    // already done shows its partner).
    Text given;
    if (row >= 1 && row <= static_cast<int>(pairs_.size())) {
        const RhymePair& chosen = pairs_[static_cast<std::size_t>(row - 1)];
        given =
            CleanWord(row != targetRow_ && done_[static_cast<std::size_t>(row - 1)] ? chosen.partner
                                                                                    : chosen.first);
    }
    ReportAnswer(pairs_[static_cast<std::size_t>(targetRow_ - 1)].partner, asked::kRhymePartner,
                 given, row == targetRow_, false);
    if (row != targetRow_) {
        TakePoints(1);
        return;
    }
    ++state().Points;
    ShowPoints();

    sliding_ = true;
    slider_->setEnabled(false);
    slide_->setStartValue(strip_->pos());
    slide_->setEndValue(PxPoint(kStripLanding, RowTop(row)));
    slide_->start();
}

void ReimverbenFindenScreen::FinishSlide() {
    if (!sliding_)
        return;
    slide_->stop();
    SlideEnded();
}

void ReimverbenFindenScreen::SlideEnded() {
    if (!sliding_)
        return;
    sliding_ = false;
    // The strip has come to rest over the verb: the partner takes the verb's place.
    const QColor blatt = PaletteColor(state().ColorBlatt);
    rows_->Box(850, RowTop(targetRow_), 3850, RowTop(targetRow_) + 700, blatt, true);
    rows_->SetDrawPos(950, 800 * targetRow_);
    rows_->PrintMarked(pairs_[targetRow_ - 1].partner, PartColors(state(), Qt::black));
    found_ = {pairs_[targetRow_ - 1].first, pairs_[targetRow_ - 1].partner};
    SpeechChanged();
    NextTask();
    slider_->setFocus();
}

void ReimverbenFindenScreen::ShowHint() {
    if (sliding_ || targetRow_ == 0)
        return;
    const RhymePair& pair = pairs_[targetRow_ - 1];
    ReportAnswer(pair.partner, asked::kRhymePartner, Text(kGivenHint), false, false);
    dialogs().Message(Spaced(pair.partner + U" + " + pair.first, U"123.-") + CR + CR, U"Reimpaar",
                      DialogButtons::Ok, DialogIcon::None);
    TakePoints(1);
    slider_->setFocus();
}

} // namespace tamurik
