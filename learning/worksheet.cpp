#include "learning/worksheet.h"

#include "core/word_lists.h"

#include <algorithm>

namespace tamurik {

namespace {

bool ChangesVowel(TextView marked) {
    const std::vector<Phenomenon> tags = VerbPhenomena(marked);
    return std::any_of(tags.begin(), tags.end(), [](Phenomenon p) {
        return p == Phenomenon::ChangeEToI || p == Phenomenon::ChangeEToIe ||
               p == Phenomenon::ChangeAToAe || p == Phenomenon::ChangeAuToAeu ||
               p == Phenomenon::ChangeOToOe;
    });
}

// The verbs of the list to top up from: the common ones (no explanation) with a syllable
// boundary, those that show the child's weakest phenomenon first, then the next, then the
// rest, each group in the list's order.
std::vector<Text> TopUpOrder(const std::vector<Text>& listLines,
                             const std::vector<Phenomenon>& weak) {
    struct Candidate {
        std::size_t rank;
        Text marked;
    };
    std::vector<Candidate> candidates;
    for (const Text& line : listLines) {
        if (IsRare(line))
            continue;
        const std::vector<Phenomenon> tags = VerbPhenomena(line);
        std::size_t rank = weak.size();
        for (std::size_t i = 0; i < weak.size() && rank == weak.size(); ++i)
            if (std::find(tags.begin(), tags.end(), weak[i]) != tags.end())
                rank = i;
        candidates.push_back({rank, MarkedWord(line)});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.rank < b.rank; });
    std::vector<Text> order;
    for (Candidate& candidate : candidates)
        order.push_back(std::move(candidate.marked));
    return order;
}

class Chooser {
public:
    // Takes the verb when it fits and is not there yet.
    bool Add(TextView line, std::vector<Text>& into) {
        const Text marked = MarkedWord(line);
        const Text clean = CleanWord(marked);
        if (IsSkippedVerb(clean) || marked.find_first_of(U".-") == Text::npos ||
            std::find(seen_.begin(), seen_.end(), clean) != seen_.end())
            return false;
        seen_.push_back(clean);
        into.push_back(marked);
        return true;
    }

private:
    std::vector<Text> seen_;
};

} // namespace

Worksheet ChooseWorksheet(const std::vector<Text>& due, const std::vector<MissedVerb>& missed,
                          const std::vector<Text>& listLines, const std::vector<Phenomenon>& weak) {
    Worksheet sheet;
    Chooser verbs;
    for (const Text& verb : due)
        if (sheet.verbs.size() < kWorksheetVerbs)
            verbs.Add(verb, sheet.verbs);
    for (const MissedVerb& verb : missed)
        if (sheet.verbs.size() < kWorksheetVerbs)
            verbs.Add(verb.verb, sheet.verbs);
    const std::vector<Text> topUp = TopUpOrder(listLines, weak);
    for (const Text& verb : topUp)
        if (sheet.verbs.size() < kFewestWorksheetVerbs)
            verbs.Add(verb, sheet.verbs);

    std::vector<Text> strong;
    Chooser forms;
    for (const Text& verb : sheet.verbs)
        if (strong.size() < kWorksheetForms && ChangesVowel(verb))
            forms.Add(verb, strong);
    for (const Text& verb : topUp)
        if (strong.size() < kFewestWorksheetForms && ChangesVowel(verb))
            forms.Add(verb, strong);
    for (const Text& verb : strong)
        if (const std::optional<VerbForms> conjugated = Conjugate(ToLower(CleanWord(verb))))
            sheet.forms.push_back(FormTask{verb, *conjugated});
    return sheet;
}

Text MarkVowelChange(TextView infinitive, TextView form) {
    std::size_t common = 0;
    while (common < form.size() && common < infinitive.size() && form[common] == infinitive[common])
        ++common;
    if (common == form.size() || TextView(U"iäöü").find(form[common]) == TextView::npos)
        return U"1" + Text(form);
    const bool ie = form.substr(common, 2) == U"ie" && infinitive.substr(common, 2) != U"ie";
    const std::size_t length = ie ? 2 : 1;
    return U"1" + Text(form.substr(0, common)) + U"2" + Text(form.substr(common, length)) + U"3" +
           Text(form.substr(common + length));
}

Text SyllableSolution(TextView marked) {
    Text solution(MarkedWord(marked));
    const std::size_t separator = solution.find_first_of(U".-");
    if (separator != Text::npos)
        solution[separator] = U'|';
    return solution;
}

} // namespace tamurik
