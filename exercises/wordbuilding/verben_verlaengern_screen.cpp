#include "exercises/wordbuilding/verben_verlaengern_screen.h"

#include "core/startup.h"
#include "core/word_lists.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"
#include "ui/word_drawing.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tamurik {

namespace {

constexpr int kWidth = 9000;
constexpr int kHeight = 6600;
constexpr int kLeft = 840;
constexpr int kInner = kWidth - kLeft - 120;
constexpr int kButtonWidth = 1320;
constexpr int kButtonGap = 360;
constexpr int kButtonTop = 4860;
constexpr int kFrameBar = 30;
// Room between the frame and the letters beside it.
constexpr int kFramePad = 45;
const QColor kPromptColor(255, 255, 192);
const QColor kFrameColor(255, 128, 0);
const QColor kRightColor(192, 255, 192);
const QColor kWrongColor(255, 192, 192);
constexpr TextView kTitle = U"Verben verlängern";

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form14");
    config.recordKey = "verben_verlaengern";
    config.title = QStringLiteral("Tamurik: Verben verlängern");
    config.widthTwips = kWidth;
    config.heightTwips = kHeight;
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 120, kWidth - 840, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild3");
    config.panel = QStringLiteral("Bild4");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 3840;
    config.panelClosed = kHeight;
    return config;
}

// A centred label of this screen; `background` empty leaves the sheet showing through.
ClickLabel* MakeLabel(QWidget* parent, const QString& name, TextView text, QRect twips,
                      double points, bool bold, const QColor& background = QColor()) {
    ClickLabel* label = MakeTextLabel(parent, name, text, twips, points, bold);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    if (background.isValid())
        label->setColors(Qt::black, background);
    return label;
}

// Text on the sheet: light on a dark sheet, dark on a light one.
QColor TextOn(const QColor& sheet) {
    return sheet.lightness() > 140 ? Qt::black : Qt::white;
}

} // namespace

VerbenVerlaengernScreen::VerbenVerlaengernScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {
    setFocusPolicy(Qt::StrongFocus);

    shortForm_ = new PictureSurface(this, QStringLiteral("Bild7"));
    shortForm_->setDrawFont(UiFont(32, true));
    shortForm_->setAccessibleName(QStringLiteral("Kurze Form"));
    PlaceTwips(shortForm_, kLeft, 780, kInner, 1080);

    explanation_ = MakeLabel(this, QStringLiteral("Bezeichnung7"), Text(),
                             QRect(kLeft, 1920, kInner, 480), 11, false);
    MakeLabel(this, QStringLiteral("Bezeichnung3"), U"Wie heißt die lange Form?",
              QRect(kLeft, 2520, kInner, 420), 14, true, kPromptColor);
    MakeLabel(this, QStringLiteral("Bezeichnung4"), U"wir", QRect(1800, 3060, 1200, 735), 22, true,
              kPromptColor);

    textBox_ = new QLineEdit(this);
    textBox_->setObjectName(QStringLiteral("Text1"));
    textBox_->setAccessibleName(QStringLiteral("Lange Form"));
    textBox_->setFont(UiFont(22, true));
    textBox_->setMaxLength(40);
    PlaceTwips(textBox_, 3120, 3060, 4680, 735);
    connect(textBox_, &QLineEdit::returnPressed, this, &VerbenVerlaengernScreen::CheckLongForm);

    longForm_ = new PictureSurface(this, QStringLiteral("Bild8"));
    longForm_->setDrawFont(UiFont(26, true));
    longForm_->setAccessibleName(QStringLiteral("Lange Form"));
    PlaceTwips(longForm_, 3120, 3000, 4680, 855);
    longForm_->hide();

    feedback_ = MakeLabel(this, QStringLiteral("Bezeichnung5"), Text(),
                          QRect(kLeft, 3960, kInner, 420), 13, true, kRightColor);
    feedback_->hide();

    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Befehl%1").arg(i + 1));
        button->setFont(UiFont(26, true));
        connect(button, &QPushButton::clicked, this, [this, i] { ChooseLetters(i); });
        buttons_[i] = button;
        keyHints_[i] = MakeLabel(this, QStringLiteral("Bezeichnung%1").arg(8 + i),
                                 U"Taste " + Decimal(static_cast<long long>(i + 1)),
                                 QRect(0, kButtonTop + 960, kButtonWidth, 300), 9, false);
    }

    nextIcon_ = MakeIcon(this, QStringLiteral("Bild6"), QStringLiteral(":/icons/weiter"),
                         QStringLiteral("Weiter"), QPoint(kWidth - 120 - 735, kButtonTop), 735);
    connect(nextIcon_, &ClickLabel::clicked, this, &VerbenVerlaengernScreen::NextForm);

    progress_ = MakeLabel(this, QStringLiteral("Bezeichnung6"), Text(),
                          QRect(kWidth - 3000, kHeight - 420, 2880, 360), 10, false);
    progress_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // After the reward rule the child goes on where it was.
    if (auto* reward = findChild<ClickLabel*>(config().rewardIcon))
        connect(reward, &ClickLabel::clicked, this, &VerbenVerlaengernScreen::FocusStep);
}

void VerbenVerlaengernScreen::PrepareExercise() {
    const QColor sheet = PaletteColor(state().ColorBlatt);
    shortForm_->setBackground(sheet);
    longForm_->setBackground(sheet);
    for (ClickLabel* label : {explanation_, progress_, keyHints_[0], keyHints_[1], keyHints_[2]})
        label->setForeground(TextOn(sheet));
    StartSet();
}

void VerbenVerlaengernScreen::EndWork() {
    set_.clear();
    step_ = Step::None;
}

void VerbenVerlaengernScreen::OptionChosen(SelectionGroup, int) {
    if (isVisible())
        StartSet(); // a hidden screen draws with the checked buttons when it is opened
}

void VerbenVerlaengernScreen::PanelToggled(bool) {
    FocusStep();
}

void VerbenVerlaengernScreen::StartSet() {
    lines_ = ReadWordLines(context().dir, kVerbFile).value_or(std::vector<Text>{});
    knownForms_ = KnownShortForms(lines_);
    const std::vector<Text> pool = VerbLinesForSelection([this](const Text& line) {
        return !LengtheningQuestions(CleanWord(line), knownForms_).empty();
    });
    set_ = DrawLinesForSet(pool, kSetSize, context().random);
    // Verbs the child missed before come back among them.
    MixInDueVerbs(set_, pool);
    position_ = 0;
    rightInSet_ = 0;
    AskForm();
}

void VerbenVerlaengernScreen::NextForm() {
    if (step_ != Step::Solved)
        return;
    if (++position_ < set_.size()) {
        AskForm();
        return;
    }
    dialogs().Message(Decimal(rightInSet_) + U" von " +
                          Decimal(static_cast<long long>(set_.size())) + U" richtig" + CR,
                      Text(kTitle), DialogButtons::Ok, DialogIcon::Information);
    StartSet();
}

void VerbenVerlaengernScreen::AskForm() {
    std::optional<LengtheningTask> task;
    if (position_ < set_.size())
        task = DrawLengtheningTask(set_[position_], knownForms_, context().random);
    // Every line of the set gives a task: the set was drawn among the lines that do.
    step_ = task ? Step::LongForm : Step::None;
    task_ = task.value_or(LengtheningTask{});
    typedLong_.clear();
    mistake_ = false;
    keys_ = ButtonKeys(task_.buttons);
    explanation_->setPlainText(task ? Explanation(task_.line) : Text());
    textBox_->clear();
    textBox_->setVisible(task.has_value());
    longForm_->hide();
    feedback_->hide();
    progress_->setPlainText(task ? U"Aufgabe " + Decimal(static_cast<long long>(position_ + 1)) +
                                       U" von " + Decimal(static_cast<long long>(set_.size()))
                                 : Text());
    ShowShortForm(false);
    ShowButtons();
    QuestionShown();
    FocusStep();
    SpeechChanged();
}

SpeechOffer VerbenVerlaengernScreen::WhatToHear() const {
    if (step_ == Step::None)
        return SpeechOffer::NotNow(kNothingToHear);
    // Heard before it is chosen, the short form would give the hidden letters away to a
    // speech engine that reads them out; the long form is heard once it is typed.
    if (step_ == Step::LongForm)
        return SpeechOffer::NotNow(U"Schreibe zuerst die lange Form mit „wir“.");
    SpeechOffer offer = SpeechOffer::Verbs({typedLong_});
    offer.text = U"wir " + offer.text;
    if (step_ == Step::Solved)
        offer.text += U", " + task_.pronoun + U" " + task_.question.form();
    return offer;
}

void VerbenVerlaengernScreen::CheckLongForm() {
    if (step_ != Step::LongForm)
        return;
    const Text typed = TypedLongForm(FromQ(textBox_->text()));
    if (typed.empty())
        return;
    // Another verb with the same short form lengthens it just as well (fällt: fallen, fällen).
    std::vector<Text> candidates =
        LinesWithShortForm(lines_, task_.question.person, task_.question.form());
    candidates.push_back(task_.line);
    const auto match = std::find_if(candidates.begin(), candidates.end(),
                                    [&](const Text& line) { return CleanWord(line) == typed; });
    const bool right = match != candidates.end();
    ReportVerbAnswer(task_.line, asked::kWirForm, typed, right);
    if (!right) {
        mistake_ = true;
        TakePoints(1);
        ShowFeedback(U"Leider falsch, überlege nochmal.", false);
        textBox_->selectAll();
        textBox_->setFocus();
        return;
    }
    ++state().Points;
    ShowPoints();
    step_ = Step::Letters;
    typedLong_ = MarkedWord(*match);
    SpeechChanged();
    textBox_->hide();
    ShowLongForm(typedLong_);
    ShowFeedback(U"Richtig! Was gehört in die Lücke?", true);
    ShowButtons();
    QuestionShown();
    FocusStep();
}

void VerbenVerlaengernScreen::ChooseLetters(std::size_t button) {
    if (step_ != Step::Letters || button >= task_.buttons.size())
        return;
    const Text& given = task_.buttons[button];
    const bool right = given == task_.question.hidden;
    ReportVerbAnswer(task_.line, asked::kLengthening, given, right);
    if (!right) {
        mistake_ = true;
        TakePoints(1);
        ShowFeedback(U"Leider falsch, überlege nochmal.", false);
        return;
    }
    ++state().Points;
    ShowPoints();
    if (!mistake_)
        ++rightInSet_;
    step_ = Step::Solved;
    SpeechChanged();
    ShowShortForm(true);
    ShowFeedback(U"Richtig! Weiter mit der Eingabetaste oder dem Pfeil.", true);
    ShowButtons();
    FocusStep();
}

void VerbenVerlaengernScreen::ShowShortForm(bool solved) {
    if (step_ == Step::None) {
        shortForm_->Clear();
        shortForm_->setAccessibleDescription(QString());
        return;
    }
    const LengtheningQuestion& q = task_.question;
    const Text lead = task_.pronoun + U" ";
    if (solved)
        DrawPieces(shortForm_, lead, MarkedShortForm(MarkedWord(task_.line), q), false, true);
    else
        DrawPieces(shortForm_, lead, {q.before, Text(), q.after}, true, true);
    // What the picture shows, for a screen reader.
    shortForm_->setAccessibleDescription(
        ToQ(lead + q.before + (solved ? q.hidden : Text(U"_")) + q.after));
}

void VerbenVerlaengernScreen::ShowLongForm(const Text& markedWord) {
    longForm_->show();
    const MarkedPieces pieces = SplitAtBoundary(markedWord);
    DrawPieces(longForm_, Text(), pieces, false, false);
    longForm_->setAccessibleDescription(
        ToQ(RemoveChars(pieces.before + pieces.middle + pieces.after, U"123.-")));
}

void VerbenVerlaengernScreen::DrawPieces(PictureSurface* surface, const Text& lead,
                                         const MarkedPieces& pieces, bool frameEmpty,
                                         bool centred) {
    const QFontMetricsF metrics(surface->drawFont());
    const WordColors colors = PartColors(state(), TextOn(surface->background()));
    auto width = [&](const Text& marked) { return TwipsFromPx(MarkedWordWidth(metrics, marked)); };
    const bool framed = frameEmpty || !pieces.middle.empty();
    const double middle = frameEmpty ? TwipsFromPx(metrics.horizontalAdvance(QStringLiteral("m")))
                                     : width(pieces.middle);
    const double frame = framed ? 2 * (kFrameBar + kFramePad) : 0;
    const double total =
        surface->TextWidth(lead) + width(pieces.before) + middle + frame + width(pieces.after);
    const double areaWidth = TwipsFromPx(surface->width());
    const double lineHeight = TwipsFromPx(metrics.height());
    const double top = std::max(0.0, (TwipsFromPx(surface->height()) - lineHeight) / 2);

    surface->Clear();
    surface->SetDrawPos(centred ? std::max(0.0, (areaWidth - total) / 2) : kFramePad, top);
    surface->SetDrawColor(colors.start);
    surface->Print(lead);
    surface->PrintMarked(pieces.before, colors);
    if (framed) {
        // The letters lengthening is about sit in an orange frame: the gap in the short form,
        // the letter after the syllable boundary in the long form.
        const double left = surface->CurrentX() + kFramePad / 2.0;
        const double right = left + 2 * kFrameBar + kFramePad + middle;
        const double bottom = top + lineHeight;
        const QColor& c = kFrameColor;
        surface->Box(left, top, left + kFrameBar, bottom, c, true);
        surface->Box(right - kFrameBar, top, right, bottom, c, true);
        surface->Box(left, top, right, top + kFrameBar, c, true);
        surface->Box(left, bottom - kFrameBar, right, bottom, c, true);
        surface->SetDrawPos(left + kFrameBar + kFramePad / 2.0, top);
        if (!frameEmpty)
            surface->PrintMarked(pieces.middle, colors);
        surface->SetDrawPos(right + kFramePad / 2.0, top);
    }
    surface->PrintMarked(pieces.after, colors);
}

void VerbenVerlaengernScreen::ShowFeedback(const Text& text, bool right) {
    feedback_->setPlainText(text);
    feedback_->setBackground(right ? kRightColor : kWrongColor);
    feedback_->show();
}

void VerbenVerlaengernScreen::ShowButtons() {
    const std::size_t count = step_ == Step::None ? 0 : task_.buttons.size();
    const int row = static_cast<int>(count) * kButtonWidth +
                    std::max(0, static_cast<int>(count) - 1) * kButtonGap;
    const int x0 = kLeft + (kInner - row) / 2;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool used = i < count;
        buttons_[i]->setVisible(used);
        keyHints_[i]->setVisible(used && step_ == Step::Letters);
        if (!used)
            continue;
        const int x = x0 + static_cast<int>(i) * (kButtonWidth + kButtonGap);
        buttons_[i]->setText(ToQ(task_.buttons[i]));
        buttons_[i]->setAccessibleName(QStringLiteral("Buchstaben ") + ToQ(task_.buttons[i]));
        buttons_[i]->setEnabled(step_ == Step::Letters);
        PlaceTwips(buttons_[i], x, kButtonTop, kButtonWidth, 900);
        MoveTwips(keyHints_[i], x, kButtonTop + 960);
    }
    nextIcon_->setVisible(step_ == Step::Solved);
}

void VerbenVerlaengernScreen::FocusStep() {
    if (step_ == Step::LongForm)
        textBox_->setFocus();
    else
        setFocus();
}

void VerbenVerlaengernScreen::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Text typed = FromQ(event->text());
    const bool letter = !typed.empty() && !IsControlChar(typed.front()) && typed.front() != U' ';
    if (step_ == Step::Letters && (enter || letter)) {
        std::optional<std::size_t> chosen;
        if (enter)
            chosen = keys_.Confirm();
        for (std::size_t i = 0; !enter && !chosen && i < typed.size(); ++i)
            chosen = keys_.Type(typed[i]);
        if (chosen)
            ChooseLetters(*chosen);
        event->accept();
        return;
    }
    if (step_ == Step::Solved && (enter || event->key() == Qt::Key_Space)) {
        NextForm();
        event->accept();
        return;
    }
    ExerciseFrame::keyPressEvent(event);
}

} // namespace tamurik
