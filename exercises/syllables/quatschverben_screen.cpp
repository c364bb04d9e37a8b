// The Quatschverben window: its widgets, activation and closing, the letter strip's window
// height, the colour fields and the message line. The run and the panels have pieces of their
// own (quatschverben_timed_run_screen.cpp, quatschverben_panels_screen.cpp).
#include "exercises/syllables/quatschverben_screen.h"

#include "exercises/syllables/quatschverben_layout.h"
#include "ui/click_label.h"
#include "ui/dialogs.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tamurik {

using namespace quatschverben;

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form1");
    config.title = QStringLiteral("Tamurik: Quatschverben");
    config.recordKey = "quatschverben";
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
    clock_.setObjectName(QStringLiteral("Zeit1"));
    clock_.setInterval(1000);
    connect(&clock_, &QTimer::timeout, this, &QuatschverbenScreen::ClockTick);
    // The frame's points field counts the points of the current run here, from 0.
    pointsLabel()->setAccessibleDescription(QStringLiteral("Punkte dieses Durchgangs"));

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

    // The colour fields lie below the window, even below its tall form. Hidden, the Tab key
    // does not lead the keyboard focus out of sight to them.
    for (int i = 0; i < 4; ++i) {
        colourFields_[static_cast<std::size_t>(i)] = MakeField(
            this, QStringLiteral("Bezeichnung%1").arg(i + 3), QRect(720 + 600 * i, 5700, 495, 300));
        colourFields_[static_cast<std::size_t>(i)]->hide();
        connect(colourFields_[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { CycleColour(i + 3); });
    }
    showLetterStrip(false);
}

void QuatschverbenScreen::showLetterStrip(bool shown) {
    // Below the short window the strip is out of sight, and out of the Tab key's way.
    strip_->setVisible(shown);
    stripMarker_->setVisible(shown);
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

// ---- window --------------------------------------------------------------------------------

void QuatschverbenScreen::ToggleLetterStrip() {
    heightTwips_ = heightTwips_ != kShortHeight ? kShortHeight : kTallHeight;
    setClientTwips(kWidth, heightTwips_);
    SetDialogKeepClear(this, rect()); // the letter strip too, when it shows
    showLetterStrip(heightTwips_ == kTallHeight);
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
