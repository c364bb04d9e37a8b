#include "exercises/syllables/abc_verben_screen.h"

#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>

namespace tamurik {

namespace {

constexpr int kPoolSize = 10;
constexpr int kSmallestSet = 5;
const Text kTitle = U"ABC-Verben";

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form2");
    config.title = QStringLiteral("Tamurik: ABC-Verben");
    config.recordKey = "abc_verben";
    config.widthTwips = 8400;
    // Ten verbs in the large list font stand one below the other without scrolling.
    config.heightTwips = 7560;
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 120, 7560, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild4");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 3360;
    config.panelClosed = 7800;
    return config;
}

} // namespace

AbcVerbenScreen::AbcVerbenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    question_ = new ClickLabel(this, QStringLiteral("Bezeichnung4"));
    question_->setClickable(false);
    question_->setAlignment(Qt::AlignCenter);
    question_->setFont(UiFont(14, true));
    question_->setColors(Qt::black, QColor(255, 255, 192));
    PlaceTwips(question_, 720, 720, 7560, 480);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Liste1"));
    list_->setFont(UiFont(24));
    list_->setAccessibleName(QStringLiteral("Verben"));
    PlaceTwips(list_, 720, 1320, 6240, 6120);
    connect(list_, &QListWidget::itemClicked, this, &AbcVerbenScreen::AnswerPick);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* pick = new QShortcut(QKeySequence(key), list_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(pick, &QShortcut::activated, this, [this] { AnswerPick(list_->currentItem()); });
    }

    size_ = new QScrollBar(Qt::Vertical, this);
    size_->setObjectName(QStringLiteral("VBildlauf1"));
    size_->setRange(kSmallestSet, kPoolSize);
    size_->setSingleStep(1);
    size_->setPageStep(1);
    size_->setValue(kSmallestSet);
    size_->setAccessibleName(QStringLiteral("Anzahl der Verben"));
    PlaceTwips(size_, 7320, 1800, 300, 3000);
    connect(size_, &QScrollBar::valueChanged, this, &AbcVerbenScreen::StartSet);

    sizeLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung3"));
    sizeLabel_->setClickable(false);
    sizeLabel_->setAlignment(Qt::AlignCenter);
    sizeLabel_->setFont(UiFont(12, true));
    sizeLabel_->setColors(Qt::black, QColor(255, 255, 192));
    sizeLabel_->setText(QString::number(kSmallestSet));
    sizeLabel_->setAccessibleDescription(QStringLiteral("Anzahl der Verben"));
    PlaceTwips(sizeLabel_, 7200, 1320, 540, 360);

    auto* alphabet = MakeIcon(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/abc_verben"),
                              QStringLiteral("Alphabet"), QPoint(120, 4080));
    connect(alphabet, &ClickLabel::clicked, this, &AbcVerbenScreen::ShowAlphabet);
}

void AbcVerbenScreen::PrepareExercise() {
    DrawPool();
    list_->setFocus();
}

void AbcVerbenScreen::OptionChosen(SelectionGroup, int) {
    DrawPool();
}

void AbcVerbenScreen::DrawPool() {
    list_->clear();
    pool_.clear();
    poolMarked_.clear();
    const std::vector<Text> lines =
        VerbLinesForSelection([](const Text& line) { return !CleanWord(line).empty(); });
    std::vector<Text> drawn = DrawWithRepeats(lines, kPoolSize, context().random);
    MixInDueVerbs(drawn, lines);
    for (const Text& line : drawn) {
        pool_.push_back(CleanWord(line));
        poolMarked_.push_back(MarkedWord(line));
    }
    StartSet();
}

void AbcVerbenScreen::StartSet() {
    const int n = size_->value();
    sizeLabel_->setText(QString::number(n));
    set_.Start(pool_, n);
    list_->clear();
    for (const Text& word : set_.shown())
        list_->addItem(ToQ(word));
    question_->clear();
    state().CurrentWord.clear();
    clicked_.clear();
    AskNext();
    SpeechChanged();
}

void AbcVerbenScreen::AskNext() {
    // Without verbs (a selection that yields none on a hidden screen) nothing is asked.
    if (set_.size() < 2)
        return;
    const bool complete = set_.AskNext(context().random);
    question_->setPlainText(AbcQuestion(set_.askedPlace()));
    state().CurrentWord = set_.expected();
    QuestionShown();
    if (complete) {
        state().Points += set_.size();
        ShowPoints();
        DrawPool();
    }
}

void AbcVerbenScreen::AnswerPick(QListWidgetItem* item) {
    if (item == nullptr || state().CurrentWord.empty())
        return;
    const Text picked = FromQ(item->text());
    // The list shows the verbs letter by letter.
    clicked_ = RemoveChars(picked, U" ");
    SpeechChanged();
    reportPick(picked);
    if (picked != state().CurrentWord) {
        dialogs().Message(Text(U"Leider falsch, überlege nochmal.") + CR, kTitle, DialogButtons::Ok,
                          DialogIcon::None);
        TakePoints(1);
        return;
    }
    ++state().Points;
    ShowPoints();
    dialogs().Message(Text(U"Richtig, weiter zum nächsten Verb.") + CR, kTitle, DialogButtons::Ok,
                      DialogIcon::None);
    AskNext();
}

void AbcVerbenScreen::reportPick(const Text& picked) {
    // The verb asked for is the one at the asked place; its marked word stands beside it in
    // the pool (the set shows the first pool verbs in pool order).
    const std::vector<Text>& shown = set_.shown();
    const auto at = std::find(shown.begin(), shown.end(), state().CurrentWord);
    const auto index = static_cast<std::size_t>(at - shown.begin());
    if (index >= poolMarked_.size())
        return;
    ReportAnswer(poolMarked_[index], asked::kOrder, RemoveChars(picked, U" "),
                 picked == state().CurrentWord, true);
}

SpeechOffer AbcVerbenScreen::WhatToHear() const {
    if (clicked_.empty())
        return SpeechOffer::NotNow(U"Klicke zuerst ein Verb an.");
    const auto at = std::find(pool_.begin(), pool_.end(), clicked_);
    const auto index = static_cast<std::size_t>(at - pool_.begin());
    return SpeechOffer::Verbs({index < poolMarked_.size() ? poolMarked_[index] : clicked_});
}

void AbcVerbenScreen::ShowAlphabet() {
    dialogs().Message(Text(U"A B C D E F G H I J K L M N O P Q R S T U V W X Y Z") + CR + CR +
                          U" (ä -> a)          (ö -> o)          (ü -> u)          (ß -> s)" + CR,
                      U"A B C", DialogButtons::Ok, DialogIcon::None);
}

} // namespace tamurik
