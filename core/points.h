#pragma once
// Points and the reward rule: what the main menu and every exercise tell the child about them.

#include "core/text.h"

namespace tamurik {

// "Punkt" for exactly one point, "Punkte" otherwise.
Text PointsWord(long long points);
// How many reward games the points pay for: both rounded to whole numbers, the quotient
// truncated; 0 for a cost that is not positive.
long long RewardGames(double points, double cost);
// The reward rule of the reward icon.
Text RewardInfoText(long long points, long long cost);
// The main menu's reward game: too few points, or the question whether to play.
Text RewardTooFewText(long long cost);
Text RewardQuestionText(long long cost);
// The settings gate opens on a non-empty entry whose numeric value equals the points shown.
bool GateOpens(TextView entry, TextView shownPoints);

} // namespace tamurik
