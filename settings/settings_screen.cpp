// The settings window: its widgets, the sample word and its colours (clicked or dropped on),
// the price of the reward game, saving, undoing and the help text. The fonts, the best lists
// and reading aloud have pieces of their own (settings_fonts_screen.cpp,
// settings_best_lists_screen.cpp, settings_speech_screen.cpp).
#include "settings/settings_screen.h"

#include "core/settings_file.h"
#include "settings/colour_steps.h"
#include "settings/settings_layout.h"
#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/speaker.h"
#include "ui/text_qt.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace tamurik {

using namespace settings_layout;

namespace {

// What a colour field carries while it is dragged: its colour number.
const QString kColourMime = QStringLiteral("application/x-tamurik-farbe");

// The sample: the background sheet and the word "Quatsch|ver|ben" on it.
constexpr int kSampleLeft = 840;
constexpr int kSampleTop = 120;
constexpr int kSampleWidth = 6840;
constexpr int kSampleHeight = 1680;

const Text kWaitingText = Text(2, CR) + U"Bitte etwas Geduld, Schriften werden eingelesen ...";

Text HelpText() {
    const std::vector<TextView> lines{
        U"Um die Farben zu ändern, klickt man auf die einzelnen Wortteile",
        U"oder in den Hintergrund. Auch Drag+Drop mit den Farbfeldern geht.",
        U"Die Schrift wird mit dem Schieber zuerst gesucht und dann mit Klick",
        U"auf den Schriftnamen festgelegt. Anklicken des Mülleimers macht",
        U"Änderungen wieder rückgängig. Die Diskette speichert die Werte.",
        U"Das Blatt führt in eine Menüauswahl zum Löschen der Bestenlisten.",
        U"",
        U">>>>>>>>>>>>>>>>       BITTE HIER KLICKEN       <<<<<<<<<<<<<<<<"};
    Text text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += CR;
        }
        text += lines[i];
    }
    return text;
}

} // namespace

SettingsScreen::SettingsScreen(AppContext& context)
    : Screen(context, QStringLiteral("Form4"), QStringLiteral("Tamurik: Einstellungen")),
      fontSource_([] { return QFontDatabase::families(); }), savedAdditions_(context.additions),
      savedFontName_(state().FontName) {
    setClientTwips(7800, 5640); // the reading aids and reading aloud below let it grow
    setBackgroundColor(kScreenColor);

    auto* close = MakeIcon(this, QStringLiteral("Bild1"), QStringLiteral(":/icons/schliessen"),
                           QStringLiteral("Schließen"), QPoint(120, 120));
    connect(close, &ClickLabel::clicked, this, &SettingsScreen::CloseSettings);
    auto* save = MakeIcon(this, QStringLiteral("Bild2"), QStringLiteral(":/icons/diskette"),
                          QStringLiteral("Speichern"), QPoint(120, 840));
    connect(save, &ClickLabel::clicked, this, &SettingsScreen::SaveSettings);
    auto* undo = MakeIcon(this, QStringLiteral("Bild5"), QStringLiteral(":/icons/muelleimer"),
                          QStringLiteral("Rückgängig"), QPoint(120, 1560));
    connect(undo, &ClickLabel::clicked, this, &SettingsScreen::UndoChanges);
    auto* help = MakeIcon(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/hilfe"),
                          QStringLiteral("Hilfe"), QPoint(120, 2280));
    connect(help, &ClickLabel::clicked, this, &SettingsScreen::ToggleHelp);
    auto* lists = MakeIcon(this, QStringLiteral("Bild6"), QStringLiteral(":/icons/bestenliste"),
                           QStringLiteral("Bestenlisten"), QPoint(120, 3000));
    connect(lists, &ClickLabel::clicked, this, &SettingsScreen::OpenBestLists);
    auto* teacher = new QPushButton(QStringLiteral("Lehrerbereich"), this);
    teacher->setObjectName(QStringLiteral("Lehrerbereich"));
    teacher->setAccessibleName(QStringLiteral("Lehrerbereich"));
    teacher->setToolTip(QStringLiteral("Lernstand der Kinder, Berichte und Arbeitsblätter"));
    connect(teacher, &QPushButton::clicked, this, &SettingsScreen::OpenTeacherArea);

    sampleFont_ = state().FontName;
    buildSample();
    buildFontControls();

    MakeText(this, QStringLiteral("Bezeichnung6"), U"Spielpunkte:", QRect(840, 4920, 1800, 360), 11,
             true);
    priceLabel_ =
        MakeText(this, QStringLiteral("Bezeichnung14"), U"", QRect(2640, 4920, 900, 360), 11, true);
    priceSlider_ = MakeSlider(this, QStringLiteral("HBildlauf2"), kLowestPriceSlider,
                              kHighestPriceSlider, QRect(3660, 4950, 4020, 300));
    connect(priceSlider_, &QScrollBar::valueChanged, this, &SettingsScreen::ApplyPriceSlider);

    textPanel_ = MakeText(this, QStringLiteral("Bezeichnung7"), kWaitingText,
                          QRect(840, 2400, 6840, 3120), 8);
    textPanel_->setColors(Qt::black, QColor(255, 255, 192));
    textPanel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    textPanel_->setWordWrap(true);
    textPanel_->setClickable(true);
    textPanel_->setFrameShape(QFrame::Box);
    textPanel_->hide();
    connect(textPanel_, &ClickLabel::clicked, textPanel_, &QWidget::hide);

    buildReadingAids();
    buildSpeechGroup();
    // The teacher area's entry stands at the foot, under the groups, as wide as its text needs;
    // the window grows with it.
    teacher->adjustSize();
    teacher->move(Px(kReadingAidsLeft), height() - Px(60));
    setFixedHeight(teacher->geometry().bottom() + 1 + Px(120));
    buildViewer();

    scanTimer_ = new QTimer(this);
    scanTimer_->setSingleShot(true);
    scanTimer_->setInterval(10);
    connect(scanTimer_, &QTimer::timeout, this, [this] { ScanFonts(); });

    ApplyFontSize(sizeSlider_->value());
}

void SettingsScreen::buildSample() {
    sampleBack_ = new ClickLabel(this, QStringLiteral("Bezeichnung1"));
    sampleBack_->setAccessibleName(QStringLiteral("Blatt"));
    PlaceTwips(sampleBack_, kSampleLeft, kSampleTop, kSampleWidth, kSampleHeight);
    connect(sampleBack_, &ClickLabel::clicked, this, [this] { StepColour(SamplePart::Blatt); });

    const std::array<TextView, 3> parts{U"Quatsch", U"ver", U"ben"};
    const std::array<SamplePart, 3> roles{SamplePart::Anfang, SamplePart::Mitte,
                                          SamplePart::Schluss};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        // The parts lie on the sheet but are not its children, so that a click on a part does
        // not reach the sheet as well.
        auto* word = new ClickLabel(this, QStringLiteral("Bezeichnung%1").arg(i + 2));
        word->setPlainText(parts[i]);
        word->setContentsMargins(0, 0, 0, 0);
        const SamplePart role = roles[i];
        connect(word, &ClickLabel::clicked, this, [this, role] { StepColour(role); });
        sampleWords_[i] = word;
    }
    for (ClickLabel* target : {sampleBack_, sampleWords_[0], sampleWords_[1], sampleWords_[2]}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }

    // The fifteen colour fields under the sample, each showing its own colour.
    constexpr int kFieldPitch = kSampleWidth / kColourFields;
    for (int colour = 0; colour < kColourFields; ++colour) {
        auto* field =
            MakeText(this, QStringLiteral("Bezeichnung%1").arg(15 + colour), Decimal(colour),
                     QRect(kSampleLeft + colour * kFieldPitch, 1920, kFieldPitch - 60, 420));
        field->setColors(PaletteColor(colour), PaletteColor(colour));
        field->setAlignment(Qt::AlignCenter);
        field->setFrameShape(QFrame::Box);
        field->setCursor(Qt::OpenHandCursor);
        field->setAccessibleName(QStringLiteral("Farbe %1").arg(colour));
        field->installEventFilter(this);
        colourFields_.push_back(field);
    }
    paintSample();
}

ClickLabel* SettingsScreen::sampleLabel(SamplePart part) const {
    switch (part) {
    case SamplePart::Blatt:
        return sampleBack_;
    case SamplePart::Anfang:
        return sampleWords_[0];
    case SamplePart::Mitte:
        return sampleWords_[1];
    case SamplePart::Schluss:
        return sampleWords_[2];
    }
    return sampleBack_;
}

int& SettingsScreen::colourOf(SamplePart part) {
    switch (part) {
    case SamplePart::Blatt:
        return state().ColorBlatt;
    case SamplePart::Anfang:
        return state().ColorAnfang;
    case SamplePart::Mitte:
        return state().ColorMitte;
    case SamplePart::Schluss:
        return state().ColorSchluss;
    }
    return state().ColorBlatt;
}

void SettingsScreen::paintSample() {
    const QColor sheet = PaletteColor(state().ColorBlatt);
    sampleBack_->setColors(sheet, sheet);
    sampleWords_[0]->setColors(PaletteColor(state().ColorAnfang), sheet);
    sampleWords_[1]->setColors(PaletteColor(state().ColorMitte), sheet);
    sampleWords_[2]->setColors(PaletteColor(state().ColorSchluss), sheet);
    ShowReadability();
}

void SettingsScreen::placeSampleWords() {
    PlaceAsWord({sampleWords_.begin(), sampleWords_.end()}, sampleBack_->geometry(), true,
                context().additions.partCues);
}

void SettingsScreen::setPriceShown(long long price) {
    priceShown_ = price;
    priceLabel_->setPlainText(Decimal(price));
}

void SettingsScreen::Activate() {
    textPanel_->setPlainText(kWaitingText);
    textPanel_->show();
    textPanel_->raise();
    // The font chosen with the slider counts until the screen is opened again; then the saved
    // one is shown.
    state().FontName = savedFontName_;
    LoadCurrentValues();
    // The voices are listed once the engine is open; it opens in the background.
    if (context().additions.speech)
        context().speaker.Start();
    scanTimer_->start();
    ApplyFontSize(sizeSlider_->value());
}

void SettingsScreen::LoadCurrentValues() {
    const MODUL1& s = state();
    setPriceShown(s.RewardCost);
    setFontLabel(s.FontName);
    setSampleFont(s.FontName);
    paintSample();
    undo_ = UndoCopies{s.ColorAnfang, s.ColorMitte, s.ColorSchluss,      s.ColorBlatt,
                       s.RewardCost,  s.FontName,   sizeSlider_->value()};
    undoAdditions_ = context().additions;
    showSpeech();
    {
        const QSignalBlocker quiet(priceSlider_);
        priceSlider_->setValue(PriceSliderPosition(s.RewardCost));
    }
    // The slider only knows tens; the display keeps the price as it is (55 stays 55).
    setPriceShown(s.RewardCost);
}

void SettingsScreen::StepColour(SamplePart part) {
    int& colour = colourOf(part);
    colour = part == SamplePart::Blatt ? NextBlattColour(colour) : NextPartColour(colour);
    paintSample();
}

void SettingsScreen::DropColour(SamplePart part, int colour) {
    if (colour < 0 || colour >= kColourFields) {
        return;
    }
    colourOf(part) = colour;
    paintSample();
}

void SettingsScreen::ApplyPriceSlider(int value) {
    setPriceShown(static_cast<long long>(value) * kPriceStep);
}

void SettingsScreen::SaveSettings() {
    MODUL1& s = state();
    s.FontName = fontName_;
    s.FontSize = sizeSlider_->value();
    s.RewardCost = priceShown_;
    // The values stay in effect for this run even when the file cannot be written.
    savedFontName_ = fontName_;
    const bool written = WriteSettings(context().dir, s);
    // The additions' file is written only when they changed, so that a program without them
    // in use gains no file.
    bool additionsWritten = true;
    if (context().additions != savedAdditions_) {
        additionsWritten = SaveAdditions(context().dir, context().additions);
        if (additionsWritten)
            savedAdditions_ = context().additions;
    }
    if (written && !additionsWritten) {
        dialogs().Message(U"Die Einstellungen zum Vorlesen konnten nicht gespeichert werden." +
                              Text(1, CR),
                          U"Tamurik", DialogButtons::Ok, DialogIcon::Exclamation);
    } else if (written) {
        dialogs().Message(U"Programmdaten wurden gesichert." + Text(1, CR), U"Tamurik",
                          DialogButtons::Ok, DialogIcon::None);
    } else {
        dialogs().Message(U"Die Einstellungen konnten nicht gespeichert werden." + Text(1, CR),
                          U"Tamurik", DialogButtons::Ok, DialogIcon::Exclamation);
    }
    LoadCurrentValues();
}

void SettingsScreen::UndoChanges() {
    MODUL1& s = state();
    s.ColorAnfang = undo_.ColorAnfang;
    s.ColorMitte = undo_.ColorMitte;
    s.ColorSchluss = undo_.ColorSchluss;
    s.ColorBlatt = undo_.ColorBlatt;
    paintSample();
    setPriceShown(undo_.RewardCost);
    {
        const QSignalBlocker quiet(priceSlider_);
        priceSlider_->setValue(PriceSliderPosition(undo_.RewardCost));
    }
    {
        const QSignalBlocker quiet(sizeSlider_);
        sizeSlider_->setValue(undo_.FontSize);
    }
    setFontLabel(undo_.FontName);
    sampleFont_ = undo_.FontName;
    ApplyFontSize(sizeSlider_->value());
    setFontSliderQuietly(FontPosition(fonts_, undo_.FontName));
    // The reading aids are kept the moment they change; the waste bin undoes reading aloud.
    context().additions.speech = undoAdditions_.speech;
    context().additions.speechStyle = undoAdditions_.speechStyle;
    showSpeech();
}

void SettingsScreen::OpenTeacherArea() {
    // The fonts are scanned again when the teacher area returns here.
    scanTimer_->stop();
    hide();
    navigator().Open(ScreenId::Lehrerbereich);
}

void SettingsScreen::ToggleHelp() {
    if (textPanel_->isHidden()) {
        textPanel_->setPlainText(HelpText());
        textPanel_->show();
        textPanel_->raise();
    } else {
        textPanel_->hide();
    }
}

void SettingsScreen::CloseSettings() {
    scanTimer_->stop();
    context().speaker.Stop();
    fonts_.clear();
    recommended_->clear();
    records_->clear();
    shownRecords_.clear();
    viewer_->hide();
    textPanel_->setPlainText(kWaitingText);
    hide();
    navigator().ShowMenu();
}

void SettingsScreen::startColourDrag(ClickLabel* field) {
    auto* data = new QMimeData;
    data->setData(kColourMime, field->text().toLatin1());
    QPixmap swatch(Px(420), Px(420));
    swatch.fill(field->palette().color(QPalette::Window));
    auto* drag = new QDrag(field);
    drag->setMimeData(data);
    drag->setPixmap(swatch);
    drag->exec(Qt::CopyAction);
}

bool SettingsScreen::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<ClickLabel*>(watched);
    const bool isField = field != nullptr && std::find(colourFields_.begin(), colourFields_.end(),
                                                       field) != colourFields_.end();
    if (isField) {
        if (event->type() == QEvent::MouseButtonPress) {
            dragStart_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        } else if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if ((move->buttons() & Qt::LeftButton) &&
                (move->position().toPoint() - dragStart_).manhattanLength() >=
                    QApplication::startDragDistance()) {
                startColourDrag(field);
                return true;
            }
        }
        return Screen::eventFilter(watched, event);
    }

    SamplePart part = SamplePart::Blatt;
    if (watched == sampleWords_[0]) {
        part = SamplePart::Anfang;
    } else if (watched == sampleWords_[1]) {
        part = SamplePart::Mitte;
    } else if (watched == sampleWords_[2]) {
        part = SamplePart::Schluss;
    } else if (watched != sampleBack_) {
        return Screen::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (drag->mimeData()->hasFormat(kColourMime)) {
            drag->acceptProposedAction();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        // Only a colour field carries a colour; anything else dropped here is left alone.
        if (!drop->mimeData()->hasFormat(kColourMime)) {
            drop->ignore();
            return true;
        }
        bool number = false;
        const int colour = QString::fromLatin1(drop->mimeData()->data(kColourMime)).toInt(&number);
        if (number) {
            DropColour(part, colour);
        }
        drop->acceptProposedAction();
        return true;
    }
    default:
        return Screen::eventFilter(watched, event);
    }
}

} // namespace tamurik
