#include "exercises/wordbuilding/verben_schreiben_screen.h"

#include "core/best_lists.h"
#include "core/startup.h"
#include "core/word_lists.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/shape.h"
#include "ui/text_qt.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form6");
    config.title = QStringLiteral("Tamurik: Verben schreiben");
    config.recordKey = "verben_schreiben";
    config.widthTwips = 6765;
    config.heightTwips = 5955;
    config.userLabel = QStringLiteral("Bezeichnung5");
    config.userLabelTwips = QRect(720, 120, 5925, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild8");
    config.panel = QStringLiteral("Bild9");
    config.panelOptionIcon = QStringLiteral("Bild10");
    config.verbenwahlFrame = QStringLiteral("Rahmen3");
    config.verbenwahlOptions = {QStringLiteral("Option7"), QStringLiteral("Option8"),
                                QStringLiteral("Option9")};
    config.stammvokalFrame = QStringLiteral("Rahmen4");
    config.stammvokalOptions = {QStringLiteral("Option10"), QStringLiteral("Option11"),
                                QStringLiteral("Option12")};
    config.panelOpen = 2160;
    config.panelClosed = 6120;
    return config;
}

constexpr int kLightBlue = 9;
constexpr int kLightGreen = 10;
constexpr int kLightRed = 12;
constexpr int kPurple = 5;

constexpr int kDisplayWidth = 5295;
constexpr int kDisplayHeight = 855;
constexpr int kBestPanelIn = 840;
constexpr int kBestPanelOut = 6840;
constexpr int kBestPanelTop = 1320;

const char32_t* const kIdleInstruction = U"Stelle eine Zeit ein und klicke auf die grüne Ampel. "
                                         U"Klicke auf das lila Feld für die Bestenliste.";

} // namespace

VerbenSchreibenScreen::VerbenSchreibenScreen(AppContext& context)
    : ExerciseFrame(context, Frame()) {
    timer_.setObjectName(QStringLiteral("Zeit1"));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &VerbenSchreibenScreen::TimerTick);

    minutes_ = new QScrollBar(Qt::Horizontal, this);
    minutes_->setObjectName(QStringLiteral("HBildlauf1"));
    minutes_->setRange(1, 30);
    minutes_->setValue(10);
    minutes_->setAccessibleName(QStringLiteral("Zeit in Minuten"));
    PlaceTwips(minutes_, 720, 840, 2400, 255);

    minutesLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung3"));
    minutesLabel_->setAlignment(Qt::AlignCenter);
    minutesLabel_->setFont(UiFont(14, true));
    minutesLabel_->setColors(Qt::white, PaletteColor(kPurple));
    minutesLabel_->setPlainText(U"10");
    minutesLabel_->setAccessibleName(QStringLiteral("Bestenliste"));
    minutesLabel_->setToolTip(QStringLiteral("Bestenliste"));
    PlaceTwips(minutesLabel_, 3240, 720, 735, 495);
    connect(minutesLabel_, &ClickLabel::clicked, this, &VerbenSchreibenScreen::OpenBestList);
    connect(minutes_, &QScrollBar::valueChanged, this, [this](int value) {
        minutesLabel_->setPlainText(Decimal(value));
        if (running_)
            StopRun();
    });

    secondsLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung4"));
    secondsLabel_->setClickable(false);
    secondsLabel_->setAlignment(Qt::AlignCenter);
    secondsLabel_->setFont(UiFont(14, true));
    secondsLabel_->setColors(Qt::black, Qt::white);
    secondsLabel_->setAccessibleDescription(QStringLiteral("Sekunden"));
    PlaceTwips(secondsLabel_, 4080, 720, 960, 495);

    auto* green = MakeIcon(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/ampel_gruen"),
                           QStringLiteral("Start"), QPoint(5160, 720));
    connect(green, &ClickLabel::clicked, this, &VerbenSchreibenScreen::StartRun);
    auto* red = MakeIcon(this, QStringLiteral("Bild4"), QStringLiteral(":/icons/ampel_rot"),
                         QStringLiteral("Stopp"), QPoint(5760, 720));
    connect(red, &ClickLabel::clicked, this, &VerbenSchreibenScreen::StopRun);

    display_ = new PictureSurface(this, QStringLiteral("Bild5"));
    PlaceTwips(display_, 720, 1440, kDisplayWidth, kDisplayHeight);
    display_->setFocusPolicy(Qt::NoFocus);
    // A click on the word brings the keyboard back to the copying.
    connect(display_, &PictureSurface::clicked, this, &VerbenSchreibenScreen::focusTyping);
    cover_ = new Shape(display_, QStringLiteral("Figur6"));
    cover_->setRadiusTwips(0);
    PlaceTwips(cover_, 0, 435, kDisplayWidth, 300);
    cover_->hide();

    echoFrame_ = new Shape(this, QStringLiteral("Figur2"));
    echoFrame_->setRadiusTwips(60);
    PlaceTwips(echoFrame_, 720, 2460, kDisplayWidth, 735);
    echo_ = new ClickLabel(this, QStringLiteral("Bezeichnung10"));
    echo_->setClickable(false);
    echo_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    echo_->setColors(Qt::black, Qt::white);
    echo_->setAccessibleDescription(QStringLiteral("Geschrieben"));
    PlaceTwips(echo_, 840, 2580, kDisplayWidth - 240, 495);

    instruction_ = new ClickLabel(this, QStringLiteral("Bezeichnung6"));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignCenter);
    instruction_->setFont(UiFont(9, true));
    instruction_->setColors(Qt::black, Qt::white);
    PlaceTwips(instruction_, 720, 3360, kDisplayWidth, 735);
    connect(instruction_, &ClickLabel::clicked, this, &VerbenSchreibenScreen::CloseBestList);
    setInstruction(kIdleInstruction, Qt::black);

    // Six views in two rows of three, so that they fit the width of the word display.
    auto* viewFrame = new QGroupBox(QStringLiteral(" Ansicht "), this);
    viewFrame->setObjectName(QStringLiteral("Rahmen2"));
    viewFrame->setFont(UiFont(10, true));
    // On the light colour of the selection panel, readable on any window colour.
    viewFrame->setAutoFillBackground(true);
    QPalette viewColours = viewFrame->palette();
    viewColours.setColor(QPalette::Window, QColor(192, 255, 255));
    viewColours.setColor(QPalette::WindowText, Qt::black);
    viewFrame->setPalette(viewColours);
    auto* viewGrid = new QGridLayout(viewFrame);
    viewGrid->setContentsMargins(Px(90), Px(30), Px(90), Px(30));
    views_ = new QButtonGroup(viewFrame);
    const QStringList viewCaptions{QStringLiteral("Normalwort"),  QStringLiteral("Mitlaute"),
                                   QStringLiteral("Puzzle"),      QStringLiteral("Halbes Wort"),
                                   QStringLiteral("Großschrift"), QStringLiteral("Umkehrwort")};
    for (int i = 0; i < kWordViews; ++i) {
        auto* button = new QRadioButton(viewCaptions[i], viewFrame);
        button->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        button->setFont(UiFont(10));
        views_->addButton(button, i);
        viewGrid->addWidget(button, i / 3, i % 3);
    }
    views_->button(0)->setChecked(true);
    connect(views_, &QButtonGroup::idClicked, this, [this](int) {
        SpeechChanged();
        if (!running_)
            return;
        focusTyping();
        ShowNextWord();
    });
    PlaceTwips(viewFrame, 720, 4200, kDisplayWidth, 855);
    // Tall enough for its caption and both rows in the scaled font.
    viewFrame->setFixedHeight(std::max(viewFrame->height(), viewFrame->sizeHint().height()));

    auto* book = MakeIcon(this, QStringLiteral("Bild7"), QStringLiteral(":/icons/buch"),
                          QStringLiteral("Erklärung"), QPoint(120, 3720));
    connect(book, &ClickLabel::clicked, this, &VerbenSchreibenScreen::ShowExplanation);
    if (auto* reward = findChild<ClickLabel*>(QStringLiteral("Bild2")))
        connect(reward, &ClickLabel::clicked, this, &VerbenSchreibenScreen::focusTyping);

    bestPanel_ = new QFrame(this);
    bestPanel_->setObjectName(QStringLiteral("Bild6"));
    static_cast<QFrame*>(bestPanel_)->setFrameShape(QFrame::Box);
    bestPanel_->setAutoFillBackground(true);
    QPalette panelColours = bestPanel_->palette();
    panelColours.setColor(QPalette::Window, QColor(255, 255, 192));
    panelColours.setColor(QPalette::WindowText, Qt::black);
    bestPanel_->setPalette(panelColours);
    auto* panelLayout = new QVBoxLayout(bestPanel_);
    const QFont fixed = ScaledFont(QStringLiteral("Courier New"), 10);
    auto* header = new QLabel(QStringLiteral("Zeit  Worte  Benutzername"), bestPanel_);
    header->setObjectName(QStringLiteral("Bezeichnung7"));
    header->setFont(fixed);
    bestListView_ = new QListWidget(bestPanel_);
    bestListView_->setObjectName(QStringLiteral("Liste1"));
    bestListView_->setFont(fixed);
    bestListView_->setAccessibleName(QStringLiteral("Bestenliste"));
    panelLayout->addWidget(header);
    panelLayout->addWidget(bestListView_);
    PlaceTwips(bestPanel_, kBestPanelOut, kBestPanelTop, 5295, 1935);
    moveBestPanel(false);

    typing_ = new QLineEdit(this);
    typing_->setObjectName(QStringLiteral("Text1"));
    typing_->setAccessibleName(QStringLiteral("Verb schreiben"));
    PlaceTwips(typing_, 7200, 6600, 2400, 375);
    connect(typing_, &QLineEdit::textChanged, this, &VerbenSchreibenScreen::CheckCopy);
}

void VerbenSchreibenScreen::PrepareExercise() {
    // The font of the word display may have changed in the settings.
    display_->setDrawFont(ScaledFont(ToQ(state().FontName), 24));
    echo_->setFont(ScaledFont(ToQ(state().FontName), 18));
    typing_->clear();
    moveBestPanel(false);
    display_->setBackground(PaletteColor(state().ColorBlatt));
    setFrameColor(PaletteColor(state().ColorBlatt));
    markedWord_.clear();
    state().CurrentWord.clear();
    ShowPoints();
    bestListReadable_ =
        !context().dir.Exists(kBestText) || context().dir.ReadLines(kBestText).has_value();
    bestList_ = LoadSorted(context().dir, kBestText);
    showBestList();
    LoadWordPool();
}

void VerbenSchreibenScreen::EndWork() {
    if (bestListReadable_)
        StoreTop100(context().dir, kBestText, bestList_, kMarkerKept);
    state().CurrentWord.clear();
    StopRun();
    pool_.clear();
    bestList_.clear();
    showBestList();
}

void VerbenSchreibenScreen::OptionChosen(SelectionGroup, int) {
    LoadWordPool();
}

void VerbenSchreibenScreen::PanelToggled(bool open) {
    if (!open)
        focusTyping();
}

WordView VerbenSchreibenScreen::view() const {
    return static_cast<WordView>(std::max(0, views_->checkedId()));
}

bool VerbenSchreibenScreen::Copyable(const Text& line) {
    return !WordLetters(MarkedWord(line)).empty();
}

void VerbenSchreibenScreen::fillPool() {
    pool_.clear();
    for (const Text& line : VerbLinesForSelection(Copyable))
        pool_.push_back(MarkedWord(line));
}

void VerbenSchreibenScreen::LoadWordPool() {
    fillPool();
    if (running_) {
        ShowNextWord();
        focusTyping();
    }
}

void VerbenSchreibenScreen::ShowNextWord() {
    if (pool_.empty())
        fillPool();
    if (pool_.empty()) {
        // Nothing to draw now (the screen is hidden, or it has returned to the menu).
        markedWord_.clear();
        state().CurrentWord.clear();
        SpeechChanged();
        return;
    }
    if (const std::optional<Text> due = DueVerbForSelection(Copyable)) {
        // A due verb may have been copied from this pool already; it leaves the pool if not.
        markedWord_ = MarkedWord(*due);
        std::erase(pool_, markedWord_);
    } else {
        const auto at =
            static_cast<std::size_t>(context().random.Draw(static_cast<int>(pool_.size())));
        markedWord_ = pool_[at];
        pool_.erase(pool_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    state().CurrentWord = WordLetters(markedWord_);
    drawWord();
    typingFits_ = true;
    typing_->clear();
    focusTyping();
    QuestionShown();
    SpeechChanged();
}

SpeechOffer VerbenSchreibenScreen::WhatToHear() const {
    if (markedWord_.empty())
        return SpeechOffer::NotNow(U"Klicke zuerst auf die grüne Ampel.");
    // Heard only where the child copies the verb as it stands; in the other views it is to be
    // worked out or remembered.
    if (view() != WordView::Normalwort && view() != WordView::Grossschrift)
        return SpeechOffer::NotNow(U"In dieser Ansicht würde das Anhören das Verb verraten.");
    return SpeechOffer::Verbs({markedWord_});
}

void VerbenSchreibenScreen::drawWord() {
    const WordView shown = view();
    const int puzzleOrder = shown == WordView::Puzzle ? context().random.Draw(5) : 0;
    const QColor background = display_->background();
    cover_->setFillColor(background);
    cover_->setBorderColor(background);
    cover_->setVisible(shown == WordView::HalbesWort);
    display_->Clear();
    display_->SetDrawPos(100, 100);
    const QColor colours[] = {Qt::white, PaletteColor(state().ColorAnfang),
                              PaletteColor(state().ColorMitte), PaletteColor(state().ColorSchluss)};
    for (const ViewPiece& piece : ViewPieces(markedWord_, shown, puzzleOrder)) {
        display_->SetDrawColor(colours[piece.part]);
        display_->Print(piece.text);
    }
}

void VerbenSchreibenScreen::clearDisplay() {
    display_->Clear();
    cover_->hide();
}

void VerbenSchreibenScreen::CheckCopy() {
    const Text typed = FromQ(typing_->text());
    const Text& word = state().CurrentWord;
    if (view() == WordView::HalbesWort && !typed.empty() && !word.empty())
        clearDisplay();
    echo_->setPlainText(Spaced(typed));
    if (word.empty())
        return;
    switch (FrameFor(typed, word)) {
    case CopyFrame::Green:
        typingFits_ = true;
        setFrameColor(PaletteColor(kLightGreen));
        break;
    case CopyFrame::Red:
        // The frame turning red is a wrong answer; it counts once, until the typing fits again.
        if (typingFits_)
            ReportVerbAnswer(markedWord_, asked::kSpelling, typed, false);
        typingFits_ = false;
        setFrameColor(PaletteColor(kLightRed));
        break;
    case CopyFrame::Unchanged:
        break;
    }
    if (typed != word)
        return;
    ReportVerbAnswer(markedWord_, asked::kSpelling, typed, true);
    state().Points += static_cast<long long>(word.size());
    ++wordsDone_;
    ShowPoints();
    ShowNextWord();
}

void VerbenSchreibenScreen::StartRun() {
    moveBestPanel(false);
    running_ = true;
    state().PanelOpen = 0;
    timer_.start();
    state().TimeLeftMs = minutes_->value() * 60 * 1000;
    secondsLabel_->setPlainText(Decimal(state().TimeLeftMs / 1000));
    ShowPoints();
    markedWord_.clear();
    setInstruction(U"Schreibe die Verben möglichst fehlerfrei ab!", Qt::black);
    wordsDone_ = 0;
    fillPool();
    ShowNextWord();
    focusTyping();
    setFrameColor(PaletteColor(kLightGreen));
}

void VerbenSchreibenScreen::StopRun() {
    running_ = false;
    state().PanelOpen = 0;
    ShowPoints();
    secondsLabel_->setPlainText(U"");
    setInstruction(Text(U"Stelle eine Zeit ein und klicke auf die grüne Ampel.") + CR +
                       U"Klicke auf das lila Feld für die Bestenliste.",
                   Qt::black);
    markedWord_.clear();
    SpeechChanged();
    timer_.stop();
    typing_->clear();
    clearDisplay();
    setFrameColor(PaletteColor(state().ColorBlatt));
}

void VerbenSchreibenScreen::TimerTick() {
    if (!running_)
        return;
    state().TimeLeftMs -= 1000;
    secondsLabel_->setPlainText(Decimal(state().TimeLeftMs / 1000));
    if (state().TimeLeftMs >= 1000)
        return;
    timer_.stop();
    dialogs().Message(TimeUpText(wordsDone_), U"Zeitlimit", DialogButtons::Ok, DialogIcon::None);
    typing_->clear();
    const int minutes = static_cast<int>(NumericValue(FromQ(minutesLabel_->text())));
    InsertRecord(bestList_, AbschreibenRecord(minutes, wordsDone_, UserName(navigator())));
    showBestList();
    // Stored at once, so that the result is kept however the program ends.
    if (bestListReadable_)
        StoreTop100(context().dir, kBestText, bestList_, kMarkerKept);
    StopRun();
}

void VerbenSchreibenScreen::ShowExplanation() {
    if (state().CurrentWord.empty())
        return;
    const std::vector<Text> lines =
        context().dir.ReadLines(kVerbFile).value_or(std::vector<Text>{});
    const Text explanation =
        LookUpExplanation(lines, markedWord_).value_or(U"Keine Erläuterung vorhanden!");
    ReportVerbAnswer(markedWord_, asked::kSpelling, Text(kGivenHint), false);
    dialogs().Message(explanation + CR + CR, state().CurrentWord, DialogButtons::Ok,
                      DialogIcon::None);
    TakePoints(1);
    focusTyping();
}

bool VerbenSchreibenScreen::isBestListOpen() const {
    return bestPanel_->x() == Px(kBestPanelIn);
}

void VerbenSchreibenScreen::OpenBestList() {
    if (timer_.isActive()) {
        timer_.stop();
        state().PanelOpen = 1;
    }
    moveBestPanel(true);
    setInstruction(U"Klicke hier, um die Bestenliste zu schließen ...", PaletteColor(kLightBlue));
}

void VerbenSchreibenScreen::CloseBestList() {
    if (isBestListOpen())
        moveBestPanel(false);
    setInstruction(kIdleInstruction, Qt::black);
    if (state().PanelOpen == 1) {
        state().PanelOpen = 0;
        timer_.start();
        focusTyping();
    }
}

void VerbenSchreibenScreen::moveBestPanel(bool inView) {
    MoveTwips(bestPanel_, inView ? kBestPanelIn : kBestPanelOut, kBestPanelTop);
    // Out of view it takes no keyboard focus either.
    bestPanel_->setVisible(inView);
    if (inView)
        bestPanel_->raise();
}

void VerbenSchreibenScreen::showBestList() {
    bestListView_->clear();
    for (const Text& record : bestList_)
        bestListView_->addItem(ToQ(record));
}

void VerbenSchreibenScreen::setInstruction(const Text& text, const QColor& color) {
    instruction_->setForeground(color);
    instruction_->setPlainText(text);
}

void VerbenSchreibenScreen::setFrameColor(const QColor& color) {
    echoFrame_->setFillColor(color);
}

QColor VerbenSchreibenScreen::frameColor() const {
    return echoFrame_->fillColor();
}

void VerbenSchreibenScreen::focusTyping() {
    typing_->setFocus();
}

} // namespace tamurik
