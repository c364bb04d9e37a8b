#include "exercises/wordbuilding/verben_zusammensetzen_screen.h"

#include "core/startup.h"
#include "core/word_lists.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"

#include <QKeyEvent>

#include <algorithm>

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form9");
    config.title = QStringLiteral("Tamurik: Verben zusammensetzen");
    config.recordKey = "verben_zusammensetzen";
    config.widthTwips = 6285;
    config.heightTwips = 6075;
    config.userLabel = QStringLiteral("Bezeichnung6");
    config.userLabelTwips = QRect(720, 120, 5445, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung5");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild8");
    config.panel = QStringLiteral("Bild9");
    config.panelOptionIcon = QStringLiteral("Bild10");
    config.panelOpen = 2160;
    config.panelClosed = 6360;
    return config;
}

constexpr int kDarkBlue = 1;
constexpr int kLightGreen = 10;
constexpr int kLightCyan = 11;
constexpr int kLightRed = 12;

double CellLeft(int column) {
    return kGridMargin + kCellSize * column;
}
double CellTop(int row) {
    return kGridMargin + kCellSize * row;
}

} // namespace

ZusammensetzenScreen::ZusammensetzenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    surface_ = new PictureSurface(this, QStringLiteral("Bild5"));
    PlaceTwips(surface_, 720, 720, 2 * kGridMargin + kGridColumns * kCellSize,
               2 * kGridMargin + kGridRows * kCellSize);
    surface_->setDrawFont(UiFont(16, true));
    surface_->setBackground(Qt::white);
    surface_->setCursor(Qt::PointingHandCursor);
    surface_->setAccessibleName(QStringLiteral("Buchstabenfeld"));
    surface_->setAccessibleDescription(
        QStringLiteral("Buchstaben anklicken oder auf der Tastatur tippen"));
    surface_->setFocusPolicy(Qt::StrongFocus);
    surface_->installEventFilter(this);
    connect(surface_, &PictureSurface::pressedAt, this,
            [this](QPointF at, Qt::MouseButton) { ClickLetter(at.x(), at.y()); });

    assembledLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung4"));
    assembledLabel_->setClickable(false);
    assembledLabel_->setAlignment(Qt::AlignCenter);
    assembledLabel_->setWordWrap(true);
    assembledLabel_->setColors(Qt::black, Qt::white);
    PlaceTwips(assembledLabel_, 720, 5040, 5220, 735);

    auto* firstLetter =
        MakeIcon(this, QStringLiteral("Bild6"), QStringLiteral(":/icons/startflagge"),
                 QStringLiteral("Erster Buchstabe"), QPoint(120, 3720));
    connect(firstLetter, &ClickLabel::clicked, this, &ZusammensetzenScreen::ShowFirstLetter);
    auto* path = MakeIcon(this, QStringLiteral("Bild7"), QStringLiteral(":/icons/wegweiser"),
                          QStringLiteral("Weg zeigen"), QPoint(120, 4320));
    connect(path, &ClickLabel::clicked, this, &ZusammensetzenScreen::ShowPath);
    auto* book = MakeIcon(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/buch"),
                          QStringLiteral("Erklärung"), QPoint(120, 4920));
    connect(book, &ClickLabel::clicked, this, &ZusammensetzenScreen::ShowExplanation);
    auto* next = MakeIcon(this, QStringLiteral("Bild4"), QStringLiteral(":/icons/neues_verb"),
                          QStringLiteral("Neues Verb"), QPoint(120, 5520));
    connect(next, &ClickLabel::clicked, this, &ZusammensetzenScreen::NextVerb);
}

bool ZusammensetzenScreen::eventFilter(QObject* watched, QEvent* event) {
    // Without a mouse: a typed letter clicks a cell that holds it (any cell with the needed
    // letter is right, so which of several is taken does not matter).
    if (watched == surface_ && event->type() == QEvent::KeyPress) {
        const Text typed = FromQ(static_cast<QKeyEvent*>(event)->text());
        if (typed.size() == 1) {
            for (const LetterCell& cell : grid_.cells())
                if (cell.letter == typed.front()) {
                    ClickLetter(CellLeft(cell.column) + kCellSize / 2.0,
                                CellTop(cell.row) + kCellSize / 2.0);
                    return true;
                }
        }
    }
    return ExerciseFrame::eventFilter(watched, event);
}

void ZusammensetzenScreen::OptionChosen(SelectionGroup, int) {
    pool_.clear();
    NextVerb();
}

bool ZusammensetzenScreen::usable(const Text& line) const {
    return !GridVerb(line).empty() && !tooLong_.contains(line);
}

void ZusammensetzenScreen::fillPool() {
    const auto usable = [this](const Text& line) { return this->usable(line); };
    // Every s-th line of the file (s from 10 to 19) that passes the selection, so that the
    // pool changes from round to round; a short file or a narrow selection may give none, and
    // then every passing line serves.
    const int step = context().random.Draw(10) + 10;
    const Selection chosen = selection();
    const std::vector<Text> lines =
        ReadWordLines(context().dir, kVerbFile).value_or(std::vector<Text>{});
    for (Text& line : EveryNthLine(lines, step))
        if (MatchesSelection(line, chosen) && usable(line))
            pool_.push_back(std::move(line));
    if (pool_.empty())
        pool_ = VerbLinesForSelection(usable);
}

bool ZusammensetzenScreen::ChooseVerb() {
    if (pool_.empty())
        fillPool();
    if (pool_.empty())
        return false;
    // A due verb joins the pool when it is not there: like every pool verb it stays until it
    // is finished.
    if (std::optional<Text> due =
            DueVerbForSelection([this](const Text& line) { return usable(line); })) {
        const auto at = std::find(pool_.begin(), pool_.end(), *due);
        selected_ = static_cast<std::size_t>(at - pool_.begin());
        if (at == pool_.end())
            pool_.push_back(std::move(*due));
        return true;
    }
    selected_ = static_cast<std::size_t>(context().random.Draw(static_cast<int>(pool_.size())));
    return true;
}

void ZusammensetzenScreen::NextVerb() {
    Text verb;
    for (;;) {
        if (!ChooseVerb())
            return;
        verb = GridVerb(pool_[selected_]);
        if (verb.size() <= kLongestGridVerb)
            break;
        // A hidden screen (the main menu passing its selection on) refuses it silently.
        if (isVisible())
            dialogs().Message(Text(U"Dieses Verb ist zu lang!") + CR, U"Tamurik", DialogButtons::Ok,
                              DialogIcon::None);
        tooLong_.insert(pool_[selected_]);
        pool_.erase(pool_.begin() + static_cast<std::ptrdiff_t>(selected_));
    }
    currentLine_ = pool_[selected_];
    grid_.Start(verb, PlaceLetters(verb, context().random));
    surface_->Clear();
    for (const LetterCell& cell : grid_.cells())
        drawCell(cell, false);
    showInstruction();
    QuestionShown();
}

void ZusammensetzenScreen::drawCell(const LetterCell& cell, bool filled) {
    const double left = CellLeft(cell.column);
    const double top = CellTop(cell.row);
    if (filled)
        surface_->Box(left, top, left + kCellSize, top + kCellSize, PaletteColor(kLightCyan), true);
    surface_->Box(left, top, left + kCellSize, top + kCellSize, PaletteColor(kDarkBlue), false);
    surface_->SetDrawColor(Qt::black);
    surface_->SetDrawPos(left + 100, top);
    surface_->Print(Text(1, cell.letter));
}

void ZusammensetzenScreen::showInstruction() {
    assembledLabel_->setFont(UiFont(9.75));
    assembledLabel_->setPlainText(U"Setze das Verb durch Anklicken richtig zusammen!");
    instructionShown_ = true;
}

void ZusammensetzenScreen::ClickLetter(double xTwips, double yTwips) {
    if (grid_.verb().empty())
        return;
    if (instructionShown_) {
        assembledLabel_->setPlainText(U"");
        assembledLabel_->setFont(UiFont(18, true));
        instructionShown_ = false;
    }
    const CellPos cell = CellAt(xTwips, yTwips);
    const LetterGrid::Outcome outcome = grid_.Click(cell);
    if (outcome == LetterGrid::Outcome::Nothing)
        return;
    const Text clicked(1, grid_.cells()[*grid_.LetterIn(cell)].letter);
    ReportVerbAnswer(currentLine_, asked::kLetter, clicked, outcome != LetterGrid::Outcome::Wrong);
    switch (outcome) {
    case LetterGrid::Outcome::Nothing:
        return;
    case LetterGrid::Outcome::Wrong:
        TakePoints(1);
        return;
    case LetterGrid::Outcome::Right:
    case LetterGrid::Outcome::Finished:
        break;
    }
    drawCell(grid_.cells()[*grid_.LetterIn(cell)], true);
    assembledLabel_->setPlainText(grid_.assembled());
    ++state().Points;
    ShowPoints();
    if (grid_.assembled() != grid_.verb())
        return;
    if (selected_ < pool_.size())
        found_ = MarkedWord(pool_[selected_]);
    SpeechChanged();
    dialogs().Message(Text(U"Prima, das Verb ist fertig!") + CR + CR, grid_.verb(),
                      DialogButtons::Ok, DialogIcon::None);
    if (selected_ < pool_.size())
        pool_.erase(pool_.begin() + static_cast<std::ptrdiff_t>(selected_));
    NextVerb();
}

SpeechOffer ZusammensetzenScreen::WhatToHear() const {
    // The verb is heard once it is put together: hearing it before would tell the order.
    if (found_.empty())
        return SpeechOffer::NotNow(U"Setze zuerst das Verb zusammen.");
    return SpeechOffer::Verbs({found_});
}

void ZusammensetzenScreen::drawFirstLetter() {
    const LetterCell& first = grid_.cells().front();
    const double left = CellLeft(first.column);
    const double top = CellTop(first.row);
    surface_->Box(left, top, left + kCellSize, top + kCellSize, PaletteColor(kDarkBlue), false);
    surface_->SetDrawColor(PaletteColor(kLightRed));
    surface_->SetDrawPos(left + 100, top);
    surface_->Print(Text(1, first.letter));
}

void ZusammensetzenScreen::ShowFirstLetter() {
    if (grid_.cells().empty())
        return;
    ReportVerbAnswer(currentLine_, asked::kLetter, Text(kGivenHint), false);
    drawFirstLetter();
    state().Points = AfterFirstLetterHelp(state().Points);
    ShowPoints();
}

void ZusammensetzenScreen::ShowPath() {
    const std::vector<LetterCell>& cells = grid_.cells();
    if (cells.empty())
        return;
    ReportVerbAnswer(currentLine_, asked::kLetter, Text(kGivenHint), false);
    const auto centre = [](const LetterCell& c) {
        return QPointF(CellLeft(c.column) + kCellSize / 2.0, CellTop(c.row) + kCellSize / 2.0);
    };
    for (std::size_t i = 1; i < cells.size(); ++i) {
        const QPointF from = centre(cells[i - 1]);
        const QPointF to = centre(cells[i]);
        surface_->Line(from.x(), from.y(), to.x(), to.y(), PaletteColor(kLightGreen));
    }
    for (const LetterCell& cell : cells) {
        surface_->SetDrawColor(Qt::black);
        surface_->SetDrawPos(CellLeft(cell.column) + 100, CellTop(cell.row));
        surface_->Print(Text(1, cell.letter));
    }
    drawFirstLetter();
    state().Points = AfterPathHelp(state().Points);
    ShowPoints();
}

void ZusammensetzenScreen::ShowExplanation() {
    if (selected_ >= pool_.size())
        return;
    ReportVerbAnswer(currentLine_, asked::kLetter, Text(kGivenHint), false);
    dialogs().Message(GridExplanation(pool_[selected_]) + CR, grid_.verb(), DialogButtons::Ok,
                      DialogIcon::None);
    state().Points = AfterExplanationHelp(state().Points);
    ShowPoints();
}

} // namespace tamurik
