#include "exercises/syllables/verben_trennen_screen.h"

#include "exercises/syllables/syllable_speech.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/shape.h"
#include "ui/text_qt.h"
#include "ui/word_drawing.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace tamurik {

namespace {

constexpr int kBoardLeft = 720;
constexpr int kBoardTop = 840;
constexpr int kBoardWidth = kCursorMax + 120;
constexpr int kBoardHeight = 1500;

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form12");
    config.title = QStringLiteral("Tamurik: Verben trennen");
    config.recordKey = "verben_trennen";
    config.widthTwips = 8700;
    config.heightTwips = 4320;
    config.userLabel = QStringLiteral("Bezeichnung4");
    config.userLabelTwips = QRect(720, 120, 7860, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung6");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild3");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild5");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild7");
    config.panelOpen = 1560;
    config.panelClosed = 4320;
    return config;
}

} // namespace

VerbenTrennenScreen::VerbenTrennenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    boardSurface_ = new PictureSurface(this, QStringLiteral("Bild2"));
    PlaceTwips(boardSurface_, kBoardLeft, kBoardTop, kBoardWidth, kBoardHeight);
    boardSurface_->setBackground(Qt::white);
    boardSurface_->setAccessibleName(QStringLiteral("Buchstaben des Verbs"));
    connect(boardSurface_, &PictureSurface::pressedAt, this,
            [this](QPointF twips, Qt::MouseButton) { PlaceCursor(twips); });

    // The cursor stands in a gap between two tiles, a little higher and lower than they are.
    cursor_ = new Shape(boardSurface_, QStringLiteral("Figur1"));
    cursor_->setFillColor(QColor(255, 0, 0));
    cursor_->setRadiusTwips(30);
    PlaceTwips(cursor_, 0, 250, 100, 1000);
    cursor_->setAttribute(Qt::WA_TransparentForMouseEvents);

    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName(QStringLiteral("HBildlauf1"));
    scroll_->setRange(0, kCursorMax);
    scroll_->setSingleStep(kTileStep);
    // Paging by a whole tile keeps the cursor in a gap.
    scroll_->setPageStep(kTileStep);
    // The right arrow moves the cursor to the right.
    scroll_->setInvertedControls(false);
    scroll_->setFocusPolicy(Qt::StrongFocus);
    scroll_->setAccessibleName(QStringLiteral("Trennstelle"));
    PlaceTwips(scroll_, kBoardLeft, kBoardTop + kBoardHeight + 120, kBoardWidth, 300);
    connect(scroll_, &QScrollBar::valueChanged, this, &VerbenTrennenScreen::MoveCursor);

    auto* message = new ClickLabel(this, QStringLiteral("Bezeichnung7"));
    message->setClickable(false);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setFont(UiFont(11, true));
    message->setColors(Qt::black, QColor(255, 255, 192));
    message->setPlainText(
        U"Suche die Trennstelle mit der Maus oder den Pfeiltasten und drücke ENTER.");
    PlaceTwips(message, kBoardLeft, kBoardTop + kBoardHeight + 600, kBoardWidth, 600);

    auto* explanation =
        MakeIcon(this, QStringLiteral("Bild4"), QStringLiteral(":/icons/verbbedeutung"),
                 QStringLiteral("Erklärung"), QPoint(120, 3720));
    connect(explanation, &ClickLabel::clicked, this, &VerbenTrennenScreen::ShowExplanation);

    setFocusProxy(scroll_);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void VerbenTrennenScreen::PrepareExercise() {
    scroll_->setFocus();
    BuildWorkList();
    ShowNextVerb();
}

void VerbenTrennenScreen::EndWork() {
    workList_.clear();
}

void VerbenTrennenScreen::OptionChosen(SelectionGroup, int) {
    // A hidden screen uses the new choice when it is next opened.
    if (!isVisible())
        return;
    BuildWorkList();
    ShowNextVerb();
}

void VerbenTrennenScreen::PanelToggled(bool open) {
    if (!open)
        scroll_->setFocus();
}

bool VerbenTrennenScreen::eventFilter(QObject* watched, QEvent* event) {
    // ENTER checks the boundary wherever the keyboard focus is, before any control sees it.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CheckBoundary();
            return true;
        }
    }
    return ExerciseFrame::eventFilter(watched, event);
}

void VerbenTrennenScreen::BuildWorkList() {
    workList_.clear();
    // Only verbs with a boundary that lies on the board can be answered.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::vector<Text> lines = VerbLinesForSelection(FitsBoard);
        if (lines.empty())
            break;
        std::vector<Text> sample = SampleWorkList(lines, context().random);
        MixInDueVerbs(sample, lines);
        workList_.assign(sample.begin(), sample.end());
        if (!workList_.empty() || !NoVerbsForSelection())
            break;
    }
    scroll_->setValue(0);
    scroll_->setFocus();
    cursorPos_ = 0;
}

void VerbenTrennenScreen::ShowNextVerb() {
    if (workList_.empty())
        BuildWorkList();
    if (workList_.empty()) {
        currentLine_.clear();
        board_ = BoardWord{};
    } else {
        currentLine_ = std::move(workList_.front());
        workList_.pop_front();
        board_ = LayOutBoard(currentLine_);
        QuestionShown();
    }
    drawBoard();
    scroll_->setFocus();
    SpeechChanged();
}

SpeechOffer VerbenTrennenScreen::WhatToHear() const {
    if (currentLine_.empty())
        return SpeechOffer::NotNow(kNothingToHear);
    // Heard whole the verb gives nothing away; its syllables would tell where to split it.
    return SpeechOffer::Verbs({MarkedWord(currentLine_)}).WithoutSyllables(kSyllablesTellTheSplit);
}

void VerbenTrennenScreen::drawBoard() {
    boardSurface_->Clear();
    boardSurface_->setDrawFont(ScaledFont(ToQ(state().FontName), 20, true));
    const WordColors colors = PartColors(state(), Qt::white);
    const QColor partColors[] = {colors.start, colors.anfang, colors.mitte, colors.schluss};
    const bool cues = ReadingAidsOf(this).partCues;
    for (int n = 1; n <= board_.letterCount(); ++n) {
        const BoardLetter& letter = board_.letters[static_cast<std::size_t>(n - 1)];
        const int right = kTileStep * n;
        boardSurface_->Box(right - 500, 400, right, 1100, PaletteColor(state().ColorBlatt), true);
        boardSurface_->SetDrawColor(partColors[letter.part]);
        boardSurface_->SetDrawPos(right - 450, 450);
        boardSurface_->Print(Text(1, letter.letter));
        // Told apart without colour, the letters of the middle part stand on a line.
        if (cues && letter.part == 2)
            boardSurface_->Line(right - 500, 1020, right, 1020, partColors[letter.part]);
    }
}

void VerbenTrennenScreen::MoveCursor(int value) {
    const int cursor = CursorForScrollValue(value, letterCount());
    if (cursor != value) {
        scroll_->setValue(cursor); // moves the cursor through this handler again
        return;
    }
    MoveTwips(cursor_, cursor, 250);
    cursorPos_ = cursor;
}

void VerbenTrennenScreen::PlaceCursor(QPointF twips) {
    const std::optional<int> cursor = CursorForPress(twips.x(), letterCount());
    if (!cursor)
        return;
    scroll_->setValue(*cursor);
    MoveCursor(scroll_->value());
    scroll_->setFocus();
}

void VerbenTrennenScreen::CheckBoundary() {
    if (currentLine_.empty())
        return;
    const bool right = board_.boundary && cursorPos_ == *board_.boundary;
    ReportVerbAnswer(currentLine_, asked::kSeparator, BoundaryAnswer(board_, cursorPos_), right);
    if (right) {
        ++state().Points;
        ShowPoints();
        scroll_->setValue(0);
        MoveCursor(0);
        ShowNextVerb();
        return;
    }
    TakePoints(1);
}

void VerbenTrennenScreen::ShowExplanation() {
    dialogs().Message(ExplanationMessage(currentLine_), ExplanationTitle(currentLine_),
                      DialogButtons::Ok, DialogIcon::None);
    scroll_->setFocus();
}

} // namespace tamurik
