#pragma once
// The card box: verbs a child missed come back. Each child has five compartments; a wrong
// answer puts the verb into compartment 1, a right one moves it up one (5 at the most), and a
// verb in compartment k is due again after 0, 1, 3, 7 or 14 days.

#include "core/text.h"

#include <optional>
#include <vector>

namespace tamurik {

inline constexpr int kCompartments = 5;

// Days from an answer until a verb in this compartment (1 to 5) is due again.
int DaysUntilDue(int compartment);

struct Card {
    int compartment = 1;
    // The day (learning/days.h) from which on the verb is due.
    long long dueDay = 0;
    bool operator==(const Card&) const = default;
};

bool IsDue(const Card& card, long long today);

// The card after an answer about its verb on `today`; no card means the verb is not in the box.
// A wrong answer always puts the verb into compartment 1, due at once. A right answer moves a
// due verb up one; a right answer before the verb is due leaves it where it is, so that an
// exercise that asks about one verb several times in a row (its letters, its forms) does not
// send a verb missed a minute ago up to the two-week compartment. A right answer about a verb
// that is not in the box leaves it out: only missed verbs enter the box.
std::optional<Card> AfterAnswer(const std::optional<Card>& before, bool right, long long today);

struct BoxEntry {
    Text verb;
    Card card;
};

// The verbs due on `today`: the longest overdue first, then the lower compartment, then the
// verb's own order, so the list is the same on every call.
std::vector<Text> DueVerbs(std::vector<BoxEntry> box, long long today);

} // namespace tamurik
