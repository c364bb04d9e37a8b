#include "exercises/wordbuilding/galgenspiel_screen.h"

#include "core/best_lists.h"
#include "exercises/wordbuilding/hangman.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("galgen");
    config.title = QStringLiteral("Tamurik: Galgenspiel");
    config.recordKey = "galgenspiel";
    config.widthTwips = 7425;
    config.heightTwips = 6360;
    config.userLabel = QStringLiteral("Bezeichnung4");
    config.userLabelTwips = QRect(720, 120, 6585, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung7");
    config.closeIcon = QStringLiteral("Bild3");
    config.rewardIcon = QStringLiteral("Bild6");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.initial.verbenwahl = Verbenwahl::Seltene;
    config.optionIcon = QStringLiteral("Bild7");
    config.panel = QStringLiteral("Bild9");
    config.panelOptionIcon = QStringLiteral("Bild10");
    config.panelOpen = 2280;
    config.panelClosed = 6600;
    return config;
}

const QColor kBrown(192, 64, 0);
const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 192);
const QColor kFaceYellow(255, 255, 0);
const QColor kMarkColor(255, 200, 80);
const QColor kBoardColor(255, 255, 255);
const QColor kBestListColor(255, 255, 192);

// The best-list panel: in view at the left edge 840, out of view at 7800.
constexpr int kBestListInView = 840;
constexpr int kBestListOutOfView = 7800;
constexpr int kBestListTop = 840;
constexpr int kBestListWidth = 6135;
constexpr int kBestListHeight = 4935;

constexpr int kMaskPoints = 26;

// One part of the drawing, placed in window twips: a filled rectangle or oval, a line of a
// width in pixels (scaled like everything else), or a face.
class DrawingPart : public QWidget {
public:
    enum class Kind { Rectangle, Oval, Line, SternFace, HappyFace };

    DrawingPart(QWidget* parent, const QString& name, Kind kind, QColor color, QPoint from,
                QPoint to, int lineWidth = 0)
        : QWidget(parent), kind_(kind), color_(color), lineWidth_(lineWidth) {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        if (kind_ == Kind::Line) {
            // The widget holds the line with room for its width; the ends are kept in pixels
            // relative to the widget.
            const int margin = lineWidth * 15 + 15;
            const QRect box =
                QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
            PlaceTwips(this, box.x(), box.y(), box.width(), box.height());
            from_ = from - box.topLeft();
            to_ = to - box.topLeft();
        } else {
            // `from` is the top-left corner, `to` the width and height.
            PlaceTwips(this, from.x(), from.y(), to.x(), to.y());
        }
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        switch (kind_) {
        case Kind::Rectangle:
            p.fillRect(rect(), color_);
            break;
        case Kind::Oval:
            p.setPen(Qt::NoPen);
            p.setBrush(color_);
            p.drawEllipse(area);
            break;
        case Kind::Line:
            p.setPen(QPen(color_, std::max(1.0, lineWidth_ * ScaleFactor()), Qt::SolidLine,
                          Qt::RoundCap));
            p.drawLine(QPointF(Px(from_.x()), Px(from_.y())), QPointF(Px(to_.x()), Px(to_.y())));
            break;
        case Kind::SternFace:
        case Kind::HappyFace:
            paintFace(p, area);
            break;
        }
    }

private:
    void paintFace(QPainter& p, const QRectF& area) {
        const double w = area.width();
        const double h = area.height();
        p.setPen(QPen(Qt::black, std::max(1.0, w / 24)));
        p.setBrush(kFaceYellow);
        p.drawEllipse(area);
        p.setBrush(Qt::black);
        const double eye = w / 14;
        p.drawEllipse(QPointF(area.left() + w * 0.33, area.top() + h * 0.38), eye, eye);
        p.drawEllipse(QPointF(area.left() + w * 0.67, area.top() + h * 0.38), eye, eye);
        p.setBrush(Qt::NoBrush);
        const double mouthY = area.top() + h * 0.68;
        if (kind_ == Kind::SternFace) {
            p.drawLine(QPointF(area.left() + w * 0.32, mouthY),
                       QPointF(area.left() + w * 0.68, mouthY));
        } else {
            QPainterPath smile;
            smile.moveTo(area.left() + w * 0.28, mouthY - h * 0.06);
            smile.quadTo(area.left() + w * 0.5, mouthY + h * 0.16, area.left() + w * 0.72,
                         mouthY - h * 0.06);
            p.drawPath(smile);
        }
    }

    Kind kind_;
    QColor color_;
    int lineWidth_;
    QPoint from_;
    QPoint to_;
};

using Kind = DrawingPart::Kind;

} // namespace

GalgenspielScreen::GalgenspielScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    maskLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung1"));
    maskLabel_->setClickable(false);
    maskLabel_->setAlignment(Qt::AlignCenter);
    maskLabel_->setFont(ScaledFont(QStringLiteral("Arial"), kMaskPoints, true));
    maskLabel_->setColors(Qt::black, QColor(255, 255, 255));
    maskLabel_->setAccessibleName(QStringLiteral("Gesuchtes Verb"));
    PlaceTwips(maskLabel_, 720, 720, 6585, 735);

    explanationLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung3"));
    explanationLabel_->setClickable(false);
    explanationLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanationLabel_->setWordWrap(true);
    explanationLabel_->setFont(UiFont(12, true));
    explanationLabel_->setForeground(Qt::white);
    PlaceTwips(explanationLabel_, 3240, 1440, 4065, 1320);

    solutionLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung2"));
    solutionLabel_->setClickable(false);
    solutionLabel_->setAlignment(Qt::AlignCenter);
    solutionLabel_->setFont(ScaledFont(QStringLiteral("Arial"), 22, true));
    solutionLabel_->setForeground(QColor(255, 255, 128));
    solutionLabel_->setAccessibleName(QStringLiteral("Lösung"));
    PlaceTwips(solutionLabel_, 3240, 3000, 4065, 735);

    hintIcon_ = MakeIcon(this, QStringLiteral("Bild5"), QStringLiteral(":/icons/tipp"),
                         QStringLiteral("Tipp"), QPoint(120, 4200));
    connect(hintIcon_, &ClickLabel::clicked, this, &GalgenspielScreen::ShowHint);

    buildDrawing();
    buildBoard();
    buildBestList();
}

void GalgenspielScreen::buildDrawing() {
    gallows_ = {
        new DrawingPart(this, QStringLiteral("Figur2"), Kind::Rectangle, kBrown, {960, 1800},
                        {255, 3135}),
        new DrawingPart(this, QStringLiteral("Figur3"), Kind::Rectangle, kBrown, {1200, 1800},
                        {1335, 255}),
        new DrawingPart(this, QStringLiteral("Linie6"), Kind::Line, kBrown, {1920, 1920},
                        {1080, 3000}, 10),
        new DrawingPart(this, QStringLiteral("Linie1"), Kind::Line, Qt::black, {2400, 2040},
                        {2400, 2400}, 5),
        new DrawingPart(this, QStringLiteral("Bild2"), Kind::SternFace, kFaceYellow, {2160, 2400},
                        {495, 495}),
        new DrawingPart(this, QStringLiteral("Figur5"), Kind::Oval, kRed, {2160, 2880}, {495, 615}),
        new DrawingPart(this, QStringLiteral("Linie2"), Kind::Line, kRed, {2280, 2880},
                        {1920, 3360}, 4),
        new DrawingPart(this, QStringLiteral("Linie3"), Kind::Line, kRed, {2520, 2880},
                        {2880, 3360}, 4),
        new DrawingPart(this, QStringLiteral("Linie4"), Kind::Line, kDarkBlue, {2280, 3360},
                        {2040, 4080}, 6),
        new DrawingPart(this, QStringLiteral("Linie5"), Kind::Line, kDarkBlue, {2520, 3360},
                        {2760, 4080}, 6),
    };
    freed_ = {
        new DrawingPart(this, QStringLiteral("Bild1"), Kind::HappyFace, kFaceYellow, {2160, 3240},
                        {495, 495}),
        new DrawingPart(this, QStringLiteral("Figur7"), Kind::Oval, kRed, {2160, 3600}, {495, 735}),
        new DrawingPart(this, QStringLiteral("Linie7"), Kind::Line, kRed, {2280, 3960},
                        {1920, 3480}, 4),
        new DrawingPart(this, QStringLiteral("Linie8"), Kind::Line, kRed, {2520, 3960},
                        {2880, 3480}, 4),
        new DrawingPart(this, QStringLiteral("Linie9"), Kind::Line, kDarkBlue, {2280, 4200},
                        {2160, 4920}, 6),
        new DrawingPart(this, QStringLiteral("Linie10"), Kind::Line, kDarkBlue, {2520, 4200},
                        {2640, 4920}, 6),
    };
}

void GalgenspielScreen::buildBoard() {
    board_ = new QListWidget(this);
    board_->setObjectName(QStringLiteral("Liste1"));
    board_->setAccessibleName(QStringLiteral("Buchstaben"));
    board_->setFont(ScaledFont(QStringLiteral("Arial"), 14, true));
    // The marks are the board's own: every click toggles one, and the list's selection (which
    // a keyboard move would change) plays no part.
    board_->setSelectionMode(QAbstractItemView::NoSelection);
    board_->setFlow(QListView::TopToBottom);
    board_->setWrapping(true);
    board_->setMovement(QListView::Static);
    board_->setUniformItemSizes(true);
    board_->setTextElideMode(Qt::ElideNone);
    board_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    board_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    board_->setFrameShape(QFrame::Box);
    constexpr int boardWidth = 6600;
    constexpr int boardHeight = 900;
    PlaceTwips(board_, 720, 5280, boardWidth, boardHeight);
    // The cells are one pixel smaller than an exact share: the list starts a new column only
    // when a cell would reach past the last pixel, so an exact fit leaves one letter a column.
    const int frame = board_->frameWidth() * 2;
    board_->setGridSize(QSize((board_->width() - frame) / kBoardColumns - 1,
                              (board_->height() - frame) / kBoardRows - 1));
    QPalette pal = board_->palette();
    pal.setColor(QPalette::Base, kBoardColor);
    board_->setPalette(pal);
    connect(board_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChooseLetter(board_->row(item)); });
    board_->installEventFilter(this);
    fillBoard();
}

void GalgenspielScreen::buildBestList() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Bild4"));
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, kBestListColor);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    bestPanel_ = panel;

    const QFont courier = ScaledFont(QStringLiteral("Courier New"), 11, true);
    bestHeader_ = new ClickLabel(panel, QStringLiteral("Bezeichnung5"));
    bestHeader_->setClickable(false);
    bestHeader_->setFont(courier);
    bestHeader_->setPlainText(U"Verb   Maus   Benutzername");
    PlaceTwips(bestHeader_, 240, 120, 5655, 315);

    bestList_ = new QListWidget(panel);
    bestList_->setObjectName(QStringLiteral("Liste2"));
    bestList_->setAccessibleName(QStringLiteral("Bestenliste"));
    bestList_->setFont(courier);
    bestList_->setSelectionMode(QAbstractItemView::NoSelection);
    PlaceTwips(bestList_, 240, 480, 5655, 3840);
    bestList_->viewport()->installEventFilter(this);
    bestList_->installEventFilter(this);

    bestClose_ = new ClickLabel(panel, QStringLiteral("Bezeichnung6"));
    bestClose_->setFont(UiFont(9, true));
    bestClose_->setPlainText(U"Klicke hier, um das Fenster wieder zu schließen . . .");
    PlaceTwips(bestClose_, 240, 4440, 5655, 375);

    for (ClickLabel* label : {bestHeader_, bestClose_})
        connect(label, &ClickLabel::pressedAt, this, [this] { CloseBestList(); });
    connect(bestClose_, &ClickLabel::clicked, this, &GalgenspielScreen::CloseBestList);
    panel->installEventFilter(this);
    moveBestList(false);
}

bool GalgenspielScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool choose = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                            key->key() == Qt::Key_Enter;
        if (choose && board_->currentRow() >= 0) {
            ChooseLetter(board_->currentRow());
            return true;
        }
        return false;
    }
    const bool onBestList =
        bestList_ != nullptr &&
        (watched == bestPanel_ || watched == bestList_ || watched == bestList_->viewport());
    if (onBestList && isBestListOpen()) {
        if (event->type() == QEvent::MouseButtonPress) {
            CloseBestList();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
                key == Qt::Key_Space) {
                CloseBestList();
                return true;
            }
        }
    }
    return ExerciseFrame::eventFilter(watched, event);
}

void GalgenspielScreen::fillBoard() {
    board_->clear();
    for (const char32_t letter : kHangmanLetters) {
        auto* item = new QListWidgetItem(ToQ(Text{U' ', letter, U' '}), board_);
        item->setTextAlignment(Qt::AlignCenter);
        item->setData(Qt::UserRole, false);
    }
}

int GalgenspielScreen::markedLetters() const {
    int marked = 0;
    for (int i = 0; i < board_->count(); ++i)
        marked += board_->item(i)->data(Qt::UserRole).toBool() ? 1 : 0;
    return marked;
}

void GalgenspielScreen::showMask() {
    const QString mask = ToQ(state().WorkText);
    // A long verb gets a smaller font rather than losing its ends.
    int points = kMaskPoints;
    QFont font = ScaledFont(QStringLiteral("Arial"), points, true);
    while (points > 10 && QFontMetrics(font).horizontalAdvance(mask) > maskLabel_->width()) {
        --points;
        font = ScaledFont(QStringLiteral("Arial"), points, true);
    }
    maskLabel_->setFont(font);
    maskLabel_->setPlainText(state().WorkText);
}

void GalgenspielScreen::PrepareExercise() {
    StartWord();
}

void GalgenspielScreen::StartWord() {
    userLabel()->setPlainText(UserName(navigator()));
    workList_ = VerbLinesForSelection([](const Text& line) { return !HangmanWord(line).empty(); });
    if (workList_.empty())
        return; // hidden: the next activation draws; or the word file cannot serve
    const std::optional<Text> due = DueVerbLine(workList_);
    const Text line = due ? *due
                          : workList_[static_cast<std::size_t>(
                                context().random.Draw(static_cast<int>(workList_.size())))];
    workList_.clear();
    currentLine_ = line;

    explanationLabel_->clear();
    if (IsRare(line))
        explanationLabel_->setPlainText(Text(1, CR) + Explanation(line));
    state().CurrentWord = HangmanWord(line);

    fillBoard();
    solutionLabel_->clear();
    state().WorkText = BuildMask(state().CurrentWord);
    showMask();
    wrongLetters_ = 0;
    playing_ = true;
    QuestionShown();
    SpeechChanged();
}

SpeechOffer GalgenspielScreen::WhatToHear() const {
    // A lost word gives way to the next one at once: only a solved word stays to be heard.
    if (playing_ || currentLine_.empty())
        return SpeechOffer::NotNow(U"Das Wort ist erst zu hören, wenn du es gelöst hast.");
    return SpeechOffer::Verbs({MarkedWord(currentLine_)});
}

void GalgenspielScreen::ResetDrawing() {
    for (QWidget* part : gallows_)
        part->hide();
    for (QWidget* part : freed_)
        part->hide();
}

void GalgenspielScreen::ChooseLetter(int index) {
    // A solved word waits for its best list to be closed; the board does nothing meanwhile.
    if (!playing_ || index < 0 || index >= board_->count())
        return;
    QListWidgetItem* item = board_->item(index);
    const bool marked = !item->data(Qt::UserRole).toBool();
    item->setData(Qt::UserRole, marked);
    item->setBackground(marked ? QBrush(kMarkColor) : QBrush());

    const char32_t letter = kHangmanLetters[static_cast<std::size_t>(index)];
    const LetterOutcome outcome =
        tamurik::ChooseLetter(state().CurrentWord, state().WorkText, letter);
    ReportVerbAnswer(currentLine_, asked::kLetter, Text(1, letter), outcome.inWord);
    if (outcome.inWord) {
        if (outcome.firstTime) {
            state().Points += 1;
            ShowPoints();
        }
        showMask();
        if (outcome.solved)
            Win();
        return;
    }
    ++wrongLetters_;
    gallows_[static_cast<std::size_t>(std::min(wrongLetters_, kWrongLettersToLose) - 1)]->show();
    if (wrongLetters_ >= kWrongLettersToLose)
        Lose();
}

void GalgenspielScreen::Win() {
    playing_ = false;
    SpeechChanged();
    for (std::size_t part = 4; part < gallows_.size(); ++part)
        gallows_[part]->hide();
    for (QWidget* part : freed_)
        part->show();
    const int clicks = markedLetters();
    solutionLabel_->setPlainText(state().CurrentWord);
    const Text user = UserName(navigator());
    AppendResult(context().dir, kBestHang,
                 GalgenRecord(static_cast<int>(state().CurrentWord.size()), clicks, user));
    dialogs().Message(U"Du hast" + StrForm(clicks) + U" Mausklicks benötigt!" + CR, U"Galgenspiel",
                      DialogButtons::Ok, DialogIcon::None);
    workList_ = LoadSorted(context().dir, kBestHang);
    bestList_->clear();
    for (const Text& record : workList_)
        bestList_->addItem(ToQ(record));
    moveBestList(true);
    StoreTop100(context().dir, kBestHang, workList_, kMarkerExercise);
}

void GalgenspielScreen::Lose() {
    playing_ = false;
    solutionLabel_->setPlainText(state().CurrentWord);
    dialogs().Message(Text(U"Du hast leider verloren!") + CR, U"Galgenspiel", DialogButtons::Ok,
                      DialogIcon::None);
    TakePoints(1);
    ResetDrawing();
    moveBestList(false);
    workList_.clear();
    StartWord();
}

void GalgenspielScreen::ShowHint() {
    if (!playing_ || state().CurrentWord.empty())
        return;
    ReportVerbAnswer(currentLine_, asked::kLetter, Text(kGivenHint), false);
    dialogs().Message(U"Der erste Buchstaben ist ein:  " + Text(1, state().CurrentWord[0]) + CR +
                          CR,
                      U"T i p p :", DialogButtons::Ok, DialogIcon::None);
    TakePoints(1);
}

void GalgenspielScreen::CloseBestList() {
    ResetDrawing();
    moveBestList(false);
    workList_.clear();
    StartWord();
}

void GalgenspielScreen::EndWork() {
    ResetDrawing();
    moveBestList(false);
    workList_.clear();
}

void GalgenspielScreen::OptionChosen(SelectionGroup, int) {
    ResetDrawing();
    // A new word is played on the board, so a best list still in view goes away with the old one.
    moveBestList(false);
    StartWord();
}

bool GalgenspielScreen::isBestListOpen() const {
    return bestPanel_->isVisible();
}

void GalgenspielScreen::moveBestList(bool inView) {
    PlaceTwips(bestPanel_, inView ? kBestListInView : kBestListOutOfView, kBestListTop,
               kBestListWidth, kBestListHeight);
    // Out of view it takes no keyboard focus either.
    bestPanel_->setVisible(inView);
    if (inView) {
        bestPanel_->raise();
        bestClose_->setFocus();
    }
}

} // namespace tamurik
