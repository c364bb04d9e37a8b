#include "exercises/syllables/quatschverben_screen.h"

#include "core/best_lists.h"
#include "core/startup.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"
#include "ui/word_drawing.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tamurik {

namespace {

constexpr int kWidth = 9690;
constexpr int kShortHeight = 5050;
constexpr int kTallHeight = 5550;
// Where the panels stand when they are in view: over the word and the decisions.
const QRect kPanelArea(720, 720, 8850, 3000);
const QColor kEntryColor(192, 255, 255);

// Palette colours of the message line and the signal fields.
constexpr int kBlack = 0;
constexpr int kBlue = 1;
constexpr int kGreen = 2;
constexpr int kRed = 4;
constexpr int kMagenta = 5;
constexpr int kLightBlue = 9;
constexpr int kLightGreen = 10;
constexpr int kLightRed = 12;

const Text kIdleHint = Text(U"Stelle eine Zeitdauer ein und klicke auf den START-Knopf.");
const Text kBestListHint = Text(U"Klicke auf das lila Feld für die Bestenliste.");
const Text kRunHint = Text(U"Klicke zuerst auf die Knöpfe und bestimme so die Eigenschaften!") +
                      CR + U"Schreibe dann das Wort und setze das richtige Trennzeichen ein!";
const Text kVerbListHint = Text(U"KLICKE HIER, UM DIE LISTE WIEDER ZU VERSTECKEN.") + CR +
                           U"Doppelklick auf eine Zeile zeigt Detailansicht.";

const char32_t* const kInstructions[] = {
    U"Anleitung Quatsch -Verben:",
    U"--------------------------------------",
    U"Schreibe das 'Verb' in Silben getrennt und entscheide,",
    U"ob der Stammvokal kurz oder lang ist. ",
    U"Setze unterschiedliche Trennzeichen:",
    U"",
    U"Bei langem Stammvokal ( a e i o u ä ö ü / au ai ei eu äu ie )",
    U"setze einen Strich: re-den, ge-hen, zah-len, lie-ben",
    U"",
    U"Tipp: Am Silbenende hörst du nur den langen Vokal!",
    U"Man nennt diese Silbe ' o f f e n '",
    U"",
    U"Bei kurzem Stammvokal ( a e i o u ä ö ü )",
    U"setze einen Punkt als Trennzeichen: ken.nen, fin.den",
    U"",
    U"Tipp: Am Silbenende hörst du einen Konsonanten!",
    U"Nur der letzte Konsonant wird abgetrennt.",
    U"",
    U"Man nennt diese Silbe ' g e s c h l o s s e n '",
    U"Ausnahme: ck     ba.cken, wa.ckeln",
};

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form1");
    config.title = QStringLiteral("Tamurik: Quatschverben");
    config.widthTwips = kWidth;
    config.heightTwips = kShortHeight;
    config.userLabel = QStringLiteral("Bezeichnung10");
    config.userLabelTwips = QRect(720, 120, 8850, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung9");
    config.pointsLabelTwips = QRect(120, 4380, 495, 255);
    config.closeIcon = QStringLiteral("Bild1");
    config.closeIconTwips = QPoint(120, 720);
    config.rewardIcon = QStringLiteral("Bild5");
    config.rewardIconTwips = QPoint(120, 1380);
    return config;
}

void Fill(QWidget* widget, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QRect twips) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(UiFont(10, true));
    PlaceTwips(button, twips.x(), twips.y(), twips.width(), twips.height());
    return button;
}

ClickLabel* MakeField(QWidget* parent, const QString& name, QRect twips) {
    auto* field = new ClickLabel(parent, name);
    field->setAlignment(Qt::AlignCenter);
    PlaceTwips(field, twips.x(), twips.y(), twips.width(), twips.height());
    return field;
}

QListWidget* MakeList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFont(UiFont(10));
    return list;
}

} // namespace

QuatschverbenScreen::QuatschverbenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    heightTwips_ = kShortHeight;
    clock_.setInterval(1000);
    connect(&clock_, &QTimer::timeout, this, &QuatschverbenScreen::ClockTick);

    buildWordArea();
    buildDecisions();
    buildRunControls();
    buildPanels();
    buildLetterStrip();

    StopRun();
    durationLabel_->setText(QString::number(durationBar_->value()));
}

void QuatschverbenScreen::buildWordArea() {
    wordPanel_ = new PictureSurface(this, QStringLiteral("buntverb"));
    PlaceTwips(wordPanel_, 720, 720, 8850, 1140);

    entry_ = new QLineEdit(this);
    entry_->setObjectName(QStringLiteral("Text1"));
    entry_->setAccessibleName(QStringLiteral("Wort mit Trennzeichen"));
    QPalette pal = entry_->palette();
    pal.setColor(QPalette::Base, kEntryColor);
    pal.setColor(QPalette::Text, Qt::black);
    entry_->setPalette(pal);
    PlaceTwips(entry_, 720, 1980, 5520, 900);
    connect(entry_, &QLineEdit::textChanged, this, &QuatschverbenScreen::CheckEntry);

    dotButton_ = MakeField(this, QStringLiteral("Label1"), QRect(6360, 1980, 840, 900));
    dotButton_->setText(QStringLiteral("·"));
    dotButton_->setAccessibleName(QStringLiteral("Punkt"));
    dashButton_ = MakeField(this, QStringLiteral("Label2"), QRect(7320, 1980, 840, 900));
    dashButton_->setText(QStringLiteral("-"));
    dashButton_->setAccessibleName(QStringLiteral("Strich"));
    for (ClickLabel* button : {dotButton_, dashButton_}) {
        button->setFont(UiFont(28, true));
        button->setColors(Qt::black, Qt::white);
        button->setFrameShape(QFrame::Box);
    }
    // The child goes on typing after a separator button: the entry keeps the keyboard.
    connect(dotButton_, &ClickLabel::clicked, this, [this] {
        if (isRunning()) {
            InsertAtCaret(U'.');
            focusEntry();
        }
    });
    connect(dashButton_, &ClickLabel::clicked, this, [this] {
        if (isRunning()) {
            InsertAtCaret(U'-');
            focusEntry();
        }
    });

    auto* skip = MakeIcon(this, QStringLiteral("Bild2"), QStringLiteral(":/icons/weiter"),
                          QStringLiteral("Nächstes Wort"), QPoint(8520, 2160));
    connect(skip, &ClickLabel::clicked, this, &QuatschverbenScreen::SkipWord);
}

void QuatschverbenScreen::buildDecisions() {
    vowelSignal_ = new QFrame(this);
    vowelSignal_->setObjectName(QStringLiteral("Figur5"));
    PlaceTwips(vowelSignal_, 720, 3000, 4320, 720);
    realSignal_ = new QFrame(this);
    realSignal_->setObjectName(QStringLiteral("Figur7"));
    PlaceTwips(realSignal_, 5250, 3000, 4320, 720);
    ResetSignals();

    shortButton_ = MakeButton(this, QStringLiteral("Befehl5"), QStringLiteral("kurzer Laut"),
                              QRect(840, 3090, 1980, 540));
    longButton_ = MakeButton(this, QStringLiteral("Befehl6"), QStringLiteral("langer Laut"),
                             QRect(2940, 3090, 1980, 540));
    realButton_ = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("echtes Verb"),
                             QRect(5370, 3090, 1980, 540));
    fakeButton_ = MakeButton(this, QStringLiteral("Befehl4"), QStringLiteral("falsches Verb"),
                             QRect(7470, 3090, 1980, 540));
    connect(shortButton_, &QPushButton::clicked, this, &QuatschverbenScreen::AnswerShortVowel);
    connect(longButton_, &QPushButton::clicked, this, &QuatschverbenScreen::AnswerLongVowel);
    connect(realButton_, &QPushButton::clicked, this, &QuatschverbenScreen::AnswerRealVerb);
    connect(fakeButton_, &QPushButton::clicked, this, &QuatschverbenScreen::AnswerFakeVerb);
}

void QuatschverbenScreen::buildRunControls() {
    durationBar_ = new QScrollBar(Qt::Horizontal, this);
    durationBar_->setObjectName(QStringLiteral("HBildlauf1"));
    durationBar_->setAccessibleName(QStringLiteral("Zeitdauer in Minuten"));
    durationBar_->setRange(1, 30);
    durationBar_->setPageStep(5);
    durationBar_->setValue(10);
    PlaceTwips(durationBar_, 720, 3900, 3000, 300);
    connect(durationBar_, &QScrollBar::valueChanged, this, &QuatschverbenScreen::ChangeDuration);

    durationLabel_ = MakeField(this, QStringLiteral("Bezeichnung7"), QRect(3840, 3840, 600, 420));
    durationLabel_->setFont(UiFont(12, true));
    durationLabel_->setColors(Qt::white, PaletteColor(kMagenta));
    durationLabel_->setAccessibleName(QStringLiteral("Bestenliste"));
    durationLabel_->setToolTip(QStringLiteral("Bestenliste für diese Zeitdauer"));
    connect(durationLabel_, &ClickLabel::clicked, this, &QuatschverbenScreen::ShowBestList);

    timeLabel_ = MakeField(this, QStringLiteral("Bezeichnung8"), QRect(4560, 3840, 900, 420));
    timeLabel_->setClickable(false);
    timeLabel_->setFont(UiFont(12, true));
    timeLabel_->setColors(Qt::black, Qt::white);
    timeLabel_->setAccessibleDescription(QStringLiteral("Sekunden"));

    auto* start = MakeIcon(this, QStringLiteral("Bild11"), QStringLiteral(":/icons/ampel_gruen"),
                           QStringLiteral("Start"), QPoint(5700, 3800));
    connect(start, &ClickLabel::clicked, this, &QuatschverbenScreen::StartRun);
    auto* stop = MakeIcon(this, QStringLiteral("Bild12"), QStringLiteral(":/icons/stopp"),
                          QStringLiteral("Stopp"), QPoint(6360, 3800));
    connect(stop, &ClickLabel::clicked, this, &QuatschverbenScreen::StopRun);
    auto* help = MakeIcon(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/anleitung"),
                          QStringLiteral("Anleitung"), QPoint(120, 2040));
    connect(help, &ClickLabel::clicked, this, &QuatschverbenScreen::ToggleInstructions);
    auto* list = MakeIcon(this, QStringLiteral("Bild4"), QStringLiteral(":/icons/verbliste"),
                          QStringLiteral("Verbliste"), QPoint(120, 2700));
    connect(list, &ClickLabel::clicked, this, &QuatschverbenScreen::ToggleVerbList);
    auto* strip = MakeIcon(this, QStringLiteral("Bild8"), QStringLiteral(":/icons/buchstaben"),
                           QStringLiteral("Buchstabenleiste"), QPoint(9075, 3800));
    connect(strip, &ClickLabel::clicked, this, &QuatschverbenScreen::ToggleLetterStrip);

    message_ = MakeField(this, QStringLiteral("Bezeichnung11"), QRect(720, 4380, 8850, 600));
    message_->setFont(UiFont(9, true));
    message_->setColors(PaletteColor(kBlack), Qt::white);
    message_->setWordWrap(true);
    message_->setAccessibleName(QStringLiteral("Hinweis"));
    connect(message_, &ClickLabel::clicked, this, &QuatschverbenScreen::ClosePanels);
}

void QuatschverbenScreen::buildPanels() {
    verbList_ = MakeList(this, QStringLiteral("Liste4"));
    verbList_->setFont(UiFont(12));
    verbList_->setAccessibleName(QStringLiteral("Verbliste"));
    PlaceTwips(verbList_, kPanelArea.x(), kPanelArea.y(), kPanelArea.width(), 2160);
    verbList_->hide();
    // A double click, or Enter from the keyboard, opens the detail view.
    connect(verbList_, &QListWidget::itemActivated, this, &QuatschverbenScreen::ShowVerbDetail);

    detailView_ = new QPlainTextEdit(this);
    detailView_->setObjectName(QStringLiteral("Text2"));
    detailView_->setReadOnly(true);
    detailView_->setFont(UiFont(14, true));
    PlaceTwips(detailView_, kPanelArea.x(), kPanelArea.y(), kPanelArea.width(), 2160);
    detailView_->hide();

    instructions_ = MakeList(this, QStringLiteral("Liste5"));
    QPalette pal = instructions_->palette();
    pal.setColor(QPalette::Base, kEntryColor);
    instructions_->setPalette(pal);
    instructions_->setFocusPolicy(Qt::NoFocus);
    instructions_->setAccessibleName(QStringLiteral("Anleitung"));
    instructions_->setSelectionMode(QAbstractItemView::NoSelection);
    instructions_->resize(PxSize(kPanelArea.width(), kPanelArea.height()));
    placePanel(instructions_, false);

    bestPanel_ = new QFrame(this);
    bestPanel_->setObjectName(QStringLiteral("Bild7"));
    bestPanel_->setFrameShape(QFrame::Box);
    Fill(bestPanel_, kEntryColor);
    auto* column = new QVBoxLayout(bestPanel_);
    const QFont fixed = ScaledFont(QStringLiteral("Courier New"), 10);
    auto* header =
        new QLabel(QStringLiteral("Zeit  Punkte  Spieldatum   Benutzername"), bestPanel_);
    header->setObjectName(QStringLiteral("Bezeichnung17"));
    header->setFont(fixed);
    header->setTextFormat(Qt::PlainText);
    bestList_ = MakeList(bestPanel_, QStringLiteral("Liste6"));
    bestList_->setFont(fixed);
    bestList_->setAccessibleName(QStringLiteral("Bestenliste"));
    column->addWidget(header);
    column->addWidget(bestList_);
    bestPanel_->resize(PxSize(kPanelArea.width(), kPanelArea.height()));
    placePanel(bestPanel_, false);
}

void QuatschverbenScreen::buildLetterStrip() {
    strip_ = new PictureSurface(this, QStringLiteral("Bild6"));
    PlaceTwips(strip_, 0, kShortHeight + 30, kWidth, 450);
    strip_->setBackground(Qt::white);
    strip_->setDrawFont(ScaledFont(QStringLiteral("Verdana"), 15));
    for (int i = 1; i <= static_cast<int>(kStripLetters.size()); ++i) {
        // The wide "m" starts a little further left to stay inside its cell.
        strip_->SetDrawPos(i == 14 ? 300 * i - 300 : 300 * i - 250, 0);
        strip_->Print(Text(1, kStripLetters[static_cast<std::size_t>(i - 1)]));
    }
    connect(strip_, &PictureSurface::pressedAt, this, [this](QPointF at, Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            PressLetterStrip(at.x());
    });

    stripMarker_ =
        MakeField(this, QStringLiteral("Bezeichnung16"), QRect(0, kShortHeight + 30, 300, 450));
    stripMarker_->setFont(ScaledFont(QStringLiteral("Verdana"), 15));
    stripMarker_->setColors(Qt::black, QColor(255, 255, 128));
    stripMarker_->setText(QStringLiteral("a"));
    connect(stripMarker_, &ClickLabel::clicked, this, [this] {
        const Text shown = FromQ(stripMarker_->text());
        if (!shown.empty())
            InsertAtCaret(shown.front());
    });

    // The colour fields lie below the window, even below its tall form.
    for (int i = 0; i < 4; ++i) {
        colourFields_[static_cast<std::size_t>(i)] = MakeField(
            this, QStringLiteral("Bezeichnung%1").arg(i + 3), QRect(720 + 600 * i, 5700, 495, 300));
        connect(colourFields_[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { CycleColour(i + 3); });
    }
}

// ---- activation and closing ------------------------------------------------------------------

void QuatschverbenScreen::PrepareExercise() {
    const QFont wordFont = ScaledFont(ToQ(state().FontName), state().FontSize);
    wordPanel_->setDrawFont(wordFont);
    entry_->setFont(wordFont);
    wordPanel_->setBackground(PaletteColor(state().ColorBlatt));
    colourFields_[0]->setBackground(PaletteColor(state().ColorAnfang));
    colourFields_[1]->setBackground(PaletteColor(state().ColorMitte));
    colourFields_[2]->setBackground(PaletteColor(state().ColorSchluss));
    colourFields_[3]->setBackground(PaletteColor(state().ColorBlatt));
    PointsBeforeRun = state().Points;
    if (state().PanelOpen == 1) {
        ResumeAfterPanel();
        focusEntry();
    }
    BuildSyllableTables(tables_);
}

void QuatschverbenScreen::EndWork() {
    wordPanel_->Clear();
    verbList_->hide();
    placePanel(bestPanel_, false);
    StopRun();
    tables_.Clear();
}

// ---- the run -------------------------------------------------------------------------------

int QuatschverbenScreen::minutes() const {
    return durationBar_->value();
}

bool QuatschverbenScreen::answering() {
    return isRunning() && state().PanelOpen != 1;
}

void QuatschverbenScreen::StopRun() {
    clock_.stop();
    state().PanelOpen = 0;
    if (runOn_) {
        // A run that did not reach its end earns nothing and takes nothing away.
        runOn_ = false;
        state().Points = PointsBeforeRun;
        ShowPoints();
    }
    Say(kBlack,
        Text(U"Stelle eine Zeitdauer ein und klicke auf die grüne Ampel.") + CR + kBestListHint);
    timeLabel_->clear();
    entry_->clear();
    entry_->setEnabled(false);
}

void QuatschverbenScreen::StartRun() {
    detailView_->clear();
    detailView_->hide();
    if (anyPanelOpen())
        ClosePanels();
    state().PanelOpen = 0;

    clock_.start();
    runOn_ = true;
    state().TimeLeftMs = minutes() * 60 * 1000;
    timeLabel_->setText(QString::number(state().TimeLeftMs / 1000));
    if (!NewWord())
        return;
    entry_->setEnabled(true);
    focusEntry();
    state().Points = 0;
    pointsLabel()->setText(QStringLiteral("0"));
    Say(kBlack, kRunHint);
}

void QuatschverbenScreen::ClockTick() {
    state().TimeLeftMs -= 1000;
    timeLabel_->setText(QString::number(state().TimeLeftMs / 1000));
    if (state().TimeLeftMs >= 1000)
        return;
    clock_.stop();
    runOn_ = false;
    const long long score = state().Points;
    dialogs().Message(Text(U"Die Zeit ist jetzt abgelaufen!") + CR + U"Du hast" + StrForm(score) +
                          U" Punkte erreicht." + CR,
                      U"Zeitlimit", DialogButtons::Ok, DialogIcon::Information);
    timeLabel_->clear();
    entry_->clear();
    entry_->setEnabled(false);
    if (score > 0) {
        state().Points = score + PointsBeforeRun;
        PointsBeforeRun = state().Points;
        AppendResult(context().dir, kBestVerb,
                     QuatschRecord(minutes(), score, FormatDate(context().clock.Today()),
                                   UserName(navigator())),
                     kMarkerExercise);
        ShowBestList();
    } else {
        state().Points = PointsBeforeRun;
    }
    pointsLabel()->setText(QStringLiteral("0"));
    SayText(kIdleHint + CR + kBestListHint);
}

bool QuatschverbenScreen::NewWord() {
    WordSourceReport report;
    std::optional<QuatschWord> next =
        NextWord(tables_, context().dir, context().random, state().VerbCount, &report);
    if (report.realVerbsMissing && !toldRealVerbsMissing_) {
        toldRealVerbsMissing_ = true;
        Tell(Text(U"Die Systemdatei VERBEN.TXT fehlt!") + CR +
                 U"Es werden nur echte Verben gezeigt." + CR,
             U"Dateifehler", DialogIcon::Exclamation);
    }
    if (!next) {
        word_ = QuatschWord{};
        wordPanel_->Clear();
        StopRun();
        NoVerbsForSelection(kVerbFile);
        return false;
    }
    word_ = std::move(*next);
    DrawWord();
    entry_->clear();
    state().AnswerA = 1;
    state().AnswerB = 1;
    return true;
}

void QuatschverbenScreen::DrawWord() {
    wordPanel_->Clear();
    wordPanel_->SetDrawPos(10, 10);
    wordPanel_->PrintMarked(word_.Marked, PartColors(state(), Qt::black));
}

void QuatschverbenScreen::CheckEntry() {
    if (!answering() || word_.Separated.empty())
        return;
    Say(kLightRed, Text());
    if (state().Points < 200)
        SayText(Text(U"Achte auf die rote Signalgruppe!") + CR +
                U"Vokal  k u r z :  mindestens 2 Konsonanten folgen!");
    Text typed = FromQ(entry_->text());
    // Whatever stands around the right word does not count against it.
    if (Contains(typed, word_.Separated))
        typed = word_.Separated;
    if (typed == word_.Plain)
        Say(kBlue, Text(U"Setze jetzt noch das richtige Trennzeichen ein!") + CR +
                       U"Punkt (.) für kurz      o d e r      Strich (-) für lang!");
    if (typed != word_.Separated)
        return;
    const bool vowelOpen = state().AnswerA == 1;
    const bool realOpen = state().AnswerB == 1;
    message_->setForeground(PaletteColor(kGreen));
    const Text decide = Text(U"Lege die Eigenschaften fest.") + CR;
    if (vowelOpen && realOpen)
        SayText(decide + U"Laut und Verb einstellen.");
    else if (vowelOpen)
        SayText(decide + U"Kurzer oder langer Laut?");
    else if (realOpen)
        SayText(decide + U"Echtes oder falsches Verb?");
    if (state().AnswerA != 0 || state().AnswerB != 0)
        return;
    state().Points += static_cast<long long>(word_.Separated.size());
    ShowPoints();
    if (!NewWord())
        return;
    ResetSignals();
    SayText(Text());
}

// ---- decisions -----------------------------------------------------------------------------

bool QuatschverbenScreen::canDecide(double open) {
    return answering() && open == 1;
}

void QuatschverbenScreen::Decide(double& open, bool right, QFrame* signal) {
    state().Points += right ? 1 : -1;
    state().Points = std::max(0LL, state().Points);
    ShowPoints();
    Fill(signal, PaletteColor(right ? kLightGreen : kLightRed));
    open = 0;
    focusEntry();
    if (entry_->isEnabled())
        CheckEntry();
}

void QuatschverbenScreen::AnswerRealVerb() {
    if (canDecide(state().AnswerB))
        Decide(state().AnswerB, IsListedVerb(context().dir, word_.Marked), realSignal_);
}

void QuatschverbenScreen::AnswerFakeVerb() {
    if (canDecide(state().AnswerB))
        Decide(state().AnswerB, !IsListedVerb(context().dir, word_.Marked), realSignal_);
}

void QuatschverbenScreen::AnswerShortVowel() {
    if (canDecide(state().AnswerA))
        Decide(state().AnswerA, IsShortVowel(word_.Separated), vowelSignal_);
}

void QuatschverbenScreen::AnswerLongVowel() {
    if (canDecide(state().AnswerA))
        Decide(state().AnswerA, IsLongVowel(word_.Separated), vowelSignal_);
}

void QuatschverbenScreen::ResetSignals() {
    Fill(vowelSignal_, kEntryColor);
    Fill(realSignal_, kEntryColor);
}

// ---- typing help ---------------------------------------------------------------------------

void QuatschverbenScreen::InsertAtCaret(char32_t c) {
    entry_->insert(ToQ(Text(1, c)));
}

void QuatschverbenScreen::PressLetterStrip(double xTwips) {
    if (!answering())
        return;
    const int last = static_cast<int>(kStripLetters.size()) - 1;
    const int k = std::clamp(static_cast<int>(xTwips) / kStripSpacing, 0, last);
    MoveTwips(stripMarker_, kStripSpacing * k, kShortHeight + 30);
    const char32_t letter = kStripLetters[static_cast<std::size_t>(k)];
    stripMarker_->setText(ToQ(Text(1, letter)));
    focusEntry();
    InsertAtCaret(letter);
}

void QuatschverbenScreen::SkipWord() {
    if (!entry_->isEnabled())
        return;
    ResetSignals();
    if (NewWord())
        focusEntry();
}

void QuatschverbenScreen::ChangeDuration(int value) {
    durationLabel_->setText(QString::number(value));
    if (isRunning())
        StopRun();
}

void QuatschverbenScreen::focusEntry() {
    if (entry_->isEnabled())
        entry_->setFocus();
}

// ---- panels --------------------------------------------------------------------------------

void QuatschverbenScreen::PauseForPanel() {
    if (isRunning()) {
        clock_.stop();
        state().PanelOpen = 1;
    }
}

void QuatschverbenScreen::ResumeAfterPanel() {
    state().PanelOpen = 0;
    if (runOn_)
        clock_.start();
}

void QuatschverbenScreen::placePanel(QWidget* panel, bool inView) {
    // Out of view, a panel stands beside the window and takes no keyboard focus.
    MoveTwips(panel, inView ? kPanelArea.x() : kWidth + 120, kPanelArea.y());
    panel->setVisible(inView);
    if (inView)
        panel->raise();
    if (panel == instructions_)
        instructionsInView_ = inView;
    else if (panel == bestPanel_)
        bestListInView_ = inView;
}

bool QuatschverbenScreen::anyPanelOpen() const {
    return !verbList_->isHidden() || !detailView_->isHidden() || instructionsInView_ ||
           bestListInView_;
}

void QuatschverbenScreen::ShowBestList() {
    ClosePanels();
    Say(kMagenta, Text(1, CR) + U"KLICKE HIER, UM DIE BESTENLISTE WIEDER ZU ENTFERNEN . . ." + CR);
    const std::optional<std::vector<Text>> records = LoadForTime(context().dir, minutes());
    if (!records) {
        // Nothing to show: the run goes on.
        Tell(Text(U"Es wurde noch keine Bestenliste gespeichert.") + CR, U"Bestenliste",
             DialogIcon::Information);
        return;
    }
    PauseForPanel();
    bestList_->clear();
    for (const Text& record : *records)
        bestList_->addItem(ToQ(record));
    placePanel(bestPanel_, true);
    if (records->empty())
        Tell(U"Für " + Decimal(minutes()) + U" Minuten sind keine Einträge vorhanden!" + CR,
             U"Bestenliste", DialogIcon::Information);
}

void QuatschverbenScreen::ToggleInstructions() {
    Say(kLightRed, Text(1, CR) + U"KLICKE HIER, UM DIE ANLEITUNG WIEDER ZU VERSTECKEN . . ." + CR);
    if (instructionsInView_) {
        ClosePanels();
        if (state().PanelOpen == 1)
            ResumeAfterPanel();
        return;
    }
    detailView_->hide();
    verbList_->hide();
    PauseForPanel();
    instructions_->clear();
    for (const char32_t* line : kInstructions)
        instructions_->addItem(ToQ(line));
    placePanel(instructions_, true);
}

void QuatschverbenScreen::ToggleVerbList() {
    if (!detailView_->isHidden() || !verbList_->isHidden()) {
        ClosePanels();
        return;
    }
    PauseForPanel();
    Say(kLightBlue, kVerbListHint);
    std::vector<Text> lines;
    for (const Text& line : ReadWordLines(context().dir, kVerbFile).value_or(std::vector<Text>{})) {
        Text shown = RemoveChars(line, U"123.-");
        if (!shown.empty())
            lines.push_back(std::move(shown));
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Text& a, const Text& b) { return TextLess(a, b); });
    verbList_->clear();
    for (const Text& line : lines)
        verbList_->addItem(ToQ(line));
    verbList_->show();
    verbList_->raise();
    verbList_->setCurrentRow(0);
    verbList_->setFocus();
    // Type-ahead: the selection moves to the first entry that begins with as many letters of
    // the current word as some entry has.
    const QString plain = ToQ(word_.Plain);
    for (qsizetype n = plain.size(); n > 0; --n) {
        const QList<QListWidgetItem*> found =
            verbList_->findItems(plain.left(n), Qt::MatchStartsWith);
        if (!found.isEmpty()) {
            verbList_->setCurrentItem(found.front());
            verbList_->scrollToItem(found.front());
            break;
        }
    }
}

void QuatschverbenScreen::ShowVerbDetail() {
    QListWidgetItem* item = verbList_->currentItem();
    if (item == nullptr)
        return;
    verbList_->hide();
    detailView_->setPlainText(item->text());
    detailView_->show();
    detailView_->raise();
    Say(kGreen, U"Klicke hier, um die Detailansicht wieder zu schließen!");
}

void QuatschverbenScreen::ClosePanels() {
    if (!anyPanelOpen())
        return;
    verbList_->hide();
    placePanel(instructions_, false);
    placePanel(bestPanel_, false);
    if (!detailView_->isHidden()) {
        Say(kRed, kVerbListHint);
        detailView_->clear();
        detailView_->hide();
        verbList_->show();
        verbList_->setFocus();
        return;
    }
    verbList_->clear();
    Say(kBlack, kIdleHint);
    if (state().PanelOpen == 1) {
        SayText(kRunHint);
        ResumeAfterPanel();
        focusEntry();
    }
}

// ---- window --------------------------------------------------------------------------------

void QuatschverbenScreen::ToggleLetterStrip() {
    heightTwips_ = heightTwips_ != kShortHeight ? kShortHeight : kTallHeight;
    setClientTwips(kWidth, heightTwips_);
    if (isRunning())
        focusEntry();
}

void QuatschverbenScreen::CycleColour(int field) {
    if (field < 3 || field > 6)
        return;
    int* colour = field == 3   ? &state().ColorAnfang
                  : field == 4 ? &state().ColorMitte
                  : field == 5 ? &state().ColorSchluss
                               : &state().ColorBlatt;
    const int last = field == 6 ? 15 : 14;
    *colour = *colour >= last ? 0 : *colour + 1;
    colourFields_[static_cast<std::size_t>(field - 3)]->setBackground(PaletteColor(*colour));
    if (field == 6)
        setBackgroundColor(PaletteColor(*colour));
}

// ---- messages ------------------------------------------------------------------------------

void QuatschverbenScreen::Say(int colour, const Text& text) {
    message_->setForeground(PaletteColor(colour));
    message_->setPlainText(text);
}

void QuatschverbenScreen::SayText(const Text& text) {
    message_->setPlainText(text);
}

void QuatschverbenScreen::Tell(const Text& text, const Text& title, DialogIcon icon) {
    const bool wasRunning = isRunning();
    clock_.stop();
    dialogs().Message(text, title, DialogButtons::Ok, icon);
    if (wasRunning && runOn_)
        clock_.start();
}

} // namespace tamurik
