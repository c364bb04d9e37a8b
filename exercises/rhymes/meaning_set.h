#pragma once
// The questions of the meaning exercise: rare verbs and the explanations after their "=".

#include "core/random.h"
#include "core/text.h"

#include <vector>

namespace tamurik {

inline constexpr int kMeaningSetSize = 4;

// Up to kMeaningSetSize different lines drawn at random among the candidates, returned in the
// order in which they stand among them (fewer when there are fewer candidates).
std::vector<Text> DrawMeaningSet(const std::vector<Text>& candidates, RandomSource& random);

// What an answer field shows: the text after the first "=" (with the blank that follows it).
Text MeaningAnswer(TextView line);

// The marked verb of the line: the text before the "=" without the blank in front of it.
Text MeaningVerb(TextView line);

} // namespace tamurik
