#pragma once
// Missed verbs coming back: when an exercise draws a verb of ZAHLVERB.TXT for a child whose card
// box holds verbs that are due again, one draw in three takes one of them instead, as long as
// it passes the exercise's own selection. Without such a verb the draw is exactly the one the
// exercise has always made: not even a random number is taken for the card box then.

#include "core/random.h"
#include "core/text.h"

#include <functional>
#include <optional>
#include <vector>

namespace tamurik {

// A further condition on a due verb's line (for example: it makes no second copy of a verb in a
// set); none takes every line.
using LineFits = std::function<bool(const Text& line)>;

// One draw among `lines` (the lines of ZAHLVERB.TXT that pass the exercise's selection). `due`
// holds the marked words of the child's due verbs. When the marked word of at least one line
// is due (and that line fits), one draw in three (Int(r × 3) = 0) answers the line of one of
// those verbs, each verb with the same chance (Int(r × n)); a verb that stands on two lines
// comes from the first. Otherwise no value: the exercise draws as before. No random number is
// taken unless such a line exists.
std::optional<Text> DrawDueLine(const std::vector<Text>& lines, const std::vector<Text>& due,
                                RandomSource& random, const LineFits& fits = nullptr);

// A list drawn entry by entry (repeats allowed), each entry one draw: after the exercise's own
// draw, each entry in turn is replaced by a due verb one draw in three. A verb that already
// stands in the list is not brought in again, so the list stays a list to practise on, not one
// verb over and over.
void MixInDueLines(std::vector<Text>& drawn, const std::vector<Text>& lines,
                   const std::vector<Text>& due, RandomSource& random);

} // namespace tamurik
