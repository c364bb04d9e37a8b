#include "learning/due_draw.h"

#include "core/word_lists.h"

#include <algorithm>
#include <set>

namespace tamurik {

std::optional<Text> DrawDueLine(const std::vector<Text>& lines, const std::vector<Text>& due,
                                RandomSource& random, const LineFits& fits) {
    if (due.empty() || lines.empty())
        return std::nullopt;
    const std::set<Text> dueWords(due.begin(), due.end());
    std::set<Text> taken;
    std::vector<const Text*> candidates;
    for (const Text& line : lines) {
        Text marked = MarkedWord(line);
        if (!dueWords.contains(marked) || taken.contains(marked))
            continue;
        if (fits && !fits(line))
            continue;
        taken.insert(std::move(marked));
        candidates.push_back(&line);
    }
    if (candidates.empty() || random.Draw(3) != 0)
        return std::nullopt;
    return *candidates[static_cast<std::size_t>(random.Draw(static_cast<int>(candidates.size())))];
}

void MixInDueLines(std::vector<Text>& drawn, const std::vector<Text>& lines,
                   const std::vector<Text>& due, RandomSource& random) {
    if (due.empty())
        return;
    const auto notInList = [&drawn](const Text& line) {
        const Text marked = MarkedWord(line);
        return std::none_of(drawn.begin(), drawn.end(),
                            [&](const Text& entry) { return MarkedWord(entry) == marked; });
    };
    for (Text& entry : drawn)
        if (std::optional<Text> line = DrawDueLine(lines, due, random, notInList))
            entry = std::move(*line);
}

} // namespace tamurik
