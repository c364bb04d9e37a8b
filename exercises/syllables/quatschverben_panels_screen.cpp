// The panels of Quatschverben that stand over the word: the instructions, the verb list with
// its detail view, and the best list for the chosen duration. While one is open, the clock of
// a run stands still.
#include "exercises/syllables/quatschverben_screen.h"

#include "core/best_lists.h"
#include "core/startup.h"
#include "core/word_lists.h"
#include "exercises/syllables/quatschverben_layout.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QFrame>
#include <QListWidget>
#include <QPlainTextEdit>

#include <algorithm>

namespace tamurik {

using namespace quatschverben;

namespace {

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

} // namespace

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

} // namespace tamurik
