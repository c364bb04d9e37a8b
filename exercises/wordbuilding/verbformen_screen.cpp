#include "exercises/wordbuilding/verbformen_screen.h"

#include "core/conjugation.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QLineEdit>

namespace tamurik {

namespace {

FrameConfig Frame() {
    FrameConfig config;
    config.objectName = QStringLiteral("Form3");
    config.title = QStringLiteral("Tamurik: Verbformen");
    config.recordKey = "verbformen";
    config.widthTwips = 7740;
    config.heightTwips = 6630;
    config.userLabel = QStringLiteral("Bezeichnung1");
    config.userLabelTwips = QRect(720, 120, 6900, 495);
    config.pointsLabel = QStringLiteral("Bezeichnung2");
    config.closeIcon = QStringLiteral("Bild1");
    config.rewardIcon = QStringLiteral("Bild2");
    config.verbenwahl = true;
    config.stammvokal = true;
    config.optionIcon = QStringLiteral("Bild4");
    config.panel = QStringLiteral("Bild6");
    config.panelOptionIcon = QStringLiteral("Bild5");
    config.panelOpen = 3840;
    config.panelClosed = 7200;
    return config;
}

constexpr std::size_t kBatchSize = 10;
constexpr long long kSolutionPrice = 3;
constexpr int kLightCyan = 11;
constexpr int kLightRed = 12;

// What a row asks for, by the learning record's keys: row 1 ich, 2 du, 3 er.
const char* RowAsked(int row) {
    return row == 1 ? asked::kIchForm : row == 2 ? asked::kDuForm : asked::kErForm;
}
// Letters the child may type beyond the longest form of the verb: enough to see a mistake,
// few enough that the row's field holds them.
constexpr int kExtraLetters = 4;

// A verb that is never set as a task: on the skip list, or one the program cannot conjugate.
bool IsAskable(const Text& line) {
    const Text verb = CleanWord(line);
    return !IsSkippedVerb(verb) && Conjugate(verb).has_value();
}

} // namespace

VerbformenScreen::VerbformenScreen(AppContext& context) : ExerciseFrame(context, Frame()) {
    struct Row {
        const char* labelName;
        const char32_t* caption;
        const char* fieldName;
        int top;
    };
    const std::array<Row, 4> rows{{{"Bezeichnung10", U"w i r", "Bezeichnung3", 840},
                                   {"Bezeichnung7", U"i c h", "Bezeichnung4", 2400},
                                   {"Bezeichnung9", U"d u", "Bezeichnung5", 3360},
                                   {"Bezeichnung8", U"e r", "Bezeichnung6", 4320}}};
    const QFont wordFont = UiFont(20, true);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* caption = new ClickLabel(this, QString::fromLatin1(rows[i].labelName));
        caption->setClickable(false);
        caption->setFont(wordFont);
        caption->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
        caption->setIndent(Px(120));
        caption->setColors(Qt::black, QColor(255, 255, 192));
        caption->setPlainText(rows[i].caption);
        PlaceTwips(caption, 840, rows[i].top, 1320, 735);

        auto* field = new ClickLabel(this, QString::fromLatin1(rows[i].fieldName));
        field->setClickable(false);
        field->setFont(wordFont);
        field->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        field->setIndent(Px(120));
        field->setAccessibleName(ToQ(rows[i].caption));
        PlaceTwips(field, 2280, rows[i].top, 5400, 735);
        if (i == 0) {
            verbLabel_ = field;
            field->setColors(Qt::black, QColor(255, 255, 255));
        } else {
            answers_[i - 1] = field;
        }
    }

    explanationLabel_ = new ClickLabel(this, QStringLiteral("Bezeichnung11"));
    explanationLabel_->setClickable(false);
    explanationLabel_->setWordWrap(true);
    explanationLabel_->setFont(UiFont(12, true));
    explanationLabel_->setForeground(Qt::white);
    explanationLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PlaceTwips(explanationLabel_, 2280, 1620, 5280, 690);

    // The child types into a box outside the visible part of the window; what is typed shows
    // in the field of the current row.
    textBox_ = new QLineEdit(this);
    textBox_->setObjectName(QStringLiteral("Text1"));
    textBox_->setAccessibleName(QStringLiteral("Eingabe"));
    PlaceTwips(textBox_, 8400, 120, 1500, 375);
    connect(textBox_, &QLineEdit::textChanged, this,
            [this](const QString& text) { CheckTyping(FromQ(text)); });

    solutionIcon_ = MakeIcon(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/loesung"),
                             QStringLiteral("Lösung"), QPoint(120, 4200));
    connect(solutionIcon_, &ClickLabel::clicked, this, &VerbformenScreen::ShowSolution);
    // After the reward rule the typing goes on.
    if (auto* reward = findChild<ClickLabel*>(config().rewardIcon))
        connect(reward, &ClickLabel::clicked, this, &VerbformenScreen::focusTextBox);
}

void VerbformenScreen::PrepareExercise() {
    LoadVerbBatch();
    NextVerb();
}

void VerbformenScreen::EndWork() {
    batch_.clear();
}

void VerbformenScreen::OptionChosen(SelectionGroup, int) {
    if (!isVisible())
        return; // the checked buttons serve when the screen is next opened
    LoadVerbBatch();
    NextVerb();
}

void VerbformenScreen::PanelToggled(bool) {
    focusTextBox();
}

void VerbformenScreen::focusTextBox() {
    textBox_->setFocus();
}

void VerbformenScreen::LoadVerbBatch() {
    batch_.clear();
    const std::vector<Text> lines = VerbLinesForSelection(IsAskable);
    if (lines.empty())
        return;
    for (std::size_t i = 0; i < kBatchSize; ++i)
        batch_.push_back(
            lines[static_cast<std::size_t>(context().random.Draw(static_cast<int>(lines.size())))]);
    MixInDueVerbs(batch_, lines);
}

ClickLabel* VerbformenScreen::answerField(int row) const {
    return answers_[static_cast<std::size_t>(row - 1)];
}

void VerbformenScreen::setFieldColor(ClickLabel* field, bool current, bool wrong) {
    const QColor background = !current ? PaletteColor(state().ColorBlatt)
                              : wrong  ? PaletteColor(kLightRed)
                                       : PaletteColor(kLightCyan);
    field->setColors(Qt::black, background);
}

void VerbformenScreen::NextVerb() {
    forms_.clear();
    row_ = 0;
    for (ClickLabel* field : answers_) {
        field->clear();
        setFieldColor(field, false);
    }
    explanationLabel_->clear();
    verbLabel_->clear();

    std::optional<VerbForms> forms;
    // Every line of a batch can be asked; the bound only guards against a word file that
    // changes while the screen draws.
    for (int attempt = 0; attempt < 3 && !forms; ++attempt) {
        if (batch_.empty())
            LoadVerbBatch();
        if (batch_.empty())
            return; // nothing to ask under this selection
        const Text line = batch_.front();
        batch_.erase(batch_.begin());
        currentLine_ = line;
        explanationLabel_->clear();
        if (IsRare(line))
            explanationLabel_->setPlainText(Explanation(line));
        const Text verb = CleanWord(line);
        if (!IsSkippedVerb(verb))
            forms = Conjugate(verb);
    }
    if (!forms) {
        explanationLabel_->clear();
        SpeechChanged();
        return;
    }
    verbLabel_->setPlainText(Spaced(forms->infinitive));
    forms_ = {forms->infinitive, forms->ich, forms->du, forms->er};
    std::size_t longest = 0;
    for (const Text& form : forms_)
        longest = std::max(longest, form.size());
    textBox_->setMaxLength(static_cast<int>(longest) + kExtraLetters);
    row_ = 1;
    state().CurrentWord = forms_[1];
    setFieldColor(answerField(1), true);
    focusTextBox();
    typingFits_ = true;
    QuestionShown();
    SpeechChanged();
}

SpeechOffer VerbformenScreen::WhatToHear() const {
    if (forms_.size() != 4)
        return SpeechOffer::NotNow(kNothingToHear);
    // The verb, and the forms already answered; never the form asked now.
    SpeechOffer offer = SpeechOffer::Verbs({MarkedWord(currentLine_)});
    static const Text kPronouns[] = {U"ich", U"du", U"er"};
    for (int row = 1; row < row_ && row <= 3; ++row)
        offer.text += U", " + kPronouns[row - 1] + U" " + forms_[static_cast<std::size_t>(row)];
    return offer;
}

void VerbformenScreen::CheckTyping(const Text& typed) {
    if (row_ < 1 || row_ > 3)
        return;
    ClickLabel* field = answerField(row_);
    if (typed.empty()) {
        typingFits_ = true;
        setFieldColor(answerField(row_ == 1 ? 3 : row_ - 1), false);
        setFieldColor(field, true);
        field->clear();
        return;
    }
    const Text& expected = state().CurrentWord;
    field->setPlainText(Spaced(typed));
    const bool fits = Contains(expected, typed);
    setFieldColor(field, true, !fits);
    // The field turning red is a wrong answer; it counts once, until the typing fits again.
    if (!fits && typingFits_)
        ReportVerbAnswer(currentLine_, RowAsked(row_), typed, false);
    typingFits_ = fits;
    if (typed != expected)
        return;
    ReportVerbAnswer(currentLine_, RowAsked(row_), typed, true);
    state().Points += static_cast<long long>(expected.size());
    ShowPoints();
    if (row_ < 3) {
        ++row_;
        state().CurrentWord = forms_[static_cast<std::size_t>(row_)];
        textBox_->clear();
        SpeechChanged();
        return;
    }
    dialogs().Message(Text(U"Richtig, weiter zur nächsten Reihe ...") + CR, U"Verbformen",
                      DialogButtons::Ok, DialogIcon::None);
    NextVerb();
    textBox_->clear();
}

void VerbformenScreen::ShowSolution() {
    if (forms_.size() != 4) {
        focusTextBox();
        return;
    }
    ReportVerbAnswer(currentLine_, RowAsked(row_), Text(kGivenSolution), false);
    TakePoints(kSolutionPrice);
    dialogs().Message(U"ich " + forms_[1] + U" - du " + forms_[2] + U" - er " + forms_[3] + CR,
                      forms_[0], DialogButtons::Ok, DialogIcon::None);
    focusTextBox();
}

} // namespace tamurik
