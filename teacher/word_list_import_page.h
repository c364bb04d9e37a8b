#pragma once
// The verbs of a text file before they join a list: each with the marks suggested for it, which
// the teacher may correct, and a tick for the verbs to take. Nothing is added before the
// teacher accepts all or the ticked ones.

#include "core/word_list_exchange.h"

#include <QWidget>

#include <vector>

class QLabel;
class QTableWidget;

namespace tamurik {

class WordListTab;

class ImportReviewPage : public QWidget {
    Q_OBJECT
public:
    explicit ImportReviewPage(QWidget* parent);

    // Shows the verbs for this list, each with its suggested marks and what is wrong with
    // it; ticked are those without a fault that the list does not hold yet.
    void Review(WordListTab* tab, const ImportReview& review);
    QTableWidget* table() const { return table_; }
    // Ticks only these rows.
    void Choose(std::initializer_list<int> rows);

    // The lines (as corrected) of the ticked rows, or of all.
    std::vector<Text> Lines(bool onlyTicked) const;
    void AcceptAll() { finish(Lines(false)); }
    void AcceptChosen() { finish(Lines(true)); }
    void Cancel() { finish({}); }

signals:
    // The lines to add to the tab's list (none when the teacher cancelled).
    void done(WordListTab* tab, const std::vector<Text>& lines);

private:
    void finish(const std::vector<Text>& lines);

    WordListTab* tab_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* messages_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace tamurik
