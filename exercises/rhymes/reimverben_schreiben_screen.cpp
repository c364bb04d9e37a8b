#include "exercises/rhymes/reimverben_schreiben_screen.h"

#include "core/startup.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace tamurik {

namespace {

const QColor kWindowColor(128, 255, 255);
constexpr int kVerbRow = 500;
constexpr int kMaskRow = 1500;
constexpr int kAnswerRow = 2500;
constexpr int kLastBox = 6000;
constexpr int kPitch = 600;

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form11");
    config.title = QStringLiteral("Tamurik: Reimverben schreiben");
    config.recordKey = "reimverben_schreiben";
    config.widthTwips = 7920;
    config.heightTwips = 5040;
    config.fixedBackground = kWindowColor;
    config.userLabel = QStringLiteral("Bezeichnung2");
    config.userLabelTwips = QRect(720, 120, 6855, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung3");
    config.pointsLabelTwips = QRect(120, 2660, 495, 255);
    config.closeIcon = QStringLiteral("Bild1");
    config.closeIconTwips = QPoint(120, 840);
    config.rewardIcon = QStringLiteral("Bild3");
    config.rewardIconTwips = QPoint(120, 2160);
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild4");
    config.optionIconTwips = QPoint(120, 3720);
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 3000;
    config.panelClosed = 5280;
    config.panelAcross = 480;
    return config;
}

// Boxes stand at a pitch of 600 with the last one at 6000; a word too long for that pitch
// closes up so that its first box still lies on the surface.
int PitchFor(int letters) {
    return letters <= 1 ? kPitch : std::min(kPitch, kLastBox / (letters - 1));
}

} // namespace

ReimverbenSchreibenScreen::ReimverbenSchreibenScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {
    surface_ = new PictureSurface(this, QStringLiteral("Bild2"));
    PlaceTwips(surface_, 720, 720, 6855, 3615);
    surface_->setBackground(QColor(192, 255, 255));
    surface_->setDrawFont(UiFont(24, true));

    auto* instruction = new QLabel(this);
    instruction->setObjectName(QStringLiteral("Bezeichnung5"));
    instruction->setText(QStringLiteral("Schreibe das ganze Reimwort in die leeren Felder . . ."));
    instruction->setAlignment(Qt::AlignCenter);
    instruction->setFont(UiFont(8, true));
    QPalette pal = instruction->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    instruction->setPalette(pal);
    PlaceTwips(instruction, 720, 4440, 6855, 300);

    // The typing goes to an input outside the visible area that keeps the keyboard focus.
    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("Text1"));
    input_->setAccessibleName(QStringLiteral("Reimwort eingeben"));
    PlaceTwips(input_, -3000, -3000, 1500, 400);
    connect(input_, &QLineEdit::textChanged, this, &ReimverbenSchreibenScreen::CheckLetter);

    connect(pointsLabel(), &ClickLabel::pressedAt, this, [this] { input_->setFocus(); });
    if (auto* reward = findChild<ClickLabel*>(QStringLiteral("Bild3")))
        connect(reward, &ClickLabel::clicked, this, [this] { input_->setFocus(); });
}

int ReimverbenSchreibenScreen::BoxLeft(int box, int letters) {
    return kLastBox - PitchFor(letters) * (letters - box);
}

void ReimverbenSchreibenScreen::PrepareExercise() {
    written_.clear();
    if (DrawRhymePairs())
        ShowNextPair();
}

void ReimverbenSchreibenScreen::OptionChosen(SelectionGroup, int) {
    if (isVisible() && DrawRhymePairs())
        ShowNextPair();
}

void ReimverbenSchreibenScreen::PanelToggled(bool) {
    input_->setFocus();
}

bool ReimverbenSchreibenScreen::DrawRhymePairs() {
    pairs_.clear();
    const auto set = tamurik::DrawRhymeSet(
        context().dir, kSchreibenDraw, context().random, [this] { return selection().stammvokal; },
        [this] { return NoVerbsForSelection(kRhymeFile); });
    if (!set)
        return false;
    pairs_.assign(set->begin(), set->end());
    return true;
}

void ReimverbenSchreibenScreen::DrawBoxes(int letters, int top) {
    const QColor blatt = PaletteColor(state().ColorBlatt);
    for (int box = 1; box <= letters; ++box) {
        const int left = BoxLeft(box, letters);
        surface_->Box(left, top, left + PitchFor(letters) - 50, top + 550, blatt, true);
    }
}

void ReimverbenSchreibenScreen::ShowNextPair() {
    if (pairs_.empty() && !DrawRhymePairs())
        return;
    surface_->Clear();
    const RhymePair pair = pairs_.front();
    pairs_.pop_front();
    current_ = pair;

    const std::vector<PartLetter> verb = PartLetters(pair.first);
    const int verbLength = static_cast<int>(verb.size());
    DrawBoxes(verbLength, kVerbRow);
    const WordColors colors = PartColors(state(), Qt::black);
    for (int box = 1; box <= verbLength; ++box) {
        surface_->SetDrawPos(BoxLeft(box, verbLength) + 100, kVerbRow);
        surface_->PrintMarked(MarkedLetter(verb[box - 1]), colors);
    }

    partner_ = pair.partner;
    letters_ = PartLetters(pair.partner);
    expected_ = LettersOf(letters_);
    const int length = static_cast<int>(letters_.size());
    DrawBoxes(length, kAnswerRow);
    const Text masked = MaskedRhyme(pair.partner);
    surface_->SetDrawColor(PaletteColor(1));
    for (int box = 1; box <= length; ++box) {
        surface_->SetDrawPos(BoxLeft(box, length) + 100, kMaskRow);
        surface_->Print(Text(1, masked[box - 1]));
    }

    typed_.clear();
    input_->clear();
    input_->setFocus();
    QuestionShown();
}

SpeechOffer ReimverbenSchreibenScreen::WhatToHear() const {
    if (written_.empty())
        return SpeechOffer::NotNow(U"Schreibe zuerst ein Reimverb.");
    return SpeechOffer::Verbs(written_);
}

void ReimverbenSchreibenScreen::CheckLetter() {
    const Text t = FromQ(input_->text());
    if (t.empty())
        return;
    input_->clear();
    const std::size_t m = typed_.size();
    if (m >= expected_.size())
        return;
    ReportAnswer(partner_, asked::kLetter, t, t == Text(1, expected_[m]), false);
    if (t != Text(1, expected_[m])) {
        dialogs().Message(t + U" ist der falsche Buchstabe!" + CR, U"Fehler", DialogButtons::Ok,
                          DialogIcon::None);
        TakePoints(1);
        input_->setFocus();
        return;
    }
    typed_ += t;
    const int length = static_cast<int>(expected_.size());
    const int box = static_cast<int>(m) + 1;
    surface_->SetDrawPos(BoxLeft(box, length) + 100, kAnswerRow);
    surface_->PrintMarked(MarkedLetter(letters_[m]), PartColors(state(), Qt::black));
    if (typed_ == expected_) {
        written_ = {current_.first, current_.partner};
        SpeechChanged();
        dialogs().Message(Text(U"Richtig gereimt, weiter nun!") + CR, U"Reimverb schreiben",
                          DialogButtons::Ok, DialogIcon::None);
        state().Points += length;
        ShowPoints();
        ShowNextPair();
    }
}

} // namespace tamurik
