#include "exercises/rhymes/verbbedeutung_screen.h"

#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/word_drawing.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

namespace tamurik {

namespace {

constexpr int kWindowWidth = 9090;
constexpr int kDisplayTop = 2400;
constexpr int kDisplayWidth = 4935;
constexpr int kDisplayHeight = 615;

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form8");
    config.title = QStringLiteral("Tamurik: Verbbedeutung");
    config.recordKey = "verbbedeutung";
    config.widthTwips = kWindowWidth;
    config.heightTwips = 7050;
    config.fixedBackground = QColor(192, 255, 255);
    config.userLabel = QStringLiteral("Bezeichnung2");
    config.userLabelTwips = QRect(840, 120, 7815, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung1");
    config.pointsLabelTwips = QRect(120, 2900, 495, 255);
    config.closeIcon = QStringLiteral("Bild3");
    config.closeIconTwips = QPoint(120, 720);
    config.rewardIcon = QStringLiteral("Bild4");
    config.rewardIconTwips = QPoint(120, 2400);
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild5");
    config.optionIconTwips = QPoint(120, 3600);
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild7");
    config.panelOpen = 2880;
    config.panelClosed = 7200;
    config.panelAcross = 480;
    return config;
}

} // namespace

VerbbedeutungScreen::VerbbedeutungScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    auto* instruction = new QLabel(this);
    instruction->setObjectName(QStringLiteral("Bezeichnung3"));
    instruction->setText(QStringLiteral("Klicke auf das Feld mit der richtigen Wortbedeutung.\n\n"
                                        "Für Fehler wird dir jeweils ein Punkt abgezogen."));
    instruction->setAlignment(Qt::AlignCenter);
    instruction->setWordWrap(true);
    instruction->setFont(UiFont(9.75, true));
    QPalette pal = instruction->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    instruction->setPalette(pal);
    PlaceTwips(instruction, 840, 1080, 7815, 855);

    message_ = new ClickLabel(this, QStringLiteral("Bezeichnung4"));
    message_->setColors(Qt::black, QColor(0, 255, 255));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setFont(UiFont(12, true));
    PlaceTwips(message_, 840, 840, 7815, 1335);
    message_->hide();
    connect(message_, &ClickLabel::clicked, message_, &QWidget::hide);

    verbDisplay_ = new PictureSurface(this, QStringLiteral("Bild1"));
    verbDisplay_->setDrawFont(UiFont(24, true));
    PlaceTwips(verbDisplay_, (kWindowWidth - kDisplayWidth) / 2, kDisplayTop, kDisplayWidth,
               kDisplayHeight);

    for (int n = 0; n < kMeaningSetSize; ++n) {
        auto* field = new ClickLabel(this, QStringLiteral("Bezeichnung%1").arg(5 + n));
        field->setColors(Qt::black, QColor(128, 255, 255));
        field->setAlignment(Qt::AlignCenter);
        field->setWordWrap(true);
        field->setFont(UiFont(13.5, true));
        PlaceTwips(field, 840, 3240 + 840 * n, 7815, 735);
        connect(field, &ClickLabel::clicked, this, [this, n] { CheckMeaning(n + 1); });
        fields_[n] = field;
    }

    auto* hint = MakeIcon(this, QStringLiteral("Bild2"), QStringLiteral(":/icons/tipp"),
                          QStringLiteral("Tipp"), QPoint(120, 1560));
    connect(hint, &ClickLabel::clicked, this, &VerbbedeutungScreen::ShowHint);
}

void VerbbedeutungScreen::PrepareExercise() {
    DrawMeaningSet();
}

void VerbbedeutungScreen::EndWork() {
    questions_.clear();
    answers_.clear();
}

void VerbbedeutungScreen::OptionChosen(SelectionGroup, int) {
    DrawMeaningSet();
}

void VerbbedeutungScreen::DrawMeaningSet() {
    verbDisplay_->Clear();
    questions_.clear();
    answers_.clear();
    const std::vector<Text> lines = VerbLinesForSelection(IsRare);
    std::vector<Text> set = tamurik::DrawMeaningSet(lines, context().random);
    // A due verb takes the place of the first question, so it is asked at once; the four
    // verbs of a set stay different.
    const auto notInSet = [&set](const Text& line) {
        return std::none_of(set.begin(), set.end(), [&](const Text& member) {
            return MarkedWord(member) == MarkedWord(line);
        });
    };
    if (!set.empty())
        if (std::optional<Text> due = DueVerbLine(lines, notInSet))
            set.front() = std::move(*due);
    for (const Text& line : set) {
        questions_.push_back(line);
        answers_.push_back(MeaningAnswer(line));
    }
    // With fewer rare verbs than fields the other fields stay empty and cannot be chosen.
    for (int n = 0; n < kMeaningSetSize; ++n) {
        const bool used = n < static_cast<int>(answers_.size());
        fields_[n]->setPlainText(used ? answers_[n] : Text{});
        fields_[n]->setClickable(used);
    }
    if (!questions_.empty())
        ShowQuestion();
}

void VerbbedeutungScreen::ShowQuestion() {
    if (questions_.empty()) {
        DrawMeaningSet();
        return;
    }
    message_->hide();
    hintShown_ = false;
    SpeechChanged();
    verbDisplay_->setBackground(PaletteColor(state().ColorBlatt));
    const Text verb = MeaningVerb(questions_.front());
    const WordDrawOptions spaced{.spaced = true};
    const double width = verbDisplay_->MarkedWidth(verb, spaced);
    // Centred in the window; a long verb widens the display so that it is never cut off.
    const int left = std::max(0, static_cast<int>(((kWindowWidth - 700) - width) / 2));
    PlaceTwips(verbDisplay_, left, kDisplayTop,
               std::max(kDisplayWidth, static_cast<int>(std::ceil(width))), kDisplayHeight);
    verbDisplay_->Clear();
    verbDisplay_->SetDrawPos(0, 0);
    verbDisplay_->PrintMarked(verb, PartColors(state(), Qt::black), spaced);
    QuestionShown();
}

void VerbbedeutungScreen::CheckMeaning(int field) {
    if (questions_.empty() || field < 1 || field > static_cast<int>(answers_.size()))
        return;
    const Text& answer = answers_[field - 1];
    const bool right = !answer.empty() && Contains(questions_.front(), answer);
    ReportVerbAnswer(questions_.front(), asked::kMeaning, TrimBlanks(answer), right);
    if (right) {
        questions_.pop_front();
        ++state().Points;
        ShowPoints();
        if (state().Points % 4 == 0)
            DrawMeaningSet();
        else
            ShowQuestion();
        return;
    }
    // WrongMeaning
    TakePoints(1);
    ShowMessage(Text(1, CR) + U"Leider falsch, überlege nochmal.");
}

void VerbbedeutungScreen::ShowHint() {
    if (questions_.empty())
        return;
    ReportVerbAnswer(questions_.front(), asked::kMeaning, Text(kGivenHint), false);
    ShowMessage(Text(1, CR) + MeaningAnswer(questions_.front()));
    hintShown_ = true;
    SpeechChanged();
    TakePoints(1);
}

SpeechOffer VerbbedeutungScreen::WhatToHear() const {
    if (questions_.empty())
        return SpeechOffer::NotNow(kNothingToHear);
    // The verb asked may be heard; its explanation only once the hint shows it, since hearing
    // it would tell which field is right.
    SpeechOffer offer = SpeechOffer::Verbs({MeaningVerb(questions_.front())});
    if (hintShown_ && message_->isVisible())
        offer.text = MeaningAnswer(questions_.front());
    return offer;
}

void VerbbedeutungScreen::ShowMessage(const Text& text) {
    hintShown_ = false;
    message_->setPlainText(text);
    message_->show();
    message_->raise();
}

} // namespace tamurik
