#include "learning/card_box.h"

#include <algorithm>
#include <array>

namespace tamurik {

int DaysUntilDue(int compartment) {
    static constexpr std::array<int, kCompartments> kDays{0, 1, 3, 7, 14};
    return kDays[static_cast<std::size_t>(std::clamp(compartment, 1, kCompartments) - 1)];
}

bool IsDue(const Card& card, long long today) {
    return card.dueDay <= today;
}

std::optional<Card> AfterAnswer(const std::optional<Card>& before, bool right, long long today) {
    if (!right)
        return Card{1, today + DaysUntilDue(1)};
    if (!before || !IsDue(*before, today))
        return before;
    const int up = std::min(before->compartment + 1, kCompartments);
    return Card{up, today + DaysUntilDue(up)};
}

std::vector<Text> DueVerbs(std::vector<BoxEntry> box, long long today) {
    std::erase_if(box, [today](const BoxEntry& entry) { return !IsDue(entry.card, today); });
    std::sort(box.begin(), box.end(), [](const BoxEntry& a, const BoxEntry& b) {
        if (a.card.dueDay != b.card.dueDay)
            return a.card.dueDay < b.card.dueDay;
        if (a.card.compartment != b.card.compartment)
            return a.card.compartment < b.card.compartment;
        return a.verb < b.verb;
    });
    std::vector<Text> verbs;
    verbs.reserve(box.size());
    for (BoxEntry& entry : box)
        verbs.push_back(std::move(entry.verb));
    return verbs;
}

} // namespace tamurik
