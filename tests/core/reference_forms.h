#pragma once
// The present-tense forms of an independent dictionary (data/reference/er_forms.txt), to check
// the forms the program teaches: per infinitive the accepted er forms and, where the dictionary
// gives them, the accepted du forms.

#include "core/work_dir.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

namespace tamurik::test {

struct ReferenceForms {
    std::vector<Text> er;
    std::vector<Text> du;
};

// Whether the form is one of the accepted ones; where the dictionary gives none, any is.
inline bool Accepted(const Text& form, const std::vector<Text>& accepted) {
    return accepted.empty() || std::find(accepted.begin(), accepted.end(), form) != accepted.end();
}

// Alternatives are joined by ";".
inline std::vector<Text> Alternatives(TextView text) {
    std::vector<Text> parts;
    for (std::size_t start = 0; !text.empty() && start <= text.size();) {
        const std::size_t end = std::min(text.find(U';', start), text.size());
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

inline std::map<Text, ReferenceForms> LoadReferenceForms() {
    const WorkDir dir(std::filesystem::path(TAMURIK_DATA_DIR) / "reference");
    std::map<Text, ReferenceForms> forms;
    for (const Text& line : dir.ReadLines("er_forms.txt").value_or(std::vector<Text>{})) {
        const std::size_t tab1 = line.find(U'\t');
        const std::size_t tab2 = tab1 == Text::npos ? Text::npos : line.find(U'\t', tab1 + 1);
        if (!line.starts_with(U'#') && tab2 != Text::npos)
            forms[line.substr(0, tab1)] = {Alternatives(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                                           Alternatives(line.substr(tab2 + 1))};
    }
    return forms;
}

} // namespace tamurik::test
