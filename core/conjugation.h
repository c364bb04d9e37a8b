#pragma once
// The present-tense forms of a verb for ich, du and er: a table of the strong, modal and
// irregular verbs, and the rules for every regular verb.

#include "core/text.h"

#include <optional>
#include <vector>

namespace tamurik {

struct VerbForms {
    Text infinitive;
    Text ich;
    Text du;
    Text er;
    bool operator==(const VerbForms&) const = default;
};

// The forms of a verb written in lower case, as it stands in the verb list. No value when
// neither the table nor the rules know the verb (it does not end in "en", "eln" or "ern"):
// such a verb is never set as a task.
std::optional<VerbForms> Conjugate(TextView verb);

// The table row of a strong, modal or irregular verb, found by its exact infinitive.
std::optional<VerbForms> StrongVerbForms(TextView verb);
// Every row of that table, in alphabetical order of the infinitive.
std::vector<VerbForms> StrongVerbTable();

// Verbs that are never set as a task.
inline constexpr TextView kSkipList = U"ficken,huren,pimpern";
// Whether a verb stands within the skip list; an empty verb counts as skipped too.
bool IsSkippedVerb(TextView verb);

} // namespace tamurik
