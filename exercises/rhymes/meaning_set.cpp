#include "exercises/rhymes/meaning_set.h"

#include <algorithm>

namespace tamurik {

std::vector<Text> DrawMeaningSet(const std::vector<Text>& candidates, RandomSource& random) {
    std::vector<std::size_t> open(candidates.size());
    for (std::size_t i = 0; i < open.size(); ++i)
        open[i] = i;
    std::vector<std::size_t> chosen;
    while (static_cast<int>(chosen.size()) < kMeaningSetSize && !open.empty()) {
        const auto at = open.begin() + random.Draw(static_cast<int>(open.size()));
        chosen.push_back(*at);
        open.erase(at);
    }
    std::sort(chosen.begin(), chosen.end());
    std::vector<Text> set;
    for (std::size_t i : chosen)
        set.push_back(candidates[i]);
    return set;
}

Text MeaningAnswer(TextView line) {
    const std::size_t eq = line.find(U'=');
    return eq == TextView::npos ? Text{} : Text(line.substr(eq + 1));
}

Text MeaningVerb(TextView line) {
    const std::size_t eq = line.find(U'=');
    if (eq == TextView::npos)
        return Text(line);
    return Text(line.substr(0, eq == 0 ? 0 : eq - 1));
}

} // namespace tamurik
