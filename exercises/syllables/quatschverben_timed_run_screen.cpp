// The timed run of Quatschverben: start, stop and the clock, the next word, the check of the
// typed entry, the two decisions, and the typing help.
#include "exercises/syllables/quatschverben_screen.h"

#include "core/best_lists.h"
#include "core/startup.h"
#include "exercises/syllables/quatschverben_layout.h"
#include "exercises/syllables/syllable_speech.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"
#include "ui/word_drawing.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>

namespace tamurik {

using namespace quatschverben;

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
    SpeechChanged();
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
    SpeechChanged();
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
    // A verb of the list may be one the child missed; made-up words use no card box.
    std::optional<QuatschWord> next =
        NextWord(tables_, context().dir, context().random, state().VerbCount, &report,
                 [this](const std::vector<Text>& lines) { return DueVerbLine(lines); });
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
    typedRight_ = false;
    lastTypedWrong_.clear();
    DrawWord();
    entry_->clear();
    state().AnswerA = 1;
    state().AnswerB = 1;
    QuestionShown();
    SpeechChanged();
    return true;
}

SpeechOffer QuatschverbenScreen::WhatToHear() const {
    if (!runOn_ || word_.Marked.empty())
        return SpeechOffer::NotNow(kNothingToHear);
    // The word is heard as it is shown; its syllables only once the child has typed it with
    // the right separator.
    SpeechOffer offer = SpeechOffer::Verbs({word_.Marked});
    if (!typedRight_)
        return std::move(offer).WithoutSyllables(kSyllablesTellTheSplit);
    return offer;
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
    const Text entered = FromQ(entry_->text());
    reportTyping(entered);
    Text typed = entered;
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

void QuatschverbenScreen::reportTyping(const Text& entered) {
    // The word typed with the right separator counts once; the letters of the word with the
    // separator in a wrong place or of the wrong kind count as a wrong answer, each attempt once.
    if (Contains(entered, word_.Separated)) {
        if (!typedRight_) {
            reportAnswer(asked::kSeparator, entered, true);
            typedRight_ = true;
            SpeechChanged();
        }
        return;
    }
    const auto separators = std::count_if(entered.begin(), entered.end(),
                                          [](char32_t c) { return c == U'.' || c == U'-'; });
    if (separators == 1 && RemoveChars(entered, U".-") == word_.Plain &&
        entered != lastTypedWrong_) {
        lastTypedWrong_ = entered;
        reportAnswer(asked::kSeparator, entered, false);
    }
}

void QuatschverbenScreen::reportAnswer(const char* asked, const Text& given, bool right) {
    // A made-up word is reported as it is shown; only list verbs take part in the card box.
    ReportAnswer(word_.Marked, asked, given, right, !word_.Generated);
}

void QuatschverbenScreen::Decide(double& open, bool right, QFrame* signal, const char* asked,
                                 TextView given) {
    reportAnswer(asked, Text(given), right);
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
        Decide(state().AnswerB, IsListedVerb(context().dir, word_.Marked), realSignal_,
               asked::kReality, U"echt");
}

void QuatschverbenScreen::AnswerFakeVerb() {
    if (canDecide(state().AnswerB))
        Decide(state().AnswerB, !IsListedVerb(context().dir, word_.Marked), realSignal_,
               asked::kReality, U"falsch");
}

void QuatschverbenScreen::AnswerShortVowel() {
    if (canDecide(state().AnswerA))
        Decide(state().AnswerA, IsShortVowel(word_.Separated), vowelSignal_, asked::kVowelLength,
               U"kurz");
}

void QuatschverbenScreen::AnswerLongVowel() {
    if (canDecide(state().AnswerA))
        Decide(state().AnswerA, IsLongVowel(word_.Separated), vowelSignal_, asked::kVowelLength,
               U"lang");
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

} // namespace tamurik
