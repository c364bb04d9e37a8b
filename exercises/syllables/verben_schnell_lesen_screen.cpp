#include "exercises/syllables/verben_schnell_lesen_screen.h"

#include "exercises/syllables/syllable_drills.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"
#include "ui/word_drawing.h"

#include <QFontMetricsF>
#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace tamurik {

namespace {

constexpr int kListSize = 15;
constexpr int kFieldLeft = 720;
constexpr int kFieldTop = 840;
constexpr int kFieldWidth = 7560;
constexpr int kFieldHeight = 900;
constexpr int kGreen = 2;
constexpr int kYellow = 14;
// A flash lasts this long until the child first moves the scroll bar.
constexpr int kFirstFlashMs = 500;
// What the learning record keeps when the child asks for the word to be flashed again.
constexpr TextView kGivenAgain = U"nochmal";

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form10");
    config.title = QStringLiteral("Tamurik: Verben schnell lesen");
    config.recordKey = "verben_schnell_lesen";
    config.widthTwips = 8400;
    config.heightTwips = 4680;
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 120, 7560, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung6");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild3");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild4");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 1560;
    config.panelClosed = 4680;
    return config;
}

ClickLabel* MakeEndLabel(QWidget* parent, const QString& name, TextView text, Qt::Alignment align,
                         int x) {
    auto* label = new ClickLabel(parent, name);
    label->setClickable(false);
    label->setFont(UiFont(9, true));
    label->setForeground(Qt::white);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setPlainText(text);
    PlaceTwips(label, x, 4080, 1080, 300);
    return label;
}

} // namespace

SchnellLesenScreen::SchnellLesenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    field_ = new PictureSurface(this, QStringLiteral("Bild2"));
    PlaceTwips(field_, kFieldLeft, kFieldTop, kFieldWidth, kFieldHeight);
    field_->setCursor(Qt::PointingHandCursor);
    field_->setAccessibleName(QStringLiteral("Wort zeigen"));
    connect(field_, &PictureSurface::clicked, this, [this](QPointF) { FlashWord(); });

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Liste2"));
    list_->setFont(UiFont(14, true));
    // Three columns, filled from top to bottom like a page.
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PlaceTwips(list_, kFieldLeft, 1920, kFieldWidth, 2040);
    list_->setGridSize(QSize((list_->width() - 2 * list_->frameWidth()) / 3 - 1,
                             list_->fontMetrics().height() + Px(60)));
    list_->setAccessibleName(QStringLiteral("Verben"));
    connect(list_, &QListWidget::itemClicked, this, &SchnellLesenScreen::PickFromList);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* pick = new QShortcut(QKeySequence(key), list_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(pick, &QShortcut::activated, this, [this] { PickFromList(list_->currentItem()); });
    }

    MakeEndLabel(this, QStringLiteral("Bezeichnung4"), U"schnell", Qt::AlignRight, 720);
    MakeEndLabel(this, QStringLiteral("Bezeichnung3"), U"langsam", Qt::AlignLeft, 7200);
    speed_ = new QScrollBar(Qt::Horizontal, this);
    speed_->setObjectName(QStringLiteral("HBildlauf1"));
    speed_->setRange(10, 1000);
    speed_->setSingleStep(10);
    speed_->setPageStep(100);
    speed_->setValue(250);
    speed_->setAccessibleName(QStringLiteral("Zeit zum Lesen"));
    PlaceTwips(speed_, 1920, 4080, 5160, 300);
    connect(speed_, &QScrollBar::valueChanged, this, &SchnellLesenScreen::SetFlashDuration);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Zeit1"));
    timer_->setInterval(kFirstFlashMs);
    connect(timer_, &QTimer::timeout, this, &SchnellLesenScreen::EndFlash);

    showInvitation(U" Klicke mich an ...");
}

void SchnellLesenScreen::PrepareExercise() {
    BuildDrawList();
    list_->setFocus();
}

void SchnellLesenScreen::EndWork() {
    timer_->stop();
    drawList_.clear();
    list_->clear();
}

void SchnellLesenScreen::OptionChosen(SelectionGroup, int) {
    BuildDrawList();
}

const Text& SchnellLesenScreen::chosenWord() const {
    static const Text none;
    return chosen_ < drawList_.size() ? drawList_[chosen_] : none;
}

void SchnellLesenScreen::BuildDrawList() {
    const std::vector<Text> lines = VerbLinesForSelection([this](const Text& line) {
        return MatchesFlashSelection(line, selection()) && !CleanWord(line).empty();
    });
    drawList_.clear();
    std::vector<Text> drawn = DrawWithRepeats(lines, kListSize, context().random);
    MixInDueVerbs(drawn, lines);
    for (const Text& line : drawn)
        drawList_.push_back(MarkedWord(line));
    list_->clear();
    for (const Text& marked : drawList_)
        list_->addItem(ToQ(CleanWord(marked)));
    if (drawList_.empty()) {
        // Nothing to ask until the selection yields verbs again.
        timer_->stop();
        solution_.clear();
        flashed_ = false;
        showInvitation(U"");
        SpeechChanged();
        return;
    }
    ChooseWord();
}

void SchnellLesenScreen::ChooseWord() {
    if (drawList_.empty()) {
        BuildDrawList();
        return;
    }
    // A flash still running belonged to the word before.
    timer_->stop();
    flashed_ = false;
    chosen_ = static_cast<std::size_t>(context().random.Draw(static_cast<int>(drawList_.size())));
    showInvitation(U" Klicke mich an ...");
    solution_ = CleanWord(drawList_[chosen_]);
    SpeechChanged();
}

void SchnellLesenScreen::showInvitation(TextView text) {
    field_->setBackground(PaletteColor(kGreen));
    field_->Clear();
    field_->setDrawFont(UiFont(16, true));
    field_->SetDrawColor(PaletteColor(kYellow));
    field_->SetDrawPos(120, centredTop());
    field_->Print(text);
}

double SchnellLesenScreen::centredTop() const {
    const double height = TwipsFromPx(QFontMetricsF(field_->drawFont()).height());
    return std::max(0.0, (kFieldHeight - height) / 2);
}

void SchnellLesenScreen::FlashWord() {
    if (drawList_.empty())
        return;
    timer_->start();
    field_->setBackground(PaletteColor(state().ColorBlatt));
    field_->Clear();
    const Text flashed = FlashForm(chosenWord());
    // The word display's font, smaller only where a long verb would not fit the field.
    const Text shown = RemoveChars(flashed, U"123");
    double size = state().FontSize;
    field_->setDrawFont(ScaledFont(ToQ(state().FontName), size));
    while (size > 8 && field_->TextWidth(shown) > kFieldWidth) {
        size -= 2;
        field_->setDrawFont(ScaledFont(ToQ(state().FontName), size));
    }
    field_->SetDrawPos(0, centredTop());
    field_->PrintMarked(flashed, PartColors(state(), PaletteColor(kYellow)));
    if (flashed_) {
        ReportVerbAnswer(chosenWord(), asked::kReading, Text(kGivenAgain), false);
        TakePoints(1);
    }
    // The child reads from the flash on.
    QuestionShown();
}

void SchnellLesenScreen::EndFlash() {
    timer_->stop();
    showInvitation(U" Klicke das Wort in der Liste an ...");
    flashed_ = true;
    SpeechChanged();
}

SpeechOffer SchnellLesenScreen::WhatToHear() const {
    if (drawList_.empty())
        return SpeechOffer::NotNow(kNothingToHear);
    // The child reads the word first; only then may it be heard.
    if (!flashed_)
        return SpeechOffer::NotNow(U"Lies das Wort zuerst selbst.");
    return SpeechOffer::Verbs({chosenWord()});
}

void SchnellLesenScreen::PickFromList(QListWidgetItem* item) {
    if (!flashed_ || item == nullptr || drawList_.empty())
        return;
    const Text picked = FromQ(item->text());
    list_->clearSelection();
    ReportVerbAnswer(chosenWord(), asked::kReading, picked, picked == solution_);
    if (picked != solution_)
        return;
    ++state().Points;
    ShowPoints();
    flashed_ = false;
    drawList_.erase(drawList_.begin() + static_cast<std::ptrdiff_t>(chosen_));
    ChooseWord();
}

void SchnellLesenScreen::SetFlashDuration(int milliseconds) {
    timer_->setInterval(milliseconds);
}

} // namespace tamurik
