#include "exercises/wordbuilding/verben_zusammenpuzzeln_screen.h"

#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMimeData>

#include <algorithm>

namespace tamurik {

namespace {

const QString kTileMime = QStringLiteral("application/x-tamurik-tile");

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form5");
    config.title = QStringLiteral("Tamurik: Verben zusammenpuzzeln");
    config.recordKey = "verben_zusammenpuzzeln";
    config.widthTwips = 8745;
    config.heightTwips = 5715;
    config.userLabel = QStringLiteral("Bezeichnung16");
    config.userLabelTwips = QRect(720, 120, 7905, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung15");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild4");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild5");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild7");
    config.panelOpen = 2040;
    config.panelClosed = 6000;
    return config;
}

// Tiles lie in three rows of three above the panel with the colour fields.
constexpr int kTileLeft = 720;
constexpr int kTileTop = 1320;
constexpr int kTileWidth = 2505;
constexpr int kTileHeight = 555;
constexpr int kTileStepX = 2700;
constexpr int kTileStepY = 660;
constexpr int kPanelTop = 3480;
constexpr int kFieldWidth = 2505;
constexpr int kFieldHeight = 855;

} // namespace

ZusammenpuzzelnScreen::ZusammenpuzzelnScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {
    auto* instruction = new ClickLabel(this, QStringLiteral("Bezeichnung13"));
    instruction->setClickable(false);
    instruction->setWordWrap(true);
    instruction->setAlignment(Qt::AlignCenter);
    instruction->setFont(UiFont(11, true));
    instruction->setColors(Qt::black, Qt::white);
    instruction->setPlainText(
        U"Ziehe die Wortfelder mit der Maus auf die Farbflächen, sodass Verben entstehen!");
    PlaceTwips(instruction, 720, 720, 7905, 555); // two lines of the scaled font

    for (int i = 0; i < PuzzleBoard::kTiles; ++i) {
        auto* tile = new ClickLabel(this, QStringLiteral("Bezeichnung%1").arg(4 + i));
        tile->setAlignment(Qt::AlignCenter);
        tile->setColors(Qt::black, Qt::white);
        tile->setFrameShape(QFrame::Box);
        tile->setCursor(Qt::OpenHandCursor);
        tile->setAccessibleDescription(
            QStringLiteral("Wortfeld: mit der Maus auf eine Farbfläche ziehen oder mit der "
                           "Taste 1, 2 oder 3 auf die erste, zweite oder dritte legen"));
        tile->installEventFilter(this);
        PlaceTwips(tile, kTileLeft + (i % 3) * kTileStepX, kTileTop + (i / 3) * kTileStepY,
                   kTileWidth, kTileHeight);
        // The drag starts as soon as the button goes down.
        connect(tile, &ClickLabel::pressedAt, this, [this, i](QPointF, Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                startDrag(i);
        });
        tiles_[static_cast<std::size_t>(i)] = tile;
    }

    fieldPanel_ = new QFrame(this);
    fieldPanel_->setObjectName(QStringLiteral("Figur2"));
    fieldPanel_->setAutoFillBackground(true);
    PlaceTwips(fieldPanel_, 720, kPanelTop, 7905, kFieldHeight + 360);
    static const char16_t* const kFieldNames[] = {u"Anfang", u"Mitte", u"Schluss"};
    for (int f = 0; f < PuzzleBoard::kFields; ++f) {
        auto* field = new ClickLabel(this, QStringLiteral("Bezeichnung%1").arg(1 + f));
        field->setClickable(false);
        field->setAlignment(Qt::AlignCenter);
        field->setAcceptDrops(true);
        field->setAccessibleName(QString::fromUtf16(kFieldNames[f]));
        field->installEventFilter(this);
        PlaceTwips(field, 840 + f * 2640, kPanelTop + 180, kFieldWidth, kFieldHeight);
        fields_[static_cast<std::size_t>(f)] = field;
    }

    auto* newSet = MakeIcon(this, QStringLiteral("Bild2"), QStringLiteral(":/icons/neue_runde"),
                            QStringLiteral("Neue Verben"), QPoint(120, 3720));
    connect(newSet, &ClickLabel::clicked, this, [this] {
        ClearFields();
        NewSet();
    });
    auto* solution = MakeIcon(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/loesung"),
                              QStringLiteral("Lösung"), QPoint(120, 4560));
    connect(solution, &ClickLabel::clicked, this, &ZusammenpuzzelnScreen::ShowSolution);
    ClearFields();
}

void ZusammenpuzzelnScreen::PrepareExercise() {
    found_.clear();
    // The parts are written in the word font of the settings, which may have changed.
    const QFont partFont = ScaledFont(ToQ(state().FontName), 16, true);
    for (ClickLabel* label : tiles_)
        label->setFont(partFont);
    for (ClickLabel* label : fields_)
        label->setFont(partFont);
    NewSet();
    ClearFields();
}

void ZusammenpuzzelnScreen::OptionChosen(SelectionGroup, int) {
    ClearFields();
    NewSet();
}

void ZusammenpuzzelnScreen::NewSet() {
    // A word file may hold matching verbs that still cannot make up a set (all ending in the
    // same part): that is treated like a selection without verbs.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::vector<Text> lines = VerbLinesForSelection(
            [](const Text& line) { return SplitVerbParts(line).has_value(); });
        if (lines.empty())
            return;
        if (auto set = DrawPuzzleSet(lines, context().random)) {
            mixInDueVerb(*set, lines);
            rememberLines(*set, lines);
            board_.Start(*set);
            showBoard();
            QuestionShown();
            return;
        }
        if (!NoVerbsForSelection())
            return;
    }
}

void ZusammenpuzzelnScreen::mixInDueVerb(std::array<VerbParts, 3>& set,
                                         const std::vector<Text>& lines) {
    // A due verb takes the first verb's place when its parts differ from the other two.
    const auto fits = [&set](const Text& line) {
        const std::optional<VerbParts> parts = SplitVerbParts(line);
        return parts && *parts != set[0] && !PartsClash(*parts, set[1]) &&
               !PartsClash(*parts, set[2]);
    };
    if (const std::optional<Text> due = DueVerbLine(lines, fits))
        set[0] = *SplitVerbParts(*due);
}

void ZusammenpuzzelnScreen::rememberLines(const std::array<VerbParts, 3>& set,
                                          const std::vector<Text>& lines) {
    setLines_.clear();
    for (const VerbParts& verb : set) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const Text& l) {
            return SplitVerbParts(l) == std::optional<VerbParts>(verb);
        });
        setLines_.emplace_back(verb, line == lines.end() ? verb.Joined() : *line);
    }
}

void ZusammenpuzzelnScreen::reportDrop(const VerbParts& verb, const Text& caption, bool right) {
    const auto known = std::find_if(setLines_.begin(), setLines_.end(),
                                    [&](const auto& entry) { return entry.first == verb; });
    if (known != setLines_.end())
        ReportVerbAnswer(known->second, asked::kWordPart, caption, right);
}

void ZusammenpuzzelnScreen::ClearFields() {
    QPalette panelColours = fieldPanel_->palette();
    panelColours.setColor(QPalette::Window, PaletteColor(state().ColorBlatt));
    fieldPanel_->setPalette(panelColours);
    const int colours[] = {state().ColorAnfang, state().ColorMitte, state().ColorSchluss};
    for (int f = 0; f < PuzzleBoard::kFields; ++f) {
        ClickLabel* field = fields_[static_cast<std::size_t>(f)];
        field->setColors(Qt::black, PaletteColor(colours[f]));
        field->setPlainText(U"");
    }
}

void ZusammenpuzzelnScreen::showBoard() {
    for (int i = 0; i < PuzzleBoard::kTiles; ++i)
        tiles_[static_cast<std::size_t>(i)]->setPlainText(board_.tile(i));
}

void ZusammenpuzzelnScreen::DropPart(int field, int tile) {
    if (field < 0 || field >= PuzzleBoard::kFields || tile < 0 || tile >= PuzzleBoard::kTiles)
        return;
    state().WorkText = board_.tile(tile);
    const std::optional<VerbParts> about = board_.VerbOfDrop(field, tile);
    const PuzzleBoard::DropResult result = board_.DropPart(field, tile);
    if (about && result.outcome != PuzzleBoard::Outcome::FieldTaken)
        reportDrop(*about, state().WorkText, result.outcome != PuzzleBoard::Outcome::Wrong);
    switch (result.outcome) {
    case PuzzleBoard::Outcome::FieldTaken:
        dialogs().Message(Text(U"Dieses Feld ist schon belegt.") + CR, U"Fehler", DialogButtons::Ok,
                          DialogIcon::Stop);
        return;
    case PuzzleBoard::Outcome::Wrong:
        dialogs().Message(Text(U"Nicht gesucht, versuch ein anderes!") + CR, U"Verbteil",
                          DialogButtons::Ok, DialogIcon::None);
        TakePoints(1);
        return;
    case PuzzleBoard::Outcome::Placed:
    case PuzzleBoard::Outcome::Found:
        break;
    }
    // The part moves from its tile into the field, written in its part colour.
    const int colours[] = {state().ColorAnfang, state().ColorMitte, state().ColorSchluss};
    ClickLabel* target = fields_[static_cast<std::size_t>(field)];
    target->setColors(PaletteColor(colours[field]), PaletteColor(state().ColorBlatt));
    target->setPlainText(state().WorkText);
    tiles_[static_cast<std::size_t>(tile)]->setPlainText(U"");
    if (result.outcome != PuzzleBoard::Outcome::Found)
        return;
    const auto found = std::find_if(setLines_.begin(), setLines_.end(), [&](const auto& entry) {
        return entry.first.Joined() == result.verb;
    });
    found_ = found == setLines_.end() ? result.verb : MarkedWord(found->second);
    SpeechChanged();
    dialogs().Message(result.verb + CR + CR, FoundTitle(result.left), DialogButtons::Ok,
                      DialogIcon::None);
    if (result.left == 0)
        NewSet();
    state().Points += 3;
    ShowPoints();
    ClearFields();
}

SpeechOffer ZusammenpuzzelnScreen::WhatToHear() const {
    if (found_.empty())
        return SpeechOffer::NotNow(U"Baue zuerst ein Verb zusammen.");
    return SpeechOffer::Verbs({found_});
}

void ZusammenpuzzelnScreen::ShowSolution() {
    for (const VerbParts& verb : board_.rows())
        reportDrop(verb, Text(kGivenSolution), false);
    dialogs().Message(board_.SolutionText(), U"Verben zusammenbauen", DialogButtons::Ok,
                      DialogIcon::None);
    TakePoints(3);
}

void ZusammenpuzzelnScreen::startDrag(int tile) {
    ClickLabel* source = tiles_[static_cast<std::size_t>(tile)];
    auto* drag = new QDrag(source);
    auto* mime = new QMimeData;
    mime->setData(kTileMime, QByteArray::number(tile));
    drag->setMimeData(mime);
    drag->setPixmap(source->grab());
    drag->setHotSpot(source->rect().center());
    drag->exec(Qt::MoveAction);
}

bool ZusammenpuzzelnScreen::eventFilter(QObject* watched, QEvent* event) {
    // Without a mouse: the keys 1, 2 and 3 lay the focused tile on the first, middle or final
    // field.
    const auto tile = std::find(tiles_.begin(), tiles_.end(), watched);
    if (tile != tiles_.end() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key >= Qt::Key_1 && key <= Qt::Key_3) {
            DropPart(key - Qt::Key_1, static_cast<int>(tile - tiles_.begin()));
            return true;
        }
    }
    const auto field = std::find(fields_.begin(), fields_.end(), watched);
    if (field == fields_.end())
        return ExerciseFrame::eventFilter(watched, event);
    // Only the tiles of this screen are taken; anything else dragged here is ignored.
    const auto tileOf = [this](const QDropEvent* drop) {
        if (!drop->mimeData()->hasFormat(kTileMime))
            return -1;
        const auto tile = std::find(tiles_.begin(), tiles_.end(), drop->source());
        return tile == tiles_.end() ? -1 : static_cast<int>(tile - tiles_.begin());
    };
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (tileOf(drag) >= 0)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const int tile = tileOf(drop);
        if (tile < 0)
            return true;
        drop->acceptProposedAction();
        // Handled once the drag has ended, so that its message box is not shown while the
        // mouse is still held by the drag.
        const int f = static_cast<int>(field - fields_.begin());
        QMetaObject::invokeMethod(
            this, [this, f, tile] { DropPart(f, tile); }, Qt::QueuedConnection);
        return true;
    }
    return ExerciseFrame::eventFilter(watched, event);
}

} // namespace tamurik
